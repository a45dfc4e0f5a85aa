#include "wizards/wizard_frame_win.h"

#include "core/texts.h"
#include "ui/device_context_win.h"
#include "ui/dpi_win.h"
#include "ui/guarded_procedure_win.h"
#include "ui/modal_window_win.h"
#include "wizards/dialog_focus_win.h"
#include "wizards/dialog_keys.h"

namespace tolvane {

namespace {

constexpr wchar_t kFrameClass[] = L"TolvaneWizardFrame";
constexpr wchar_t kPanelClass[] = L"TolvaneWizardPanel";
constexpr DWORD kFrameStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kFrameExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

void PaintBand(HDC dc, const WizardBand& band) {
    if (HBITMAP banner = band.images->banner()) {
        const MemoryDc memory(dc);
        const Selection drawing(memory.get(), banner);
        // Stretched to the display's size (at 96 DPI a plain copy); a narrow
        // panel clips it, showing its left part.
        ::SetStretchBltMode(dc, COLORONCOLOR);
        ::StretchBlt(dc, 0, 0, Scale(kBannerWidth), Scale(kBannerHeight), memory.get(), 0, 0, kBannerWidth,
                     kBannerHeight, SRCCOPY);
    }
    for (const BandIcon& icon : band.icons) {
        if (HICON image = band.images->icon(icon.slot))
            ::DrawIconEx(dc, Scale(icon.x), Scale(4), image, Scale(16), Scale(16), 0, nullptr, DI_NORMAL);
    }
}

LRESULT CALLBACK PanelProcedure(HWND panel, UINT message, WPARAM wParam, LPARAM lParam);

void RegisterPanelClass(HINSTANCE instance) {
    WNDCLASSW type{};
    if (::GetClassInfoW(instance, kPanelClass, &type)) return;
    type.hInstance = instance;
    type.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    type.lpfnWndProc = &PanelProcedure;
    type.lpszClassName = kPanelClass;
    ::RegisterClassW(&type);
}

}  // namespace

namespace {

// Panels paint their band and pass control events up to the frame.
LRESULT HandlePanel(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
        return ::SendMessageW(::GetAncestor(panel, GA_ROOT), message, wParam, lParam);
    case WM_PAINT: {
        const PaintDc painting(panel);
        if (auto* band = reinterpret_cast<const WizardBand*>(::GetWindowLongPtrW(panel, GWLP_USERDATA)))
            PaintBand(painting.get(), *band);
        return 0;
    }
    default:
        return ::DefWindowProcW(panel, message, wParam, lParam);
    }
}

LRESULT CALLBACK PanelProcedure(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedProcedure(panel, message, wParam, lParam, [&] { return HandlePanel(panel, message, wParam, lParam); });
}

}  // namespace

bool WizardFrame::create(HWND owner, std::string_view title, int width, int height) {
    RegisterPanelClass(::GetModuleHandleW(nullptr));
    return createWindow(owner, kFrameClass, title, width, height, kFrameStyle, kFrameExStyle);
}

HWND WizardFrame::addPanel(const ImageSet& images, int x, int y, int width, int height, std::vector<BandIcon> icons) {
    bands_.push_back(std::make_unique<WizardBand>(WizardBand{&images, std::move(icons)}));
    const RECT place = ScaleRect(x, y, width, height);
    HWND panel = ::CreateWindowExW(WS_EX_CONTROLPARENT, kPanelClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                                   place.left, place.top, place.right - place.left, place.bottom - place.top,
                                   window(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
    if (panel) ::SetWindowLongPtrW(panel, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(bands_.back().get()));
    return panel;
}

void WizardFrame::show() {
    ::ShowWindow(window(), SW_SHOW);
    ::SetForegroundWindow(window());
    focusFirst();
}

HWND WizardFrame::defaultControl() const {
    return defaultButton ? FindControl(window(), defaultButton()) : nullptr;
}

void WizardFrame::focusFirst() {
    if (window() && ::IsWindowVisible(window())) FocusFirstControl(window(), defaultControl());
}

// Keys for this window reach the dialog manager only while the focus is on
// a control that can hold it, and Enter presses the default button (the
// dialog manager finds no default in controls that sit on panels).
bool WizardFrame::takeKey(MSG& message) {
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
    if (message.hwnd != window() && !::IsChild(window(), message.hwnd)) return false;
    if (!CanHoldFocus(window(), ::GetFocus())) focusFirst();
    HWND focus = ::GetFocus();
    if (!CanHoldFocus(window(), focus)) return true;  // nothing to type into
    message.hwnd = focus;  // where the key would have gone had the focus been there
    if (message.message != WM_KEYDOWN || message.wParam != VK_RETURN) return false;
    const LRESULT code = ::SendMessageW(focus, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message));
    HWND fallback = defaultControl();
    const bool defaultUsable = fallback && ::IsWindowVisible(fallback) && ::IsWindowEnabled(fallback);
    switch (DecideEnter((code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) != 0,
                        (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0, defaultUsable)) {
    case EnterAction::LeaveToControl: return false;
    case EnterAction::PressFocused: pressButton(focus); return true;
    case EnterAction::PressDefault: pressButton(fallback); return true;
    case EnterAction::Nothing: return true;
    }
    return true;
}

void WizardFrame::pressButton(HWND button) {
    ::SendMessageW(window(), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(button), BN_CLICKED),
                   reinterpret_cast<LPARAM>(button));
}

LRESULT WizardFrame::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        // Escape comes from the dialog keys as a cancel without a control:
        // it ends the window like its close box.
        if (lParam == 0 && LOWORD(wParam) == IDCANCEL) {
            end();
        } else if (lParam != 0 && onCommand) {
            HWND focus = ::GetFocus();
            const bool held = CanHoldFocus(window(), focus);
            if (held) lastFocus_ = focus;  // a sub-dialog opened here takes the focus away
            onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            // A control that disabled or hid itself ("Entfernen") hands the
            // focus on instead of leaving the window without one.
            HWND self = window();
            if (held && self && !ended() && ::GetActiveWindow() == self && !CanHoldFocus(self, ::GetFocus()))
                HandOffFocus(self, focus);
        }
        return 0;
    case WM_ACTIVATE:
        // As a dialog does: the focus comes back to where it was, say after a
        // sub-dialog or a message box, instead of resting on the window itself.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = ::GetFocus();
            if (focus && ::IsChild(window(), focus)) lastFocus_ = focus;
        } else if (!HIWORD(wParam)) {
            if (CanHoldFocus(window(), lastFocus_)) {
                ::SetFocus(lastFocus_);
            } else {
                focusFirst();
            }
        }
        return 0;
    case WM_NOTIFY:
        if (onNotify && lParam != 0) onNotify(*reinterpret_cast<const NMHDR*>(lParam));
        return 0;
    default:
        return ModalWindow::handle(message, wParam, lParam);
    }
}

HWND AddStepTitle(HWND page, const ImageSet& images, int step) {
    const std::string title = std::string(GetText(Text::StepWord)) + " " + std::to_string(step) + ":";
    HWND label = AddLabel(page, title, 20, 40, 80, 16);
    if (images.headingFont()) {
        ::SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(images.headingFont()), FALSE);
    }
    return label;
}

}  // namespace tolvane
