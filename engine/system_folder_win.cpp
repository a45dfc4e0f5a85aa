#include "engine/system_folder_win.h"

#include <windows.h>

#include "core/wide_text_win.h"
#include "engine/system_folder.h"

namespace tolvane {

namespace {

// The Windows folder when this process is redirected (WOW64); empty otherwise.
std::string RedirectedWindowsFolder() {
    BOOL wow64 = FALSE;
    if (!::IsWow64Process(::GetCurrentProcess(), &wow64) || !wow64) return {};
    wchar_t folder[MAX_PATH] = {};
    const UINT length = ::GetSystemWindowsDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    std::string windows = Utf8OfWide(std::wstring_view(folder, length));
    if (!windows.empty() && windows.back() == '\\') windows.pop_back();
    return windows;
}

}  // namespace

std::string PathAsTheUserSeesIt(std::string_view path) {
    static const std::string windowsFolder = RedirectedWindowsFolder();
    return windowsFolder.empty() ? std::string(path) : SysnativePath(path, windowsFolder);
}

}  // namespace tolvane
