#include "ui/menu_text.h"

namespace tolvane {

MenuItemParts SplitMenuItemText(std::string_view text) {
    const auto tab = text.find('\t');
    if (tab == std::string_view::npos) return {text, {}};
    std::string_view rest = text.substr(tab + 1);
    const auto second = rest.find('\t');
    if (second != std::string_view::npos) rest = rest.substr(0, second);
    return {text.substr(0, tab), rest};
}

}  // namespace tolvane
