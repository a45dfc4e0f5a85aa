#include "core/system_reason.h"

namespace tolvane {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// At the start, or after a sentence's end and its blanks.
bool SentenceBegins(const std::string& text) {
    std::size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ') --end;
    if (end == 0) return true;
    const char last = text[end - 1];
    return end < text.size() && (last == '.' || last == '!' || last == '?');
}

std::string Capitalised(std::string_view insert) {
    std::string text(insert);
    if (!text.empty() && text.front() >= 'a' && text.front() <= 'z') text.front() = static_cast<char>(text.front() - 32);
    return text;
}

}  // namespace

std::string FillMessageInserts(std::string_view text, std::string_view insert) {
    std::string out;
    out.reserve(text.size() + insert.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[i + 1];
        if (next == '0') break;
        if (IsDigit(next)) {
            std::size_t end = i + 2;
            if (end < text.size() && IsDigit(text[end])) ++end;
            // A printf-like format between exclamation marks belongs to the insert.
            if (end < text.size() && text[end] == '!') {
                const std::size_t close = text.find('!', end + 1);
                if (close != std::string_view::npos) end = close + 1;
            }
            out += SentenceBegins(out) ? Capitalised(insert) : std::string(insert);
            i = end - 1;
            continue;
        }
        switch (next) {
        case 'n':
        case 'r':
        case 't':
        case 'b':
            if (!out.empty() && out.back() != ' ') out += ' ';
            break;
        default:
            out += next;  // "%%", "%.", "%!" and anything else: the character itself
            break;
        }
        ++i;
    }
    return out;
}

}  // namespace tolvane
