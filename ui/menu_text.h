// Menu item texts hold the label, a tab and the shortcut text; the icon menu
// draws the two parts apart.
#pragma once

#include <string_view>

namespace tolvane {

struct MenuItemParts {
    std::string_view label;     // up to the first tab
    std::string_view shortcut;  // after the first tab, up to a second tab
};
MenuItemParts SplitMenuItemText(std::string_view text);

}  // namespace tolvane
