// The keyboard focus inside a wizard, edit dialog or sub-dialog: its
// controls in tab order and moving the focus by the rules of dialog_keys.h,
// so that it never rests on a hidden or disabled control. (Under Wine a key
// typed while it does sends the dialog manager's mnemonic search into an
// endless loop.)
#pragma once

#include <windows.h>

#include <vector>

namespace tolvane {

// Every tab stop under `frame`, in the order Tab visits them: children in
// creation order, the controls of a panel where the panel stands.
std::vector<HWND> TabStops(HWND frame);
// Inside `frame`, visible and enabled.
bool CanHoldFocus(HWND frame, HWND control);
bool IsPushButton(HWND control);

// Focuses the first field of what is shown, else `defaultButton`, else the
// first usable control; a text field gets its text selected.
void FocusFirstControl(HWND frame, HWND defaultButton);
// Moves the focus away from `lost` (hidden or disabled now) to its nearest
// usable neighbour in tab order.
void HandOffFocus(HWND frame, HWND lost);

}  // namespace tolvane
