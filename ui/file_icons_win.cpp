#include "ui/file_icons_win.h"

#include <shellapi.h>

#include "core/wide_text_win.h"
#include "ui/shell_rules.h"

namespace tolvane {

namespace {

HICON FallbackIcon() { return ::ExtractIconW(::GetModuleHandleW(nullptr), L"shell32.dll", 2); }

// ExtractIconW reports "not an executable" as the value 1, not NULL.
bool IsIcon(HICON icon) { return icon && icon != reinterpret_cast<HICON>(1); }

}  // namespace

HICON FileTypeIcon(const std::string& extension) {
    std::string name = "." + extension;
    for (char& c : name)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    SHFILEINFOW info{};
    if (::SHGetFileInfoW(WideOfUtf8(name).c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                         SHGFI_ICON | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES) &&
        info.hIcon)
        return info.hIcon;
    return FallbackIcon();
}

HICON IconForRow(const std::string& targetPath) {
    const std::string extension = UpperExtension(targetPath);
    if (extension != "EXE") return FileTypeIcon(extension);
    HICON own = ::ExtractIconW(::GetModuleHandleW(nullptr), WideOfUtf8(targetPath).c_str(), 0);
    if (IsIcon(own)) return own;
    return FallbackIcon();
}

}  // namespace tolvane
