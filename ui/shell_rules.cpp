#include "ui/shell_rules.h"

#include "core/path_text.h"

#include <cctype>

namespace tolvane {

SnapRect SnapToWorkArea(SnapRect r, const WorkArea& a) {
    if (r.x < 0) r.x -= kSnapDistance;
    if (r.x + r.width > a.right) r.x += kSnapDistance;
    if (r.y < 0) r.y -= kSnapDistance;
    if (r.y + r.height > a.bottom) r.y += kSnapDistance;
    if (r.x >= 0 && r.x <= a.left + kSnapDistance) r.x = a.left;
    if (r.x + r.width >= a.right - kSnapDistance && r.x + r.width <= a.right) r.x = a.right - r.width;
    if (r.y >= 0 && r.y <= a.top + kSnapDistance) r.y = a.top;
    if (r.y + r.height >= a.bottom - kSnapDistance && r.y + r.height <= a.bottom) r.y = a.bottom - r.height;
    return r;
}

bool SnapsPlacement(const PlacementChange& change) {
    return change.moves && !change.minimised && !change.maximised && !change.stateChanges;
}

MenuItemParts SplitMenuItemText(std::string_view text) {
    const auto tab = text.find('\t');
    if (tab == std::string_view::npos) return {text, {}};
    std::string_view rest = text.substr(tab + 1);
    const auto second = rest.find('\t');
    if (second != std::string_view::npos) rest = rest.substr(0, second);
    return {text.substr(0, tab), rest};
}

std::string UpperExtension(std::string_view path) {
    std::string result(ExtensionOf(path));
    // Only ASCII letters change; every other character stays as it is.
    for (char& c : result)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return result;
}

std::string RowIconKey(std::string_view targetPath) {
    const std::string extension = UpperExtension(targetPath);
    if (extension == "EXE") return "exe:" + std::string(targetPath);
    return "type:" + extension;
}

std::string FolderOfPath(std::string_view path) {
    const auto slash = path.find_last_of("\\/");
    if (slash == std::string_view::npos) return {};
    return std::string(path.substr(0, slash + 1));
}

}  // namespace tolvane
