// Conversion between the program's Windows-1252 texts and UTF-8, for tools
// and tests that speak UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolvane {

std::string Cp1252ToUtf8(std::string_view text);
// Empty optional when the text is not well-formed UTF-8 (overlong forms
// included) or holds a character that Windows-1252 cannot represent.
std::optional<std::string> Utf8ToCp1252(std::string_view text);

}  // namespace tolvane
