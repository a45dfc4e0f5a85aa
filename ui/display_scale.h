// Lengths of the layouts are designed for 96 dots per inch; on a scaled
// display they grow with its DPI.
#pragma once

namespace tolvane {

inline constexpr int kDesignDpi = 96;

// value × dpi ÷ 96, rounded to the nearest pixel, halves away from zero (as
// Windows' MulDiv rounds, so a layout matches what the system computes). A
// DPI that could not be read (0 or less) leaves the value as designed.
int ScaleForDpi(int value, int dpi);

// Font height in pixels for a size in points: −(points × dpi ÷ 72), rounded
// the same way; negative, as the font mapper takes a character height.
int FontHeightForDpi(int points, int dpi);

}  // namespace tolvane
