#include "core/history_file.h"

#include <string>

namespace tolvane {

namespace {

// Marks the file as UTF-8 for editors that would guess the code page.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Without printf, whose formatting code would add 20 KB to the program.
std::string ZeroPadded(int value, std::size_t width) {
    const std::string digits = std::to_string(value);
    return digits.size() < width ? std::string(width - digits.size(), '0') + digits : digits;
}

}  // namespace

std::string CappedText(std::string_view text, std::size_t limit) {
    if (text.size() <= limit) return std::string(text);
    constexpr std::string_view kEllipsis = "…";
    std::size_t cut = limit > kEllipsis.size() ? limit - kEllipsis.size() : 0;
    // Never inside a character: back up over continuation bytes.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return std::string(text.substr(0, cut)).append(kEllipsis);
}

std::string HistoryLine(const LocalTime& t, std::string_view text) {
    std::string line = ZeroPadded(t.day, 2) + "." + ZeroPadded(t.month, 2) + "." + ZeroPadded(t.year, 4) + " " +
                       ZeroPadded(t.hour, 2) + ":" + ZeroPadded(t.minute, 2) + ":" + ZeroPadded(t.second, 2) + "  ";
    // One event, one line: a line break inside a text would split it.
    for (const char c : CappedText(text, kHistoryTextLimit)) line += (c == '\r' || c == '\n') ? ' ' : c;
    return line + "\r\n";
}

bool HistoryMustRotate(std::uint64_t currentSize, std::size_t adding) {
    return currentSize > 0 && currentSize + adding > kHistoryLimitBytes;
}

std::string HistoryPathBeside(std::string_view storePath) {
    const std::size_t slash = storePath.find_last_of("\\/");
    const std::string_view folder = slash == std::string_view::npos ? std::string_view() : storePath.substr(0, slash + 1);
    return std::string(folder) + kHistoryFileName;
}

HistoryFile::HistoryFile(FileAccess& files, std::string path, std::function<LocalTime()> clock)
    : files_(files), path_(std::move(path)), clock_(std::move(clock)) {}

void HistoryFile::add(std::string_view text) {
    if (backlog_.size() >= kHistoryBacklogLines) {
        backlog_.pop_front();
        ++dropped_;
    }
    backlog_.push_back(HistoryLine(clock_(), text));
}

bool HistoryFile::flush() {
    if (backlog_.empty()) return true;
    std::string bytes;
    if (dropped_ > 0) {
        bytes += HistoryLine(clock_(), std::to_string(dropped_) +
                                           " ältere Ereignisse gingen verloren, weil der Startverlauf nicht "
                                           "geschrieben werden konnte");
    }
    for (const std::string& line : backlog_) bytes += line;
    std::uint64_t size = files_.size(path_).value_or(0);
    if (HistoryMustRotate(size, bytes.size()) && files_.moveReplacing(path_, path_ + ".1").ok()) size = 0;
    if (size == 0) bytes.insert(0, kByteOrderMark);
    if (!files_.append(path_, bytes).ok()) return false;
    backlog_.clear();
    dropped_ = 0;
    return true;
}

}  // namespace tolvane
