#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The dialogs, built-in bitmaps and icon are compiled into the program as Qt resources in a
// static library; nothing would reference them, so the linker could drop them. Every reader
// of ":/" calls this first, which both keeps them and registers them once.

void EnsureBuiltInResources();
