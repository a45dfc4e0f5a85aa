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
    // Icons 0..9 from the program's resources, the banner and the two fonts,
    // each made when first asked for: the tray icon, the first thing a start
    // at logon shows, waits only for the program's own icon. Whatever cannot
    // be made stays empty.
    static ImageSet Load(HINSTANCE instance);

    // Icons are Scale(16) pixels square; the banner stays 400 x 25 and is
    // stretched where it is drawn.
    HICON icon(int slot) const;
    HBITMAP banner() const;
    HFONT menuFont() const;     // "Tahoma" 8 pt
    HFONT headingFont() const;  // "Arial" 10 pt bold italic underlined

private:
    HINSTANCE instance_ = nullptr;
    mutable std::array<UniqueIcon, kImageSlotCount> icons_;
    mutable std::array<bool, kImageSlotCount> iconTried_{};
    mutable UniqueBitmap banner_;
    mutable UniqueFont menuFont_;
    mutable UniqueFont headingFont_;
    mutable bool bannerTried_ = false, fontsTried_ = false;

    void makeFonts() const;
};

// Colour of the banner's vertical line at x: blue at the left, (220, 220,
// 255) at the right edge.
COLORREF BannerColourAt(int x);

}  // namespace tolvane
