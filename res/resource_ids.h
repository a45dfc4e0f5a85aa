// Resource numbers shared by the resource script and the code.
#pragma once

#define IDR_MANIFEST 1

// Image slots 0..9 are the icons IDI_IMAGE_BASE + slot.
#define IDI_IMAGE_BASE 200
#define IDI_APP 200
