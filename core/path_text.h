// Parts of a path as the program reads them: the file part for triggers and
// automatic names, the extension for row icons.
#pragma once

#include <string_view>

namespace tolvane {

// Text after the last "\" or "/"; a double quote at the start of the path is
// skipped, and the part ends before the next double quote.
std::string_view FilePart(std::string_view path);

// Text after the last "." when no "\" or "/" follows it; empty otherwise.
std::string_view ExtensionOf(std::string_view path);

}  // namespace tolvane
