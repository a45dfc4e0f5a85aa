// The start history: one UTF-8 text file beside the store, one line per
// event with the local date and time. Lines are gathered while the program
// works and written afterwards in one go, so writing never delays a start.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>

#include "core/file_access.h"

namespace tolvane {

inline constexpr const char* kHistoryFileName = "tolvane.log";
// Past this the file becomes "<name>.1" (an older one is replaced).
inline constexpr std::uint64_t kHistoryLimitBytes = 1024 * 1024;
// Lines kept while the file cannot be written; older ones are dropped and counted.
inline constexpr std::size_t kHistoryBacklogLines = 500;

// Longest text of one line in bytes: a 20 MB name must not make a 20 MB line.
inline constexpr std::size_t kHistoryTextLimit = 4096;

// `text` cut to at most `limit` bytes, ending in "…" when cut, and only
// between UTF-8 characters.
std::string CappedText(std::string_view text, std::size_t limit);

struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// "08.12.2026 18:03:12  text" with a Windows line end, the text capped at
// kHistoryTextLimit.
std::string HistoryLine(const LocalTime& time, std::string_view text);

// Whether the file must be moved aside before `adding` more bytes are
// written, so that it never grows past the limit (a file holding nothing yet
// takes any line).
bool HistoryMustRotate(std::uint64_t currentSize, std::size_t adding);

// The history file next to `storePath` (same folder).
std::string HistoryPathBeside(std::string_view storePath);

class HistoryFile {
public:
    HistoryFile(FileAccess& files, std::string path, std::function<LocalTime()> clock);

    // Takes one event's text (UTF-8) with the time now; nothing is written yet.
    void add(std::string_view text);
    // Writes what was added. A file that cannot be written (locked, a full
    // disk) keeps the lines for the next try; nothing is ever shown for it.
    // True when nothing is left to write.
    bool flush();

    const std::string& path() const { return path_; }
    std::size_t waitingLines() const { return backlog_.size(); }

private:
    FileAccess& files_;
    std::string path_;
    std::function<LocalTime()> clock_;
    std::deque<std::string> backlog_;
    std::size_t dropped_ = 0;
};

}  // namespace tolvane
