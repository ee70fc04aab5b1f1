#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Whether a key is held down at this moment, as GetKeyState's high bit tells it.

class KeyState {
public:
    virtual ~KeyState() = default;
    virtual bool IsEscapeDown() const = 0;
};
