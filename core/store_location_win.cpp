#include <windows.h>
#include <shlobj.h>

#include "core/store_location_win.h"
#include "core/entry_store.h"
#include "core/wide_text_win.h"

namespace tolvane {

namespace {

// Wide: a profile folder such as C:\Users\Łukasz has no ANSI name. The
// folder's path is asked for directly; Wine's item list of such a folder
// does not turn back into its path.
std::wstring ProfileFolder() {
    wchar_t folder[MAX_PATH] = {};
    if (SUCCEEDED(::SHGetFolderPathW(nullptr, CSIDL_PROFILE, nullptr, SHGFP_TYPE_CURRENT, folder)) && folder[0])
        return folder;
    LPITEMIDLIST items = nullptr;
    if (FAILED(::SHGetSpecialFolderLocation(nullptr, CSIDL_PROFILE, &items)) || !items) return {};
    const BOOL found = ::SHGetPathFromIDListW(items, folder);
    ::CoTaskMemFree(items);
    return found ? folder : L"";
}

}  // namespace

std::string StoreFilePath() {
    const std::wstring folder = ProfileFolder();
    if (folder.empty()) return {};
    std::string path = Utf8OfWide(folder);
    if (path.back() != '\\') path += '\\';
    return path + kStoreFileName;
}

}  // namespace tolvane
