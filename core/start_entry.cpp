#include "core/start_entry.h"

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

EntryRow& EntryList::append(StartEntry entry, std::uint32_t pending) {
    rows_.push_back(EntryRow{std::move(entry), pending});
    return rows_.back();
}

EntryRow& EntryList::replace(std::size_t index, StartEntry entry) {
    rows_.at(index) = EntryRow{std::move(entry), 0};
    return rows_[index];
}

void EntryList::remove(std::size_t index) {
    if (index < rows_.size()) rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
}

}  // namespace tolvane
