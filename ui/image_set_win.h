// The images and fonts made once at start-up and shared by the menus, the
// main window and the wizards.
#pragma once

#include <windows.h>

#include <array>

#include "core/unique_handle_win.h"

namespace tolvane {

enum ImageSlot : int {
    kImageApp = 0,           // program window with speed lines
    kImageSystemStart = 1,   // a computer
    kImageProgramStart = 2,  // program window with a gear wheel
    kImageGlobe = 3,
    kImageHistory = 4,       // a page of lines with a clock
    kImageStartNow = 5,      // green arrow pointing right
    kImageCheck = 6,         // a list with a check mark
    kImageQuit = 9,          // red round sign with a white cross
    kImageSlotCount = 10,
};

inline constexpr int kBannerWidth = 400;
inline constexpr int kBannerHeight = 25;

class ImageSet {
public:
    // Loads icons 0..9 from the program's resources, paints the banner and
    // makes the two fonts. Whatever cannot be made stays empty.
    static ImageSet Load(HINSTANCE instance);

    // Icons are Scale(16) pixels square; the banner stays 400 x 25 and is
    // stretched where it is drawn.
    HICON icon(int slot) const { return slot >= 0 && slot < kImageSlotCount ? icons_[slot].get() : nullptr; }
    HBITMAP banner() const { return banner_.get(); }
    HFONT menuFont() const { return menuFont_.get(); }        // "Tahoma" 8 pt
    HFONT headingFont() const { return headingFont_.get(); }  // "Arial" 10 pt bold italic underlined

private:
    std::array<UniqueIcon, kImageSlotCount> icons_;
    UniqueBitmap banner_;
    UniqueFont menuFont_;
    UniqueFont headingFont_;
};

// Colour of the banner's vertical line at x: blue at the left, (220, 220,
// 255) at the right edge.
COLORREF BannerColourAt(int x);

}  // namespace tolvane
