#include "wizards/field_text_win.h"

#include "core/texts.h"
#include "ui/control_kit_win.h"
#include "ui/message_box_win.h"

namespace tolvane {

HWND AddTextField(HWND parent, int x, int y, int width, int height, int id, DWORD extra) {
    return AddControl(parent, L"EDIT", "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | extra, x, y, width, height, id);
}

void ShowFieldWarning(HWND owner, const std::string& text) {
    (void)owner;  // the program's message box finds its owner itself
    ProgramMessageBox(text, std::string(fixed_text::kAppName), MB_ICONEXCLAMATION | MB_OK);
}

}  // namespace tolvane
