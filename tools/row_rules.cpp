#include "tools/row_rules.h"

#include <array>
#include <string_view>

#include "core/cp1252.h"
#include "core/precondition_text.h"
#include "core/store_format.h"
#include "core/utf8_length.h"
#include "engine/start_target.h"

namespace tolvane {

namespace {

constexpr std::string_view kListKey = "list";
constexpr std::array<std::string_view, kEntryFieldCount> kFieldKeys = {"name", "condition", "parameters", "hidden",
                                                                       "path"};
constexpr int kConditionColumn = 1;
constexpr int kParametersColumn = 2;
constexpr int kHiddenColumn = 3;
constexpr int kPathColumn = 4;

bool IsKnownKey(std::string_view key) {
    if (key == kListKey) return true;
    for (std::string_view field : kFieldKeys)
        if (key == field) return true;
    return false;
}

std::string ConditionFaultReason(const ConditionTextCheck& check) {
    const std::string item = "item " + std::to_string(check.item + 1);
    switch (check.fault) {
    case ConditionTextFault::None:
        break;
    case ConditionTextFault::NotClosed:
        return item + " is not closed by \"};\" (each precondition is label{value};)";
    case ConditionTextFault::UnknownKind:
        return item + " is not one of Tolvane's preconditions (its label must be one of theirs exactly)";
    case ConditionTextFault::Brace:
        return item + " holds a brace in its value";
    case ConditionTextFault::Semicolon:
        return item + " holds a \";\" in its value";
    case ConditionTextFault::NotPlainNumber:
        return item + " must have a whole number from 0 to " + std::to_string(LargestNumberOf(check.kind)) +
               " as its value, digits only";
    case ConditionTextFault::UnexpectedValue:
        return item + " takes no value";
    case ConditionTextFault::TooLong:
        return item + " has a value longer than the " + std::to_string(kLongestField) +
               " characters an entry field holds";
    }
    return {};
}

}  // namespace

std::optional<PackedRow> RowOfFields(const JsonFields& fields, LineRefusal& refusal) {
    auto refuse = [&refusal](std::string_view field, std::string reason) -> std::optional<PackedRow> {
        refusal = {std::string(field), std::move(reason)};
        return std::nullopt;
    };
    // A member the store has no place for would be lost without a word, and
    // is most often a misspelt one.
    for (const auto& [key, value] : fields)
        if (!IsKnownKey(key))
            return refuse(key, "is not a member of an entry (list, name, condition, parameters, hidden, path)");

    PackedRow row;
    const auto list = fields.find(std::string(kListKey));
    if (list == fields.end()) return refuse(kListKey, "is missing");
    if (list->second != "system" && list->second != "program")
        return refuse(kListKey, "must be \"system\" or \"program\"");
    row.kind = list->second == "system" ? ListKind::SystemStart : ListKind::ProgramStart;

    for (int column = 0; column < kEntryFieldCount; ++column) {
        const std::string_view key = kFieldKeys[column];
        const auto field = fields.find(std::string(key));
        if (field == fields.end()) return refuse(key, "is missing");
        const std::string& text = field->second;
        // The store keeps Windows-1252: one character, one byte.
        const auto stored = Utf8ToCp1252(text);
        if (!stored) return refuse(key, "holds a character that Windows-1252 cannot represent");
        if (!IsStorableField(*stored)) return refuse(key, "holds a line break, NUL or 0x01, which the store cannot hold");
        // A system start's condition is a list of values, each checked on its own.
        const bool itemised = column == kConditionColumn && row.kind == ListKind::SystemStart;
        if (!itemised && stored->size() > kLongestField)
            return refuse(key, "is " + std::to_string(stored->size()) + " characters long; an entry field holds at most " +
                                   std::to_string(kLongestField));
        if (itemised) {
            const ConditionTextCheck check = CheckConditionText(text, kLongestField);
            if (check.fault != ConditionTextFault::None) return refuse(key, ConditionFaultReason(check));
        }
        EntryField(row.entry, column) = text;
    }
    // Tolvane reads any non-empty flag as set: a blank would start the
    // target hidden while the column looks empty.
    if (row.entry.hidden != kHiddenMark && !row.entry.hidden.empty())
        return refuse(kFieldKeys[kHiddenColumn], "must be \"X\" or empty");
    if (!FitsCommandLine(row.entry.path, row.entry.parameters)) {
        const std::size_t length = Utf16Length(BuildCommandLine(row.entry.path, row.entry.parameters));
        return refuse(kFieldKeys[row.entry.parameters.empty() ? kPathColumn : kParametersColumn],
                      "makes a command line of " + std::to_string(length) + " characters; Windows starts at most " +
                          std::to_string(kMaxCommandLineLength));
    }
    return row;
}

std::vector<std::pair<std::string, std::string>> FieldsOfRow(ListKind kind, const StartEntry& entry) {
    std::vector<std::pair<std::string, std::string>> members;
    members.emplace_back(kListKey, kind == ListKind::SystemStart ? "system" : "program");
    for (int column = 0; column < kEntryFieldCount; ++column)
        members.emplace_back(kFieldKeys[column], EntryField(entry, column));
    return members;
}

}  // namespace tolvane
