// Window-free rules of the main window and shell: edge snapping, the split
// of a menu item text into label and shortcut, the row icon's extension.
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

struct SnapRect {
    int x, y, width, height;
    bool operator==(const SnapRect&) const = default;
};
struct WorkArea {
    int left, top, right, bottom;
};

inline constexpr int kSnapDistance = 10;

// Adjusts a proposed top-level window position against the work area. Size
// never changes. Within 10 pixels of an edge from inside: onto the edge;
// already past an edge: a further 10 pixels out.
SnapRect SnapToWorkArea(SnapRect proposed, const WorkArea& area);

// What the system proposes for a top-level window's place.
struct PlacementChange {
    bool moves = false;         // the position changes at all
    bool minimised = false;
    bool maximised = false;     // maximised now, or being maximised or restored to it
    bool stateChanges = false;  // the change into or out of those states
};
// Snapping follows the user's moves only: the places the system picks for
// a minimised or maximised window, and their changes, stay as they are.
bool SnapsPlacement(const PlacementChange& change);

struct MenuItemParts {
    std::string_view label;     // up to the first tab
    std::string_view shortcut;  // after the first tab, up to a second tab
};
MenuItemParts SplitMenuItemText(std::string_view text);

// Upper-cased text after the last '.' that no '\' or '/' follows; empty
// when there is none.
std::string UpperExtension(std::string_view path);

// What a row's icon depends on: a program's own path, or a document's
// file type (every ".txt" shows the same icon). Rows with the same key share
// one icon.
std::string RowIconKey(std::string_view targetPath);

// Folder of a file path, up to and including its last '\' or '/'.
std::string FolderOfPath(std::string_view path);

}  // namespace tolvane
