#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The platform services a dialog may need, handed to it in its constructor so that a test
// can put its own in their place. Whoever builds the bundle owns the services; they must
// outlive every dialog given the bundle.

class CommonDialogs;
class KeyState;
class MessageBoxes;
class ScreenMetrics;
class Sound;

struct PlatformServices {
    MessageBoxes& messageBoxes;
    ScreenMetrics& screen;
    KeyState& keys;
    Sound& sound;
    CommonDialogs& dialogs;
};
