// How the system's message texts are made readable without their inserts.
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

// What a system text's "%1" stands for when the reason is shown beside the
// file's own path: the text then reads "Die Datei ist keine zulässige
// Win32-Anwendung".
inline constexpr std::string_view kInsertStandIn = "die Datei";

// The text with FormatMessage's inserts filled: each "%1" to "%99" (with or
// without a "!...!" format) becomes `insert`, capitalised where a sentence
// begins; "%%", "%.", "%!" become their character, line breaks and tabs
// ("%n", "%r", "%t", "%b") a blank, and "%0" ends the text. UTF-8 in and out.
std::string FillMessageInserts(std::string_view text, std::string_view insert = kInsertStandIn);

}  // namespace tolvane
