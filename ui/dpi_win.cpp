#include "ui/dpi_win.h"

#include "core/unique_handle_win.h"
#include "ui/device_context_win.h"
#include "ui/display_scale.h"

namespace tolvane {

namespace {

int ReadDpi() {
    const WindowDc screen;
    if (!screen) return kDesignDpi;
    const int dpi = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
    return dpi > 0 ? dpi : kDesignDpi;
}

HFONT MakeDialogFont() {
    LOGFONTW font{};
    if (!::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font)) {
        font.lfCharSet = DEFAULT_CHARSET;
        lstrcpynW(font.lfFaceName, L"MS Shell Dlg", LF_FACESIZE);
    }
    // The stock font's face, 8 points at the display's DPI.
    font.lfHeight = FontHeightForDpi(8, SystemDpi());
    font.lfWidth = 0;
    return ::CreateFontIndirectW(&font);
}

}  // namespace

int SystemDpi() {
    static const int dpi = ReadDpi();
    return dpi;
}

int Scale(int value) { return ScaleForDpi(value, SystemDpi()); }

RECT ScaleRect(int x, int y, int width, int height) {
    const int left = Scale(x);
    const int top = Scale(y);
    return RECT{left, top, left + Scale(width), top + Scale(height)};
}

HFONT DialogFont() {
    static const UniqueFont font(MakeDialogFont());
    return font ? font.get() : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace tolvane
