#include "ui/row_find.h"

#include "core/cp1252.h"

namespace tolvane {

namespace {

unsigned char Lower(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 0x20);
    // "À" to "Þ" except "×"; the code page's "Š", "Œ", "Ž" and "Ÿ".
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 0x20);
    if (c == 0x8A || c == 0x8C || c == 0x8E) return static_cast<unsigned char>(c + 0x10);
    if (c == 0x9F) return 0xFF;
    return c;
}

bool Matches(std::string_view name, const RowQuery& query) {
    if (name.size() < query.text.size() || (!query.partial && name.size() != query.text.size())) return false;
    for (std::size_t index = 0; index < query.text.size(); ++index)
        if (Lower(static_cast<unsigned char>(name[index])) != Lower(static_cast<unsigned char>(query.text[index])))
            return false;
    return true;
}

}  // namespace

int FindRow(const EntryList& rows, const RowQuery& utf8Query) {
    // Names hold only what the store holds, so letter case is compared as
    // Windows-1252 knows it; a text outside it matches no name.
    const std::optional<std::string> text = Utf8ToCp1252(utf8Query.text);
    if (!text) return -1;
    RowQuery query = utf8Query;
    query.text = *text;
    const auto matches = [&query](const StartEntry& entry) { return Matches(Utf8ToCp1252Marked(entry.name), query); };
    const int count = static_cast<int>(rows.size());
    const int start = query.start < 0 || query.start >= count ? 0 : query.start;
    for (int index = start; index < count; ++index)
        if (matches(rows[static_cast<std::size_t>(index)].entry)) return index;
    if (!query.wrap) return -1;
    for (int index = 0; index < start; ++index)
        if (matches(rows[static_cast<std::size_t>(index)].entry)) return index;
    return -1;
}

}  // namespace tolvane
