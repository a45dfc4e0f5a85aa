#include "tools/json_row.h"

#include <set>

#include <nlohmann/json.hpp>

namespace tolvane {

namespace {

using nlohmann::json;
using Event = json::parse_event_t;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// nlohmann's message without its tag, with the column first and without the
// raw bytes it last read (they may be the very bytes that are not UTF-8).
std::string ReasonOf(const json::exception& error) {
    std::string text = error.what();
    if (const auto tagEnd = text.find("] "); tagEnd != std::string::npos) text.erase(0, tagEnd + 2);
    constexpr std::string_view kAt = "parse error at line 1, ";
    if (text.rfind(kAt, 0) == 0) text.erase(0, kAt.size());
    if (const auto lastRead = text.find("; last read: '"); lastRead != std::string::npos) {
        const auto expected = text.find("'; expected ", lastRead);
        text.erase(lastRead, expected == std::string::npos ? std::string::npos : expected + 1 - lastRead);
    }
    return text;
}

}  // namespace

std::optional<JsonFields> ParseJsonFields(std::string_view line, LineRefusal& refusal) {
    auto refuse = [&refusal](std::optional<std::string> field, std::string reason) -> std::optional<JsonFields> {
        refusal = {std::move(field), std::move(reason)};
        return std::nullopt;
    };
    // The parser itself would skip a mark at the start of every line; only
    // the file's first line may carry one, and the caller removes that.
    if (line.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        return refuse(std::nullopt, "a byte-order mark is allowed only at the very start of the file");

    std::optional<std::string> current;  // member whose value is being read, to name it in a parse error
    std::optional<std::string> notString;  // first member whose value is not a string
    std::optional<std::string> twice;      // first member named twice (the parser would keep the last)
    std::set<std::string> seen;
    const json::parser_callback_t watch = [&](int depth, Event event, json& parsed) {
        if (event == Event::key && depth == 1) {
            current = parsed.get<std::string>();
            if (!seen.insert(*current).second && !twice) twice = current;
        } else if ((event == Event::object_start || event == Event::array_start) && depth >= 1) {
            if (depth == 1 && !notString) notString = current;
            return false;  // not kept: nothing nested is ever used
        } else if (event == Event::value && depth == 1) {
            if (!parsed.is_string() && !notString) notString = current;
            current.reset();
        }
        return true;
    };

    json object;
    try {
        object = json::parse(line, watch);
    } catch (const json::exception& error) {
        return refuse(current, ReasonOf(error));
    }
    if (!object.is_object()) return refuse(std::nullopt, "each line must be one JSON object");
    if (twice) return refuse(*twice, "is given twice");
    if (notString) return refuse(*notString, "must be a string");
    JsonFields fields;
    for (const auto& [key, value] : object.items()) fields.emplace(key, value.get<std::string>());
    return fields;
}

std::string JsonLine(const std::vector<std::pair<std::string, std::string>>& members) {
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    for (const auto& [key, value] : members) object[key] = value;
    return object.dump();
}

}  // namespace tolvane
