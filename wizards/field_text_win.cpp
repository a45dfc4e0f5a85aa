#include "wizards/field_text_win.h"

#include "core/cp1252.h"
#include "core/texts.h"
#include "core/wide_text_win.h"
#include "ui/message_box_win.h"
#include "ui/dpi_win.h"

namespace tolvane {

HWND AddTextField(HWND parent, int x, int y, int width, int height, int id, DWORD extra) {
    // Created wide: an ANSI edit field keeps its text in the code page and
    // would turn a pasted "Ω" into "O" before anyone could look at it.
    const RECT place = ScaleRect(x, y, width, height);
    HWND field = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | extra,
                                   place.left, place.top, place.right - place.left, place.bottom - place.top, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr);
    if (field) ::SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFont()), FALSE);
    return field;
}

std::string FieldUtf8(HWND field) {
    const int length = ::GetWindowTextLengthW(field);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(field, text.data(), length + 1)));
    return Utf8OfWide(text);
}

void SetFieldText(HWND field, std::string_view cp1252) { ::SetWindowTextW(field, WideOfCp1252(cp1252).c_str()); }

void ShowFieldWarning(HWND owner, const std::string& cp1252) {
    (void)owner;  // the program's message box finds its owner itself
    ProgramMessageBox(Cp1252ToUtf8(cp1252), Cp1252ToUtf8(fixed_text::kAppName), MB_ICONEXCLAMATION | MB_OK);
}

}  // namespace tolvane
