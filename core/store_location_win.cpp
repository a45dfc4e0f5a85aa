#include <windows.h>
#include <shlobj.h>

#include "core/app_win.h"

namespace tolvane {

std::string StoreFilePath() {
    LPITEMIDLIST items = nullptr;
    if (FAILED(::SHGetSpecialFolderLocation(nullptr, CSIDL_PROFILE, &items)) || !items) return {};
    char folder[MAX_PATH] = {};
    const BOOL found = ::SHGetPathFromIDListA(items, folder);
    ::CoTaskMemFree(items);
    if (!found || folder[0] == '\0') return {};
    std::string path = folder;
    if (path.back() != '\\') path += '\\';
    return path + kStoreFileName;
}

}  // namespace tolvane
