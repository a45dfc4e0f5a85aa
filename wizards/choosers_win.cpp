#include "wizards/choosers_win.h"

#include <commdlg.h>
#include <shlobj.h>

#include <string_view>

#include "core/texts.h"
#include "ui/com_scope_win.h"

namespace tolvane {

namespace {

// Filter pairs are NUL separated and end with two NULs.
void AddFilter(std::string& filters, std::string_view description, std::string_view pattern) {
    filters.append(description);
    filters.push_back('\0');
    filters.append(pattern);
    filters.push_back('\0');
}

std::string ChooseFile(HWND owner, const std::string& filters) {
    char path[MAX_PATH] = {};
    const std::string title(GetText(Text::FileDialogTitle));
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filters.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrTitle = title.c_str();
    dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!::GetOpenFileNameA(&dialog)) return {};
    return path;
}

}  // namespace

std::string ChooseProgramFile(HWND owner) {
    std::string filters;
    AddFilter(filters, GetText(Text::FilterPrograms), "*.exe;*.bat");
    AddFilter(filters, GetText(Text::FilterAllFiles), "*.*");
    return ChooseFile(owner, filters);
}

std::string ChooseApplicationFile(HWND owner) {
    std::string filters;
    AddFilter(filters, GetText(Text::FilterPrograms), "*.exe;*.bat");
    return ChooseFile(owner, filters);
}

std::string ChooseAnyFile(HWND owner) {
    std::string filters;
    AddFilter(filters, GetText(Text::FilterAllFiles), "*.*");
    return ChooseFile(owner, filters);
}

std::string ChooseFolder(HWND owner) {
    const std::string title(GetText(Text::FolderDialogTitle));
    char path[MAX_PATH] = {};
    BROWSEINFOA browse{};
    browse.hwndOwner = owner;
    browse.pszDisplayName = path;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    const ComScope com;
    LPITEMIDLIST chosen = ::SHBrowseForFolderA(&browse);
    if (!chosen) return {};
    const bool ok = ::SHGetPathFromIDListA(chosen, path) != FALSE;
    ::CoTaskMemFree(chosen);
    return ok ? std::string(path) : std::string();
}

}  // namespace tolvane
