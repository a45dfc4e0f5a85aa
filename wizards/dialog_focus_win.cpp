#include "wizards/dialog_focus_win.h"

#include <algorithm>

#include "wizards/dialog_keys.h"

namespace tolvane {

namespace {

void CollectTabStops(HWND parent, std::vector<HWND>& stops) {
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (::GetWindowLongW(child, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) {
            CollectTabStops(child, stops);
        } else if (::GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP) {
            stops.push_back(child);
        }
    }
}

std::vector<FocusCandidate> Candidates(HWND frame, const std::vector<HWND>& stops) {
    std::vector<FocusCandidate> candidates;
    for (HWND control : stops) candidates.push_back(FocusCandidate{!IsPushButton(control), CanHoldFocus(frame, control)});
    return candidates;
}

void Focus(HWND control) {
    ::SetFocus(control);
    // As Tab does: a text field taken by the keyboard has its text selected.
    if (::SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) ::SendMessageW(control, EM_SETSEL, 0, -1);
}

}  // namespace

std::vector<HWND> TabStops(HWND frame) {
    std::vector<HWND> stops;
    CollectTabStops(frame, stops);
    return stops;
}

bool CanHoldFocus(HWND frame, HWND control) {
    return control && ::IsChild(frame, control) && ::IsWindowVisible(control) && ::IsWindowEnabled(control);
}

bool IsPushButton(HWND control) {
    return (::SendMessageW(control, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

void FocusFirstControl(HWND frame, HWND defaultButton) {
    const std::vector<HWND> stops = TabStops(frame);
    std::optional<std::size_t> fallback;
    if (const auto found = std::find(stops.begin(), stops.end(), defaultButton); found != stops.end()) {
        fallback = static_cast<std::size_t>(found - stops.begin());
    }
    if (const auto chosen = InitialFocus(Candidates(frame, stops), fallback)) Focus(stops[*chosen]);
}

void HandOffFocus(HWND frame, HWND lost) {
    const std::vector<HWND> stops = TabStops(frame);
    const auto found = std::find(stops.begin(), stops.end(), lost);
    if (found == stops.end()) return;
    if (const auto chosen = FocusHandoff(Candidates(frame, stops), static_cast<std::size_t>(found - stops.begin()))) {
        Focus(stops[*chosen]);
    }
}

}  // namespace tolvane
