#include "ui/precondition_check_win.h"

#include <commctrl.h>

#include "core/texts.h"
#include "core/wide_text_win.h"
#include "ui/control_kit_win.h"
#include "ui/dpi_win.h"
#include "ui/guarded_procedure_win.h"
#include "ui/modal_loop_win.h"
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
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSW type{};
    if (!::GetClassInfoW(instance, kClass, &type)) {
        type.lpfnWndProc = Procedure;
        type.hInstance = instance;
        type.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        type.lpszClassName = kClass;
        ::RegisterClassW(&type);
    }
    const RECT place = PlaceOverOwner(owner, kWidth, kHeight, kStyle, kExStyle);
    window_ = ::CreateWindowExW(kExStyle, kClass, WideOfUtf8(title).c_str(), kStyle, place.left, place.top,
                                place.right - place.left, place.bottom - place.top, owner, nullptr, instance, this);
    if (!window_) return false;

    list_ = AddChild(window_, WC_LISTVIEWW, L"",
                     WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
                     WS_EX_CLIENTEDGE, ScaleRect(10, 10, kWidth - 20, kHeight - 56), 1);
    ::SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    AddListColumn(list_, 0, GetText(Text::ColumnCondition), kColumnWidths[0]);
    AddListColumn(list_, 1, fixed_text::kColumnMeasured, kColumnWidths[1]);
    AddListColumn(list_, 2, fixed_text::kColumnState, kColumnWidths[2]);
    showLines(lines);

    button_ = AddChild(window_, L"BUTTON", WideOfUtf8(GetText(Text::Ok)), WS_TABSTOP | BS_DEFPUSHBUTTON, 0,
                       ScaleRect(kWidth - 90, kHeight - 36, 80, 24), IDOK);

    owner_.hold(owner);
    ::ShowWindow(window_, SW_SHOW);
    ::SetForegroundWindow(window_);
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

void PreconditionCheckView::runModal() {
    RunModalLoop(window_, [this] { return ended_; }, [this](MSG& message) { deliver(message); });
    close();
}

void PreconditionCheckView::pump() {
    PumpWaitingMessages(window_, [this] { return ended_; }, [this](MSG& message) { deliver(message); });
}

void PreconditionCheckView::deliver(MSG& message) {
    const bool ours = message.hwnd == window_ || ::IsChild(window_, message.hwnd);
    // Enter and Escape close wherever the keyboard is in this window; the
    // view has nothing to confirm or to cancel.
    if (ours && message.message == WM_KEYDOWN && (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE)) {
        ended_ = true;
        return;
    }
    if (ours && ::IsDialogMessageW(window_, &message)) return;  // Tab between list and button
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
}

void PreconditionCheckView::close() {
    ended_ = true;
    list_ = button_ = nullptr;
    owner_.close(window_);
}

LRESULT CALLBACK PreconditionCheckView::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<PreconditionCheckView*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<PreconditionCheckView*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return ::DefWindowProcW(window, message, wParam, lParam);
    return GuardedProcedure(window, message, wParam, lParam,
                            [&] { return self->handle(window, message, wParam, lParam); });
}

LRESULT PreconditionCheckView::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) ended_ = true;
        return 0;
    case WM_CLOSE:
        ended_ = true;
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
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
