#include "core/cp1252.h"

#include <array>
#include <cstdint>

namespace tolvane {

namespace {

// Code points of bytes 0x80..0x9F. The five bytes Windows leaves undefined
// map to the C1 control of the same number, as MultiByteToWideChar does.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The smallest code point each sequence length may carry.
constexpr std::array<char32_t, 4> kShortestOf = {0, 0x80, 0x800, 0x10000};

char32_t CodePointOf(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : byte;
}

std::optional<unsigned char> ByteOf(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<unsigned char>(cp);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == cp) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
    return out;
}

namespace {

// Converts until the first sequence that is not well-formed UTF-8 (overlong
// forms included) or has no Windows-1252 byte; `mark` stands in for each such
// sequence, or with no mark the conversion stops and fails.
std::optional<std::string> ToCp1252(std::string_view text, std::optional<char> mark) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        int extra = 0;
        char32_t cp = 0;
        bool wellFormed = true;
        if (lead < 0x80) { cp = lead; }
        else if ((lead & 0xE0) == 0xC0) { cp = lead & 0x1F; extra = 1; }
        else if ((lead & 0xF0) == 0xE0) { cp = lead & 0x0F; extra = 2; }
        else if ((lead & 0xF8) == 0xF0) { cp = lead & 0x07; extra = 3; }
        else wellFormed = false;
        if (wellFormed && at + static_cast<std::size_t>(extra) >= text.size() && extra > 0) wellFormed = false;
        for (int i = 1; wellFormed && i <= extra; ++i) {
            const auto next = static_cast<unsigned char>(text[at + static_cast<std::size_t>(i)]);
            if ((next & 0xC0) != 0x80) wellFormed = false;
            cp = (cp << 6) | (next & 0x3F);
        }
        // An overlong form (C1 81 for "A", C0 80 for NUL) is not UTF-8: it
        // is how texts slip past checks that look for the short form.
        if (wellFormed && cp < kShortestOf[extra]) wellFormed = false;
        const auto byte = wellFormed ? ByteOf(cp) : std::nullopt;
        if (!byte && !mark) return std::nullopt;
        out += byte ? static_cast<char>(*byte) : *mark;
        at += wellFormed ? static_cast<std::size_t>(extra) + 1 : 1;
    }
    return out;
}

}  // namespace

std::optional<std::string> Utf8ToCp1252(std::string_view text) { return ToCp1252(text, std::nullopt); }

std::string Utf8ToCp1252Marked(std::string_view text) { return *ToCp1252(text, '?'); }

}  // namespace tolvane
