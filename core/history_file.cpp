#include "core/history_file.h"

#include <algorithm>
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

std::string Quoted(std::string_view text) { return "„" + std::string(text) + "“"; }

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

HistoryFile::HistoryFile(FileAccess& files, std::string path, std::function<LocalTime()> clock,
                         std::function<std::string(std::uint32_t)> reasonOf)
    : files_(files), path_(std::move(path)), clock_(std::move(clock)), reasonOf_(std::move(reasonOf)) {}

void HistoryFile::add(std::string_view text) {
    if (backlog_.size() >= kHistoryBacklogLines) {
        backlog_.pop_front();
        ++dropped_;
    }
    backlog_.push_back(HistoryLine(clock_(), text));
}

bool HistoryFile::makeRoom() {
    const std::string older = path_ + ".1";
    const FileStatus moved = files_.moveReplacing(path_, older);
    if (moved.ok()) {
        rotationFailureRecorded_ = false;
        return true;
    }
    // Begin anew rather than grow: the lines in it are lost, told once.
    if (!files_.replaceAtomically(path_, "").ok()) return false;
    if (!rotationFailureRecorded_) {
        rotationFailureRecorded_ = true;
        const std::string reason = reasonOf_ ? reasonOf_(moved.error) : "Fehler " + std::to_string(moved.error);
        backlog_.push_front(HistoryLine(clock_(), "Der volle Startverlauf ließ sich nicht nach " + Quoted(older) +
                                                      " verschieben: " + reason +
                                                      "; er beginnt neu, seine älteren Zeilen sind verloren"));
    }
    return true;
}

bool HistoryFile::flush() {
    if (backlog_.empty() && unfinished_.empty()) return true;
    std::string lost;
    if (dropped_ > 0) {
        lost = HistoryLine(clock_(), std::to_string(dropped_) +
                                         " ältere Ereignisse gingen verloren, weil der Startverlauf nicht "
                                         "geschrieben werden konnte");
    }
    std::size_t adding = unfinished_.size() + lost.size();
    for (const std::string& line : backlog_) adding += line.size();
    std::uint64_t size = files_.size(path_).value_or(0);
    if (HistoryMustRotate(size, adding)) {
        if (!makeRoom()) return false;  // kept for the next try: the file stays within its bound
        size = 0;
        unfinished_.clear();  // the rest of a line of the file now gone
    }
    std::string head = size == 0 ? std::string(kByteOrderMark) : std::string();
    head += unfinished_;
    std::string bytes = head + lost;
    for (const std::string& line : backlog_) bytes += line;
    if (!files_.append(path_, bytes).ok()) {
        // What reached the disk before the write stopped (a full disk) stays
        // there and must not be written twice.
        const std::uint64_t after = files_.size(path_).value_or(size);
        const std::uint64_t written = after > size ? std::min<std::uint64_t>(after - size, bytes.size()) : 0;
        consumeWritten(static_cast<std::size_t>(written), std::move(head), lost);
        return false;
    }
    backlog_.clear();
    dropped_ = 0;
    unfinished_.clear();
    return true;
}

void HistoryFile::consumeWritten(std::size_t written, std::string head, const std::string& lost) {
    if (written == 0) return;
    auto take = [&written, this](std::string_view piece) {
        // True when the piece is written in full; a cut one leaves its rest.
        if (written >= piece.size()) {
            written -= piece.size();
            return true;
        }
        unfinished_ = std::string(piece.substr(written));
        written = 0;
        return false;
    };
    unfinished_.clear();
    if (!take(head)) return;
    if (!lost.empty()) {
        if (written == 0) return;
        dropped_ = 0;
        if (!take(lost)) return;
    }
    while (written > 0 && !backlog_.empty()) {
        const std::string line = std::move(backlog_.front());
        backlog_.pop_front();
        if (!take(line)) return;
    }
}

}  // namespace tolvane
