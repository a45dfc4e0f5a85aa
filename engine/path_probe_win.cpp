#include <windows.h>

#include <string>

#include "core/unique_handle_win.h"
#include "engine/path_probe.h"

namespace tolvane {

PathKind ProbePath(std::string_view path) {
    if (path.empty()) return PathKind::Missing;
    if ((path.size() == 2 || path.size() == 3) && path[1] == ':') {
        const std::string root = std::string(path.substr(0, 2)) + "\\";
        const UINT type = ::GetDriveTypeA(root.c_str());
        return type == DRIVE_UNKNOWN || type == DRIVE_NO_ROOT_DIR ? PathKind::Missing : PathKind::Directory;
    }
    std::string search(path);
    if (search.back() == '\\') search.pop_back();
    WIN32_FIND_DATAA found{};
    const UniqueFindHandle handle(::FindFirstFileA(search.c_str(), &found));
    if (!handle) return PathKind::Missing;
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? PathKind::Directory : PathKind::File;
}

}  // namespace tolvane
