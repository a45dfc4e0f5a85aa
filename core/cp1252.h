// Conversion between UTF-8, the program's text inside, and Windows-1252, the
// text of the entry store on disk.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolvane {

std::string Cp1252ToUtf8(std::string_view text);
// Empty optional when the text is not well-formed UTF-8 (overlong forms
// included) or holds a character that Windows-1252 cannot represent.
std::optional<std::string> Utf8ToCp1252(std::string_view text);
// Every character Windows-1252 cannot hold (or ill-formed byte) as "?": for
// a text that must be written whatever it holds.
std::string Utf8ToCp1252Marked(std::string_view text);

}  // namespace tolvane
