#include "ui/autostart_shortcut_win.h"

#include <windows.h>
#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <vector>

#include "core/texts.h"
#include "ui/com_scope_win.h"
#include "ui/shell_rules.h"

namespace tolvane {

namespace {

std::wstring Wide(const std::string& text) {
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(length > 0 ? length : 1, L'\0');
    if (length > 0) ::MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    return wide;
}

std::string ShellFolderPath(int id) {
    char path[MAX_PATH] = {};
    if (FAILED(::SHGetFolderPathA(nullptr, id, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
    return path;
}

bool FileExists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

bool CreateShellLink(const ShellLinkFields& fields, const std::string& linkPath) {
    const std::string iconFile = fields.iconFile == "|" ? fields.target : fields.iconFile;
    const std::string directory =
        fields.workingDirectory.empty() ? FolderOfPath(fields.target) : fields.workingDirectory;
    ComScope com;
    IShellLinkA* link = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(&link))))
        return false;
    link->SetPath(fields.target.c_str());
    link->SetArguments(fields.arguments.c_str());
    link->SetWorkingDirectory(directory.c_str());
    link->SetDescription(fields.description.c_str());
    link->SetShowCmd(fields.showCommand);
    link->SetHotkey(fields.hotkey);
    link->SetIconLocation(iconFile.c_str(), fields.iconIndex);
    bool saved = false;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        saved = SUCCEEDED(file->Save(Wide(linkPath).c_str(), TRUE)) && FileExists(linkPath);
        file->Release();
    }
    link->Release();
    return saved;
}

bool ReadShellLink(const std::string& linkPath, ShellLinkFields& fields) {
    ComScope com;
    IShellLinkA* link = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(&link))))
        return false;
    bool loaded = false;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        if (SUCCEEDED(file->Load(Wide(linkPath).c_str(), STGM_READ))) {
            char text[1024] = {};
            link->GetPath(text, sizeof text, nullptr, 0);
            fields.target = text;
            link->GetArguments(text, sizeof text);
            fields.arguments = text;
            link->GetWorkingDirectory(text, sizeof text);
            fields.workingDirectory = text;
            link->GetDescription(text, sizeof text);
            fields.description = text;
            int show = 0;
            link->GetShowCmd(&show);
            fields.showCommand = show;
            WORD hotkey = 0;
            link->GetHotkey(&hotkey);
            fields.hotkey = hotkey;
            int index = 0;
            link->GetIconLocation(text, sizeof text, &index);
            fields.iconFile = text;
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
        if (!user.empty() && user != common) ::DeleteFileA(user.c_str());
        return common;
    }
    if (!user.empty() && CreateShellLink(fields, user)) {
        if (!common.empty() && common != user) ::DeleteFileA(common.c_str());
        return user;
    }
    return {};
}

}  // namespace tolvane
