// Keyboard rules of the wizards, edit dialogs and sub-dialogs, free of
// windows: which control takes the focus, where it goes when its control
// can no longer hold it, and what Enter does.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace tolvane {

// One control of a window, in tab order.
struct FocusCandidate {
    bool field = false;   // takes input (text, check box, option, list); false for a push button
    bool usable = false;  // a tab stop that is visible and enabled
};

// The control a newly shown window or page focuses: its first usable field;
// a page without one focuses its default button (a user's Enter goes on),
// else its first usable control. None when nothing is usable.
std::optional<std::size_t> InitialFocus(const std::vector<FocusCandidate>& controls,
                                        std::optional<std::size_t> defaultButton);

// Where the focus goes when control `lost` became hidden or disabled while
// it held it: the nearest usable control before it, as Shift+Tab would, else
// the first usable one after it.
std::optional<std::size_t> FocusHandoff(const std::vector<FocusCandidate>& controls, std::size_t lost);

enum class EnterAction {
    LeaveToControl,  // the focused control wants Enter itself (an open drop-down list)
    PressFocused,    // a focused push button is pressed, as Windows does
    PressDefault,
    Nothing,         // the default button is disabled: Enter does nothing
};
EnterAction DecideEnter(bool controlWantsEnter, bool focusIsPushButton, bool defaultUsable);

}  // namespace tolvane
