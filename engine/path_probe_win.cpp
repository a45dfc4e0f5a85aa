#include <windows.h>

#include <string>

#include "core/unique_handle_win.h"
#include "core/wide_text_win.h"
#include "engine/path_probe.h"
#include "engine/system_folder_win.h"

namespace tolvane {

namespace {

// Paths of MAX_PATH characters or more are only reachable in the
// extended-length form, which takes no relative parts, so the path is made
// full first.
std::wstring SearchablePath(const std::wstring& path) {
    if (path.size() < MAX_PATH || path.rfind(L"\\\\?\\", 0) == 0) return path;
    const DWORD needed = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return path;
    std::wstring full(needed, L'\0');
    const DWORD length = ::GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed) return path;
    full.resize(length);
    if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

}  // namespace

PathKind ProbePath(std::string_view path) {
    if (path.empty()) return PathKind::Missing;
    if ((path.size() == 2 || path.size() == 3) && path[1] == ':') {
        const std::string root = std::string(path.substr(0, 2)) + "\\";
        const UINT type = ::GetDriveTypeW(WideOfUtf8(root).c_str());
        return type == DRIVE_UNKNOWN || type == DRIVE_NO_ROOT_DIR ? PathKind::Missing : PathKind::Directory;
    }
    std::string search = PathAsTheUserSeesIt(path);
    if (search.back() == '\\') search.pop_back();
    const std::wstring wide = SearchablePath(WideOfUtf8(search));
    WIN32_FIND_DATAW found{};
    DWORD attributes = INVALID_FILE_ATTRIBUTES;
    if (const UniqueFindHandle handle(::FindFirstFileW(wide.c_str(), &found)); handle) {
        attributes = found.dwFileAttributes;
    } else if (search.find_first_of("*?") == std::string::npos) {
        // A folder alias such as "Sysnative" is not listed in its parent, so
        // a search for it finds nothing although it can be opened.
        attributes = ::GetFileAttributesW(wide.c_str());
    }
    if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::Missing;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? PathKind::Directory : PathKind::File;
}

}  // namespace tolvane
