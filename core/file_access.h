// The few file operations the entry store needs, so its rules can be tested
// natively. Paths are Windows-1252 (ANSI) texts on Windows.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolvane {

enum class FileState { Missing, Unreadable, Read };

struct FileRead {
    FileState state = FileState::Missing;
    std::string bytes;
};

class FileAccess {
public:
    virtual ~FileAccess() = default;
    virtual FileRead read(const std::string& path) = 0;
    // Writes the bytes to a new file beside `path` and then replaces `path`
    // with it in one step, so a crash leaves either the old or the new file.
    virtual bool replaceAtomically(const std::string& path, std::string_view bytes) = 0;
    // Copies without overwriting an existing destination.
    virtual bool copyNew(const std::string& from, const std::string& to) = 0;
    virtual bool exists(const std::string& path) = 0;
};

// Plain files of the host system (POSIX natively, Win32 on Windows).
FileAccess& HostFiles();

}  // namespace tolvane
