#include "ui/image_set_win.h"

#include <utility>

#include "core/unique_handle_win.h"
#include "res/resource_ids.h"
#include "ui/device_context_win.h"
#include "ui/display_scale.h"
#include "ui/dpi_win.h"

namespace tolvane {

namespace {

HFONT MakeFont(const wchar_t* face, int points, int weight, bool italic, bool underline) {
    return ::CreateFontW(FontHeightForDpi(points, SystemDpi()), 0, 0, 0, weight, italic, underline, FALSE, DEFAULT_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

HBITMAP PaintBanner() {
    const WindowDc screen;
    if (!screen) return nullptr;
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen.get(), kBannerWidth, kBannerHeight);
    const MemoryDc memory(screen.get());
    if (!bitmap || !memory) return bitmap;
    const Selection drawing(memory.get(), bitmap);
    const RECT all{0, 0, kBannerWidth, kBannerHeight};
    ::FillRect(memory.get(), &all, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    for (int x = 0; x <= kBannerWidth; ++x) {
        const RECT line{x, 0, x + 1, 30};
        const UniqueBrush brush(::CreateSolidBrush(BannerColourAt(x)));
        ::FillRect(memory.get(), &line, brush.get());
    }
    return bitmap;
}

}  // namespace

COLORREF BannerColourAt(int x) {
    const auto v = static_cast<BYTE>(static_cast<int>(x * 220.0 / 400.0));
    return RGB(v, v, 255);
}

ImageSet ImageSet::Load(HINSTANCE instance) {
    ImageSet set;
    set.instance_ = instance;
    return set;
}

HICON ImageSet::icon(int slot) const {
    if (slot < 0 || slot >= kImageSlotCount) return nullptr;
    if (!iconTried_[slot]) {
        iconTried_[slot] = true;
        // At the display's size: Windows picks the nearest of each icon's
        // images (16, 24, 32 pixels) instead of stretching the 16-pixel one.
        const int size = Scale(16);
        icons_[slot].reset(static_cast<HICON>(
            ::LoadImageW(instance_, MAKEINTRESOURCEW(IDI_IMAGE_BASE + slot), IMAGE_ICON, size, size, 0)));
    }
    return icons_[slot].get();
}

HBITMAP ImageSet::banner() const {
    if (!std::exchange(bannerTried_, true)) banner_.reset(PaintBanner());
    return banner_.get();
}

void ImageSet::makeFonts() const {
    if (std::exchange(fontsTried_, true)) return;
    menuFont_.reset(MakeFont(L"Tahoma", 8, FW_NORMAL, false, false));
    headingFont_.reset(MakeFont(L"Arial", 10, FW_BOLD, true, true));
}

HFONT ImageSet::menuFont() const {
    makeFonts();
    return menuFont_.get();
}

HFONT ImageSet::headingFont() const {
    makeFonts();
    return headingFont_.get();
}

}  // namespace tolvane
