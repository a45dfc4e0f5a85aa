#include "ui/balloon_text.h"


namespace tolvane {

namespace {

// Length in bytes of the UTF-8 sequence that starts with `lead`, and the
// UTF-16 units its character takes. A stray byte counts as one of each.
void MeasureCharacter(unsigned char lead, std::size_t& bytes, std::size_t& units) {
    if (lead >= 0xF0 && lead < 0xF8) {
        bytes = 4;
        units = 2;
    } else if (lead >= 0xE0 && lead < 0xF0) {
        bytes = 3;
        units = 1;
    } else if (lead >= 0xC0 && lead < 0xE0) {
        bytes = 2;
        units = 1;
    } else {
        bytes = 1;
        units = 1;
    }
}

// Byte length of the longest start of `text` that fits in `units`.
std::size_t FittingBytes(std::string_view text, std::size_t units) {
    std::size_t at = 0, used = 0;
    while (at < text.size()) {
        std::size_t bytes = 0, need = 0;
        MeasureCharacter(static_cast<unsigned char>(text[at]), bytes, need);
        if (at + bytes > text.size() || used + need > units) break;
        at += bytes;
        used += need;
    }
    return at;
}

}  // namespace

std::string CutForBalloon(std::string_view text, std::size_t units) {
    if (FittingBytes(text, units) == text.size()) return std::string(text);
    constexpr std::string_view kMore = "...";
    if (units < kMore.size()) return std::string(text.substr(0, FittingBytes(text, units)));
    return std::string(text.substr(0, FittingBytes(text, units - kMore.size()))) + std::string(kMore);
}

}  // namespace tolvane
