#include <windows.h>
#include <shlobj.h>

#include "core/app_win.h"
#include "core/wide_text_win.h"

namespace tolvane {

std::string StoreFilePath() {
    LPITEMIDLIST items = nullptr;
    if (FAILED(::SHGetSpecialFolderLocation(nullptr, CSIDL_PROFILE, &items)) || !items) return {};
    // Wide: a profile folder such as C:\Users\Łukasz has no ANSI name.
    wchar_t folder[MAX_PATH] = {};
    const BOOL found = ::SHGetPathFromIDListW(items, folder);
    ::CoTaskMemFree(items);
    if (!found || folder[0] == L'\0') return {};
    std::string path = Utf8OfWide(folder);
    if (path.back() != '\\') path += '\\';
    return path + kStoreFileName;
}

}  // namespace tolvane
