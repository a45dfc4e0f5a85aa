// Scoped owners for device contexts and the objects selected into them, as
// for handles: an early return can neither keep a DC nor leave a font or
// bitmap selected in one.
#pragma once

#include <windows.h>

#include <utility>

namespace tolvane {

// GetDC / ReleaseDC; the screen's when the window is null.
class WindowDc {
public:
    explicit WindowDc(HWND window = nullptr) : window_(window), dc_(::GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ::ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint / EndPaint, for WM_PAINT.
class PaintDc {
public:
    explicit PaintDc(HWND window) : window_(window), dc_(::BeginPaint(window, &paint_)) {}
    ~PaintDc() { ::EndPaint(window_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;

    HDC get() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// CreateCompatibleDC / DeleteDC.
class MemoryDc {
public:
    explicit MemoryDc(HDC like) : dc_(::CreateCompatibleDC(like)) {}
    ~MemoryDc() {
        if (dc_) ::DeleteDC(dc_);
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HDC dc_;
};

// Selects an object into a DC for its lifetime; a null object selects nothing.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(dc && object ? ::SelectObject(dc, object) : nullptr) {}
    ~Selection() {
        if (previous_) ::SelectObject(dc_, previous_);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace tolvane
