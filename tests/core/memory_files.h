// Files in memory for the store and history tests.
#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "core/file_access.h"

namespace tolvane {

// Files in memory, with the failures a real disk can have. Error codes are
// Windows' (the program passes them on to the user's message unchanged).
class MemoryFiles final : public FileAccess {
public:
    std::map<std::string, std::string> files;
    std::map<std::string, std::uint32_t> locked;  // exist but cannot be opened: path -> error
    std::set<std::string> heldWithoutSharing;     // can be read by no one, replaced by no one
    std::set<std::string> directories;
    std::set<std::string> readOnly;
    std::set<std::string> heldOpen;               // open elsewhere: cannot be replaced by a rename
    bool folderReadOnly = false;
    std::size_t freeBytes = SIZE_MAX;  // also what an append writes before the disk is full
    int replaceCount = 0;

    FileRead read(const std::string& path) override {
        if (auto it = locked.find(path); it != locked.end()) return {FileState::Unreadable, {}, it->second};
        if (heldWithoutSharing.count(path)) return {FileState::Unreadable, {}, 32};
        auto it = files.find(path);
        if (it == files.end()) return {FileState::Missing, {}};
        return {FileState::Read, it->second};
    }
    FileStatus replaceAtomically(const std::string& path, std::string_view bytes) override {
        ++replaceCount;
        if (folderReadOnly) return {5};          // the temporary file cannot be created
        if (bytes.size() > freeBytes) return {112};  // the disk is full
        if (directories.count(path) || readOnly.count(path)) return {5};
        if (heldWithoutSharing.count(path) || locked.count(path)) return {32};
        files[path] = std::string(bytes);
        return {};
    }
    FileStatus copyNew(const std::string& from, const std::string& to) override {
        if (auto it = locked.find(from); it != locked.end()) return {it->second};
        if (heldWithoutSharing.count(from)) return {32};
        if (files.count(to)) return {80};
        if (!files.count(from)) return {2};
        if (files[from].size() > freeBytes) return {112};
        files[to] = files[from];
        return {};
    }
    bool exists(const std::string& path) override {
        return files.count(path) || locked.count(path) || directories.count(path);
    }
    FileStatus append(const std::string& path, std::string_view bytes) override {
        if (locked.count(path) || heldWithoutSharing.count(path)) return {32};
        // A full disk takes the bytes that still fit and fails the rest.
        const std::size_t fits = std::min(bytes.size(), freeBytes);
        files[path] += bytes.substr(0, fits);
        if (freeBytes != SIZE_MAX) freeBytes -= fits;
        return fits < bytes.size() ? FileStatus{112} : FileStatus{};
    }
    std::optional<std::uint64_t> size(const std::string& path) override {
        const auto it = files.find(path);
        if (it == files.end()) return std::nullopt;
        return it->second.size();
    }
    FileStatus moveReplacing(const std::string& from, const std::string& to) override {
        const auto it = files.find(from);
        if (it == files.end()) return {2};
        if (heldOpen.count(to) || heldOpen.count(from)) return {32};
        files[to] = std::move(it->second);
        files.erase(from);
        return {};
    }
};

}  // namespace tolvane
