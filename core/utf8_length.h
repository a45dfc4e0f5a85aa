// How long a UTF-8 text is where Windows counts: in UTF-16 units, as limits
// such as MAX_PATH and the command line's 32,767 characters are measured.
#pragma once

#include <cstddef>
#include <string_view>

namespace tolvane {

// A character beyond U+FFFF takes two units; an ill-formed byte one, as it
// becomes U+FFFD when widened.
inline std::size_t Utf16Length(std::string_view utf8) {
    std::size_t units = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80) units += byte >= 0xF0 && byte <= 0xF4 ? 2 : 1;
    }
    return units;
}

}  // namespace tolvane
