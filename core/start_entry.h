// The start entry record and the two ordered entry lists shared by the
// engine and the windows. The lists are the one in-memory copy of the
// entries; the list views only display them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tolvane {

enum class ListKind : std::uint8_t { SystemStart = 0, ProgramStart = 1 };

// Five single-line texts in UTF-8, in column order. The store holds them in
// Windows-1252, so the windows take only what that can hold.
struct StartEntry {
    std::string name;
    std::string condition;   // precondition text, or the trigger program
    std::string parameters;
    std::string hidden;      // "X" when set; any non-empty text reads as set
    std::string path;

    bool operator==(const StartEntry&) const = default;
};

inline constexpr int kEntryFieldCount = 5;
inline constexpr const char* kHiddenMark = "X";

inline bool IsHidden(const StartEntry& entry) { return !entry.hidden.empty(); }

// Field by column index 0..4 (name, condition, parameters, hidden, path).
const std::string& EntryField(const StartEntry& entry, int column);
std::string& EntryField(StartEntry& entry, int column);

struct EntryRow {
    StartEntry entry;
    // Non-zero: still to be started in this run (only read for system-start rows).
    std::uint32_t pending = 0;
    // Set once the history has told that this row waits, so it tells it
    // once per run and not at every pass.
    bool waitNoted = false;
    // Unique in the run, new for every added or edited row: the engine keeps
    // a row's marks across a hand-over by it, and never starts a row whose id
    // is gone.
    std::uint64_t id = 0;
};

class EntryList {
public:
    std::size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }
    const EntryRow& operator[](std::size_t index) const { return rows_[index]; }
    EntryRow& operator[](std::size_t index) { return rows_[index]; }
    const std::vector<EntryRow>& rows() const { return rows_; }

    EntryRow& append(StartEntry entry, std::uint32_t pending = 0);
    // Writes an edited entry back at its index; the row is new, so its mark is 0.
    EntryRow& replace(std::size_t index, StartEntry entry);
    void remove(std::size_t index);
    void clear() { rows_.clear(); }
    // The row with this id; null when there is none.
    const EntryRow* find(std::uint64_t id) const;
    EntryRow* find(std::uint64_t id);

private:
    std::vector<EntryRow> rows_;
};

struct EntryModel {
    EntryList systemStart;
    EntryList programStart;

    EntryList& list(ListKind kind) { return kind == ListKind::SystemStart ? systemStart : programStart; }
    const EntryList& list(ListKind kind) const {
        return kind == ListKind::SystemStart ? systemStart : programStart;
    }
};

}  // namespace tolvane
