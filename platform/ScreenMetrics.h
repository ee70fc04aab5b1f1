#pragma once
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

// Fixed figures, for tests and for screens that should be pretended.
class FixedScreenMetrics : public ScreenMetrics {
public:
    FixedScreenMetrics(int width, int height, int frameWidth, int frameHeight)
        : m_width(width), m_height(height), m_frameWidth(frameWidth), m_frameHeight(frameHeight) {}

    int ScreenWidth() const override { return m_width; }
    int ScreenHeight() const override { return m_height; }
    int FrameWidth() const override { return m_frameWidth; }
    int FrameHeight() const override { return m_frameHeight; }

private:
    int m_width, m_height, m_frameWidth, m_frameHeight;
};
