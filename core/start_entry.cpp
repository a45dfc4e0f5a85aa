#include "core/start_entry.h"

#include <atomic>

#include <cassert>

namespace tolvane {

namespace {
template <typename Entry>
auto& FieldOf(Entry& entry, int column) {
    switch (column) {
    case 0: return entry.name;
    case 1: return entry.condition;
    case 2: return entry.parameters;
    case 3: return entry.hidden;
    default: assert(column == 4); return entry.path;
    }
}
}  // namespace

const std::string& EntryField(const StartEntry& entry, int column) { return FieldOf(entry, column); }
std::string& EntryField(StartEntry& entry, int column) { return FieldOf(entry, column); }

namespace {
// Shared by both lists and every model, so an id never names two rows.
std::atomic<std::uint64_t> lastRowId{0};
}  // namespace

EntryRow& EntryList::append(StartEntry entry, std::uint32_t pending) {
    rows_.push_back(EntryRow{std::move(entry), pending, false, ++lastRowId});
    return rows_.back();
}

EntryRow& EntryList::replace(std::size_t index, StartEntry entry) {
    rows_.at(index) = EntryRow{std::move(entry), 0, false, ++lastRowId};
    return rows_[index];
}

const EntryRow* EntryList::find(std::uint64_t id) const {
    for (const EntryRow& row : rows_)
        if (row.id == id) return &row;
    return nullptr;
}

EntryRow* EntryList::find(std::uint64_t id) {
    return const_cast<EntryRow*>(static_cast<const EntryList&>(*this).find(id));
}

void EntryList::remove(std::size_t index) {
    if (index < rows_.size()) rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
}

}  // namespace tolvane
