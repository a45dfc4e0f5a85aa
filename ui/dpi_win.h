// The display's DPI as the program sees it (it declares itself DPI-aware),
// and what the layouts need to follow it: lengths, rectangles and the one
// dialog font made for that DPI.
#pragma once

#include <windows.h>

namespace tolvane {

// The system DPI, read once: Windows does not change it for a running
// program (a new value takes effect at the next logon).
int SystemDpi();

// A length designed for 96 DPI, in pixels of this display.
int Scale(int value);
RECT ScaleRect(int x, int y, int width, int height);

// The standard dialog font at the system DPI: the stock GUI font stays at
// its 96-DPI size on some systems. Made on first use, kept for the
// program's life.
HFONT DialogFont();

}  // namespace tolvane
