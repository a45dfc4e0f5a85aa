#include "ui/display_scale.h"

#include <cstdint>
#include <cstdlib>

namespace tolvane {

namespace {

int RoundedRatio(std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t half = denominator / 2;
    const std::int64_t magnitude = (std::llabs(numerator) + half) / denominator;
    return static_cast<int>(numerator < 0 ? -magnitude : magnitude);
}

}  // namespace

int ScaleForDpi(int value, int dpi) {
    if (dpi <= 0) return value;
    return RoundedRatio(static_cast<std::int64_t>(value) * dpi, kDesignDpi);
}

int FontHeightForDpi(int points, int dpi) {
    if (dpi <= 0) dpi = kDesignDpi;
    return -RoundedRatio(static_cast<std::int64_t>(points) * dpi, 72);
}

}  // namespace tolvane
