#include "ui/autostart_shortcut_win.h"

#include <windows.h>
#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <vector>

#include "core/texts.h"
#include "core/wide_text_win.h"
#include "ui/com_scope_win.h"
#include "ui/shell_rules.h"

namespace tolvane {

namespace {

std::string ShellFolderPath(int id) {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathW(nullptr, id, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
    return Utf8OfWide(path);
}

bool FileExists(const std::string& path) {
    return ::GetFileAttributesW(WideOfUtf8(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string Utf8Field(const wchar_t* text) { return Utf8OfWide(text); }

// The target as its item list names it: Wine's GetPath answers with the
// code-page form of a path outside it ("C:\Lódz-??"), the item list keeps
// the real name.
std::string LinkTarget(IShellLinkW& link) {
    wchar_t path[MAX_PATH] = {};
    LPITEMIDLIST items = nullptr;
    if (SUCCEEDED(link.GetIDList(&items)) && items) {
        const BOOL found = ::SHGetPathFromIDListW(items, path);
        ::CoTaskMemFree(items);
        if (found && path[0] != L'\0') return Utf8OfWide(path);
    }
    path[0] = L'\0';
    link.GetPath(path, MAX_PATH, nullptr, 0);
    return Utf8OfWide(path);
}

}  // namespace

// Wide throughout: the program's own folder may have a name outside the code
// page, and an ANSI link would point at a path that does not exist.
bool CreateShellLink(const ShellLinkFields& fields, const std::string& linkPath) {
    const std::string iconFile = fields.iconFile == "|" ? fields.target : fields.iconFile;
    const std::string directory =
        fields.workingDirectory.empty() ? FolderOfPath(fields.target) : fields.workingDirectory;
    ComScope com;
    IShellLinkW* link = nullptr;
    // __uuidof compiles the three ids in; their library would add 40 KB to the exe.
    if (FAILED(::CoCreateInstance(__uuidof(ShellLink), nullptr, CLSCTX_INPROC_SERVER, __uuidof(IShellLinkW),
                                  reinterpret_cast<void**>(&link))))
        return false;
    link->SetPath(WideOfUtf8(fields.target).c_str());
    link->SetArguments(WideOfUtf8(fields.arguments).c_str());
    link->SetWorkingDirectory(WideOfUtf8(directory).c_str());
    link->SetDescription(WideOfUtf8(fields.description).c_str());
    link->SetShowCmd(fields.showCommand);
    link->SetHotkey(fields.hotkey);
    link->SetIconLocation(WideOfUtf8(iconFile).c_str(), fields.iconIndex);
    bool saved = false;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(__uuidof(IPersistFile), reinterpret_cast<void**>(&file)))) {
        saved = SUCCEEDED(file->Save(WideOfUtf8(linkPath).c_str(), TRUE)) && FileExists(linkPath);
        file->Release();
    }
    link->Release();
    return saved;
}

bool ReadShellLink(const std::string& linkPath, ShellLinkFields& fields) {
    ComScope com;
    IShellLinkW* link = nullptr;
    if (FAILED(::CoCreateInstance(__uuidof(ShellLink), nullptr, CLSCTX_INPROC_SERVER, __uuidof(IShellLinkW),
                                  reinterpret_cast<void**>(&link))))
        return false;
    bool loaded = false;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(__uuidof(IPersistFile), reinterpret_cast<void**>(&file)))) {
        if (SUCCEEDED(file->Load(WideOfUtf8(linkPath).c_str(), STGM_READ))) {
            constexpr int kSize = 1024;
            wchar_t text[kSize] = {};
            fields.target = LinkTarget(*link);
            text[0] = L'\0';
            link->GetArguments(text, kSize);
            fields.arguments = Utf8Field(text);
            text[0] = L'\0';
            link->GetWorkingDirectory(text, kSize);
            fields.workingDirectory = Utf8Field(text);
            text[0] = L'\0';
            link->GetDescription(text, kSize);
            fields.description = Utf8Field(text);
            int show = 0;
            link->GetShowCmd(&show);
            fields.showCommand = show;
            WORD hotkey = 0;
            link->GetHotkey(&hotkey);
            fields.hotkey = hotkey;
            int index = 0;
            text[0] = L'\0';
            link->GetIconLocation(text, kSize, &index);
            fields.iconFile = Utf8Field(text);
            fields.iconIndex = index;
            loaded = true;
        }
        file->Release();
    }
    link->Release();
    return loaded;
}

StartupFolders ResolveStartupFolders() { return {ShellFolderPath(CSIDL_COMMON_STARTUP), ShellFolderPath(CSIDL_STARTUP)}; }

std::string WriteAutostartShortcut(const StartupFolders& folders, const std::string& programPath) {
    ShellLinkFields fields;
    fields.target = programPath;
    fields.arguments = "-h";
    fields.description =
        std::string(fixed_text::kShortcutDescriptionPrefix) + std::string(GetText(Text::ProgramDescription));
    const std::string fileName(fixed_text::kShortcutFileName);
    const std::string common = folders.common.empty() ? std::string() : folders.common + fileName;
    const std::string user = folders.user.empty() ? std::string() : folders.user + fileName;
    // Two links would start Tolvane twice at logon: keep exactly one.
    if (!common.empty() && CreateShellLink(fields, common)) {
        if (!user.empty() && user != common) ::DeleteFileW(WideOfUtf8(user).c_str());
        return common;
    }
    if (!user.empty() && CreateShellLink(fields, user)) {
        if (!common.empty() && common != user) ::DeleteFileW(WideOfUtf8(common).c_str());
        return user;
    }
    return {};
}

std::string RemoveAutostartShortcut(const StartupFolders& folders) {
    const std::string fileName(fixed_text::kShortcutFileName);
    for (const std::string& folder : {folders.user, folders.common}) {
        if (folder.empty()) continue;
        const std::wstring link = WideOfUtf8(folder + fileName);
        if (!::DeleteFileW(link.c_str()) && ::GetFileAttributesW(link.c_str()) != INVALID_FILE_ATTRIBUTES)
            return folder + fileName;
    }
    return {};
}

}  // namespace tolvane
