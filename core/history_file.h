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
    // `reasonOf` gives the system's text for an error code ("... (Fehler 32)");
    // without it the code alone is named.
    HistoryFile(FileAccess& files, std::string path, std::function<LocalTime()> clock,
                std::function<std::string(std::uint32_t error)> reasonOf = {});

    // Takes one event's text (UTF-8) with the time now; nothing is written yet.
    void add(std::string_view text);
    // Writes what was added. A file that cannot be written (locked, a full
    // disk) keeps the lines for the next try, which goes on exactly where a
    // write stopped; nothing is ever shown for it. When the full file cannot
    // be moved aside (another program holds the older one), it begins anew,
    // so it never grows past its bound. True when nothing is left to write.
    bool flush();

    const std::string& path() const { return path_; }
    std::size_t waitingLines() const { return backlog_.size(); }

private:
    // Moves the full file aside, or else empties it; false when neither worked.
    bool makeRoom();
    // Takes the first `written` bytes of a write that stopped part-way off
    // what is waiting; the rest of a cut line is written first next time.
    void consumeWritten(std::size_t written, std::string head, const std::string& lost);

    FileAccess& files_;
    std::string path_;
    std::function<LocalTime()> clock_;
    std::function<std::string(std::uint32_t)> reasonOf_;
    std::deque<std::string> backlog_;
    std::size_t dropped_ = 0;
    std::string unfinished_;  // the rest of a line a write stopped in
    bool rotationFailureRecorded_ = false;
};

}  // namespace tolvane
