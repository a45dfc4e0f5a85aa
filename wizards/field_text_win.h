// The text fields of the wizards as Unicode windows: what is pasted or
// picked keeps every character until the rules in field_check.h decide, so
// nothing outside Windows-1252 is turned into "?" or a look-alike unseen.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace tolvane {

// A single-line edit field in the dialog font, holding UTF-16.
HWND AddTextField(HWND parent, int x, int y, int width, int height, int id, DWORD extra = 0);
// The field's whole text in UTF-8.
std::string FieldUtf8(HWND field);
// Puts a Windows-1252 text (a stored field, an interface text) into a field.
void SetFieldText(HWND field, std::string_view cp1252);
// The wizards' warning: exclamation icon, one OK button, Windows-1252 text.
void ShowFieldWarning(HWND owner, const std::string& cp1252);

}  // namespace tolvane
