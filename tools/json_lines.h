// Just enough JSON for the store tool: one flat object of string (or
// boolean) members per line, and the writer for its output.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace tolvane {

struct JsonObject {
    std::map<std::string, std::string> strings;
    std::map<std::string, bool> booleans;
};

// Parses one flat object; on failure returns nothing and says why in `error`.
std::optional<JsonObject> ParseFlatJsonObject(std::string_view line, std::string& error);

// A JSON string literal (quotes included) of UTF-8 text.
std::string JsonString(std::string_view utf8);

}  // namespace tolvane
