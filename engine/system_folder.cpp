#include "engine/system_folder.h"

#include <algorithm>
#include <cctype>

namespace tolvane {

namespace {

bool SameLetters(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::string SysnativePath(std::string_view path, std::string_view windowsFolder) {
    constexpr std::string_view kSystem = "\\System32";
    if (windowsFolder.empty() || path.size() < windowsFolder.size() + kSystem.size()) return std::string(path);
    const std::string_view folder = path.substr(0, windowsFolder.size() + kSystem.size());
    if (!SameLetters(folder.substr(0, windowsFolder.size()), windowsFolder) ||
        !SameLetters(folder.substr(windowsFolder.size()), kSystem))
        return std::string(path);
    const std::string_view rest = path.substr(folder.size());
    if (!rest.empty() && rest.front() != '\\') return std::string(path);  // e.g. "System32x"
    return std::string(path.substr(0, windowsFolder.size())) + "\\Sysnative" + std::string(rest);
}

}  // namespace tolvane
