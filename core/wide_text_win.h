// The Win32 edge of the program's own paths and messages: they are UTF-8 in
// the portable core and UTF-16 in every call to the system, so a profile or
// program folder outside the code page (C:\Users\Łukasz) works.
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

// Ill-formed bytes become U+FFFD; such a path names no file.
std::wstring WideOfUtf8(std::string_view text);
// A lone surrogate becomes U+FFFD.
std::string Utf8OfWide(std::wstring_view text);

}  // namespace tolvane
