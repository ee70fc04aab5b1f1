#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The screen size and the sizing-frame size in pixels, as GetSystemMetrics reports them
// (SM_CXSCREEN, SM_CYSCREEN, SM_CXFRAME, SM_CYFRAME).

class ScreenMetrics {
public:
    virtual ~ScreenMetrics() = default;
    virtual int ScreenWidth() const = 0;
    virtual int ScreenHeight() const = 0;
    virtual int FrameWidth() const = 0;
    virtual int FrameHeight() const = 0;
};

// The primary screen. The window manager draws our frames and does not tell their size
// before a window shows, so the frame is the Windows default of 4 pixels.
class QtScreenMetrics : public ScreenMetrics {
public:
    static constexpr int kFrameSize = 4;

    int ScreenWidth() const override;
    int ScreenHeight() const override;
    int FrameWidth() const override { return kFrameSize; }
    int FrameHeight() const override { return kFrameSize; }
};
