#include "core/temporary_names.h"

#include <algorithm>

namespace tolvane {

namespace {

bool SameLetters(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
               return lower(x) == lower(y);
           });
}

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "bak", "bak2", "bak13": the backups' suffixes.
bool IsBackupSuffix(std::string_view text) {
    if (!SameLetters(text.substr(0, 3), "bak")) return false;
    text.remove_prefix(3);
    return text.empty() || AllDigits(text);
}

}  // namespace

std::string TemporaryNameBeside(const std::string& path, std::uint32_t processId) {
    return path + "." + std::to_string(processId) + ".tmp";
}

std::optional<std::uint32_t> TemporaryFileWriter(std::string_view fileName, std::string_view storeFileName) {
    constexpr std::string_view kEnd = ".tmp";
    if (fileName.size() <= storeFileName.size() + 1 + kEnd.size()) return std::nullopt;
    if (!SameLetters(fileName.substr(0, storeFileName.size()), storeFileName)) return std::nullopt;
    if (fileName[storeFileName.size()] != '.') return std::nullopt;
    if (!SameLetters(fileName.substr(fileName.size() - kEnd.size()), kEnd)) return std::nullopt;
    std::string_view middle = fileName.substr(storeFileName.size() + 1);
    middle.remove_suffix(kEnd.size());

    const std::size_t dot = middle.rfind('.');
    const std::string_view id = dot == std::string_view::npos ? middle : middle.substr(dot + 1);
    if (dot != std::string_view::npos && !IsBackupSuffix(middle.substr(0, dot))) return std::nullopt;
    if (!AllDigits(id) || id.size() > 10) return std::nullopt;
    const std::uint64_t value = std::stoull(std::string(id));
    if (value > 0xFFFFFFFFu) return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

}  // namespace tolvane
