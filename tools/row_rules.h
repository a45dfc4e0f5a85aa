// What tolvane-store pack accepts as an entry: exactly the rows Tolvane
// itself could have written, so a packed store never holds a row the
// program would read differently from how it looks.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/start_entry.h"
#include "tools/json_row.h"

namespace tolvane {

struct PackedRow {
    ListKind kind = ListKind::SystemStart;
    StartEntry entry;
};

// All six members present ("list" and the five fields), no others; texts
// Windows-1252 can hold and the store can carry, none longer than an entry
// field; a system start's condition exactly as the editor writes one; a
// hidden flag of "X" or nothing; a command line Windows can start.
std::optional<PackedRow> RowOfFields(const JsonFields& fields, LineRefusal& refusal);

// The members dump writes for a row, in that order, as UTF-8.
std::vector<std::pair<std::string, std::string>> FieldsOfRow(ListKind kind, const StartEntry& entry);

}  // namespace tolvane
