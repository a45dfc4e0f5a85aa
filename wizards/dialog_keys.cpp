#include "wizards/dialog_keys.h"

namespace tolvane {

std::optional<std::size_t> InitialFocus(const std::vector<FocusCandidate>& controls,
                                        std::optional<std::size_t> defaultButton) {
    for (std::size_t index = 0; index < controls.size(); ++index) {
        if (controls[index].field && controls[index].usable) return index;
    }
    if (defaultButton && *defaultButton < controls.size() && controls[*defaultButton].usable) return defaultButton;
    for (std::size_t index = 0; index < controls.size(); ++index) {
        if (controls[index].usable) return index;
    }
    return std::nullopt;
}

std::optional<std::size_t> FocusHandoff(const std::vector<FocusCandidate>& controls, std::size_t lost) {
    for (std::size_t index = lost < controls.size() ? lost : controls.size(); index > 0; --index) {
        if (controls[index - 1].usable) return index - 1;
    }
    for (std::size_t index = lost + 1; index < controls.size(); ++index) {
        if (controls[index].usable) return index;
    }
    return std::nullopt;
}

EnterAction DecideEnter(bool controlWantsEnter, bool focusIsPushButton, bool defaultUsable) {
    if (controlWantsEnter) return EnterAction::LeaveToControl;
    if (focusIsPushButton) return EnterAction::PressFocused;
    return defaultUsable ? EnterAction::PressDefault : EnterAction::Nothing;
}

}  // namespace tolvane
