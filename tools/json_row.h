// One line of JSON per entry: the members of a flat object of strings, read
// and written with nlohmann-json. What the members mean is row_rules' job.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tolvane {

// Why a line was refused: the member it concerns (none when it is about the
// line as a whole) and the reason, for a message naming both.
struct LineRefusal {
    std::optional<std::string> field;
    std::string reason;
};

// Member name to its text (UTF-8, already checked well-formed by the parser).
using JsonFields = std::map<std::string, std::string>;

// One object whose members are all strings, each named once; anything else
// is refused. A byte-order mark is the file's business and refused here.
std::optional<JsonFields> ParseJsonFields(std::string_view line, LineRefusal& refusal);

// The members as one compact JSON object in the order given, no line end.
std::string JsonLine(const std::vector<std::pair<std::string, std::string>>& members);

}  // namespace tolvane
