// The few file operations the entry store needs, so its rules can be tested
// natively. Paths are UTF-8 everywhere (UTF-16 only in the calls to Windows),
// so any user or folder name can be reached.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tolvane {

enum class FileState { Missing, Unreadable, Read };

struct FileRead {
    FileState state = FileState::Missing;
    std::string bytes;
    std::uint32_t error = 0;  // the system's error code when not read
};

// Outcome of a write: 0 for success, otherwise the system's error code
// (Win32 on Windows, errno natively), never 0 for a failure.
struct FileStatus {
    std::uint32_t error = 0;
    bool ok() const { return error == 0; }
};

class FileAccess {
public:
    virtual ~FileAccess() = default;
    virtual FileRead read(const std::string& path) = 0;
    // Writes the bytes to a new file beside `path` and then replaces `path`
    // with it in one step, so a crash leaves either the old or the new file.
    virtual FileStatus replaceAtomically(const std::string& path, std::string_view bytes) = 0;
    // Copies without overwriting an existing destination, through a
    // temporary name, so the destination is either whole or absent.
    virtual FileStatus copyNew(const std::string& from, const std::string& to) = 0;
    virtual bool exists(const std::string& path) = 0;
    // Adds the bytes at the end of the file, making it when it is missing.
    // Nothing is written when the file cannot be opened (locked, read-only).
    virtual FileStatus append(const std::string& path, std::string_view bytes) = 0;
    // Size in bytes; none when the file is missing or cannot be asked.
    virtual std::optional<std::uint64_t> size(const std::string& path) = 0;
    // Renames `from` to `to`, replacing a file of that name.
    virtual FileStatus moveReplacing(const std::string& from, const std::string& to) = 0;
};

// Plain files of the host system (POSIX natively, Win32 on Windows).
FileAccess& HostFiles();

}  // namespace tolvane
