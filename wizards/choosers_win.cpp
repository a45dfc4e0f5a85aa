#include "wizards/choosers_win.h"

#include <commdlg.h>
#include <shlobj.h>

#include <string>
#include <string_view>

#include "core/texts.h"
#include "core/wide_text_win.h"
#include "ui/com_scope_win.h"

namespace tolvane {

namespace {

// Filter pairs are NUL separated and end with two NULs.
void AddFilter(std::wstring& filters, std::string_view description, std::string_view pattern) {
    filters.append(WideOfUtf8(description));
    filters.push_back(L'\0');
    filters.append(WideOfUtf8(pattern));
    filters.push_back(L'\0');
}

using OpenFileDialog = BOOL(WINAPI*)(OPENFILENAMEW*);

// The file dialogs' library is loaded the first time a dialog opens, not at
// start-up: loading it costs a start at logon tens of milliseconds before
// the tray icon for a dialog most runs never open. Taken by its full path in
// the system folder, never from the search path; kept for the program's life.
OpenFileDialog FileDialogFunction() {
    static const OpenFileDialog function = [] {
        wchar_t folder[MAX_PATH] = {};
        const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return OpenFileDialog{};
        const HMODULE library = ::LoadLibraryW((std::wstring(folder, length) + L"\\comdlg32.dll").c_str());
        if (!library) return OpenFileDialog{};
        return reinterpret_cast<OpenFileDialog>(reinterpret_cast<void*>(::GetProcAddress(library, "GetOpenFileNameW")));
    }();
    return function;
}

// Wide dialogs: a file whose name lies outside the code page comes back as
// it is, so the wizard can tell that it cannot be stored instead of taking a
// mangled name.
std::string ChooseFile(HWND owner, const std::wstring& filters) {
    wchar_t path[MAX_PATH] = {};
    const std::wstring title = WideOfUtf8(GetText(Text::FileDialogTitle));
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filters.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrTitle = title.c_str();
    dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    const OpenFileDialog open = FileDialogFunction();
    if (!open || !open(&dialog)) return {};
    return Utf8OfWide(path);
}

}  // namespace

std::string ChooseProgramFile(HWND owner) {
    std::wstring filters;
    AddFilter(filters, GetText(Text::FilterPrograms), "*.exe;*.bat");
    AddFilter(filters, GetText(Text::FilterAllFiles), "*.*");
    return ChooseFile(owner, filters);
}

std::string ChooseApplicationFile(HWND owner) {
    std::wstring filters;
    AddFilter(filters, GetText(Text::FilterPrograms), "*.exe;*.bat");
    return ChooseFile(owner, filters);
}

std::string ChooseAnyFile(HWND owner) {
    std::wstring filters;
    AddFilter(filters, GetText(Text::FilterAllFiles), "*.*");
    return ChooseFile(owner, filters);
}

std::string ChooseFolder(HWND owner) {
    const std::wstring title = WideOfUtf8(GetText(Text::FolderDialogTitle));
    wchar_t path[MAX_PATH] = {};
    BROWSEINFOW browse{};
    browse.hwndOwner = owner;
    browse.pszDisplayName = path;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    const ComScope com;
    LPITEMIDLIST chosen = ::SHBrowseForFolderW(&browse);
    if (!chosen) return {};
    const bool ok = ::SHGetPathFromIDListW(chosen, path) != FALSE;
    ::CoTaskMemFree(chosen);
    return ok ? Utf8OfWide(path) : std::string();
}

}  // namespace tolvane
