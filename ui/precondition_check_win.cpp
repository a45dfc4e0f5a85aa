#include "ui/precondition_check_win.h"

#include <commctrl.h>

#include "core/texts.h"
#include "core/wide_text_win.h"
#include "ui/control_kit_win.h"
#include "ui/dpi_win.h"
#include "ui/modal_window_win.h"

namespace tolvane {

namespace {

constexpr wchar_t kClass[] = L"TolvaneCheckView";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
// Designed for 96 DPI: client size, list, button.
constexpr int kWidth = 520, kHeight = 240;
constexpr int kColumnWidths[3] = {250, 130, 116};

HWND AddChild(HWND parent, const wchar_t* windowClass, const std::wstring& text, DWORD style, DWORD exStyle,
              const RECT& place, int id) {
    HWND control = ::CreateWindowExW(exStyle, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style, place.left,
                                     place.top, place.right - place.left, place.bottom - place.top, parent,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr),
                                     nullptr);
    if (control) ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFont()), FALSE);
    return control;
}

void AddLine(HWND list, int row, const CheckLine& line) {
    std::wstring cells[3] = {WideOfUtf8(line.precondition), WideOfUtf8(line.measured), WideOfUtf8(line.state)};
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = cells[0].data();
    const int at = static_cast<int>(::SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    for (int column = 1; column < 3; ++column) {
        LVITEMW cell{};
        cell.iSubItem = column;
        cell.pszText = cells[column].data();
        ::SendMessageW(list, LVM_SETITEMTEXTW, at, reinterpret_cast<LPARAM>(&cell));
    }
}

}  // namespace

bool PreconditionCheckView::create(HWND owner, const std::string& title, const std::vector<CheckLine>& lines) {
    if (!createWindow(owner, kClass, title, kWidth, kHeight, kStyle, kExStyle)) return false;
    list_ = AddChild(window(), WC_LISTVIEWW, L"",
                     WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
                     WS_EX_CLIENTEDGE, ScaleRect(10, 10, kWidth - 20, kHeight - 56), 1);
    ::SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    AddListColumn(list_, 0, GetText(Text::ColumnCondition), kColumnWidths[0]);
    AddListColumn(list_, 1, fixed_text::kColumnMeasured, kColumnWidths[1]);
    AddListColumn(list_, 2, fixed_text::kColumnState, kColumnWidths[2]);
    showLines(lines);

    button_ = AddDefaultButton(window(), GetText(Text::Ok), kWidth - 90, kHeight - 36, 80, 24, IDOK);

    ::ShowWindow(window(), SW_SHOW);
    ::SetForegroundWindow(window());
    ::SetFocus(list_);
    return true;
}

void PreconditionCheckView::showLines(const std::vector<CheckLine>& lines) {
    if (!list_) return;
    const int selected = static_cast<int>(::SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    ::SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    const std::vector<CheckLine> shown = LinesToShow(lines);
    for (std::size_t row = 0; row < shown.size(); ++row) AddLine(list_, static_cast<int>(row), shown[row]);
    LVITEMW focused{};
    focused.stateMask = LVIS_FOCUSED | LVIS_SELECTED;
    focused.state = LVIS_FOCUSED | LVIS_SELECTED;
    const int row = selected >= 0 && static_cast<std::size_t>(selected) < shown.size() ? selected : 0;
    ::SendMessageW(list_, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&focused));
    ::SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(list_, nullptr, TRUE);
}

bool PreconditionCheckView::takeKey(MSG& message) {
    // Enter and Escape close wherever the keyboard is in this window; the
    // view has nothing to confirm or to cancel.
    const bool ours = message.hwnd == window() || ::IsChild(window(), message.hwnd);
    if (!ours || message.message != WM_KEYDOWN || (message.wParam != VK_RETURN && message.wParam != VK_ESCAPE))
        return false;
    end();
    return true;
}

LRESULT PreconditionCheckView::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        end();
        return 0;
    }
    return ModalWindow::handle(message, wParam, lParam);
}

void ShowPreconditionCheck(HWND owner, std::string_view entryName, const std::vector<CheckLine>& lines,
                           const std::function<void(PreconditionCheckView*)>& opened) {
    PreconditionCheckView view;
    if (!view.create(owner, CheckViewTitle(entryName), lines)) return;
    if (opened) opened(&view);
    view.runModal();
    if (opened) opened(nullptr);
}

}  // namespace tolvane
