// The precondition text of a system-start entry: label "{" value "};" items,
// concatenated. Shared by the editor (writes), the evaluator and the loader.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

enum ConditionKind : int {
    kWaitSeconds = 0,
    kInternetOnline = 1,
    kInternetOffline = 2,
    kDiskFreeBelow = 3,
    kDiskFreeAbove = 4,
    kMemoryFreeBelow = 5,
    kMemoryFreeAbove = 6,
    kDiskUsedBelow = 7,
    kDiskUsedAbove = 8,
    kMemoryUsedBelow = 9,
    kMemoryUsedAbove = 10,
    kFileExists = 11,
    kFileMissing = 12,
    kDirectoryExists = 13,
    kDirectoryMissing = 14,
    kUserNameIs = 15,
    kProcessorLoadBelow = 16,
    kProgramRunning = 17,
};

// One decoded item, exactly as stored: the label need not be a known kind.
struct ConditionItem {
    std::string label;
    std::string value;
    bool operator==(const ConditionItem&) const = default;
};

// Items in stored order. Only text before the last ";" counts; an item
// without "{" has an empty label, one without "}" after the "{" an empty value.
std::vector<ConditionItem> DecodeConditions(std::string_view text);

std::string EncodeConditions(const std::vector<ConditionItem>& items);

// Kind whose label equals `label` byte for byte, if any.
std::optional<int> FindConditionKind(std::string_view label);

// Kinds 1 and 2 carry no value; 0, 3..10 and 16 a number; 11..15 and 17 a text.
bool KindTakesNumber(int kind);
bool KindTakesText(int kind);
// The largest number a kind that takes one holds: a load is a percentage.
std::uint32_t LargestNumberOf(int kind);

// Characters a value may not hold: "{" and "}" end the value early, and a ";"
// would split the item when the text is read back.
enum class ValueProblem { None, Brace, Semicolon, NotWholeNumber };
ValueProblem CheckConditionValue(std::string_view value);

// The largest number a precondition value holds as the user typed it.
inline constexpr std::uint32_t kLargestPlainNumber = 2147483647u;
// Digits only (or nothing, read as 0), at most kLargestPlainNumber: a number
// as the editor takes it, read back as the same number.
bool IsPlainNumber(std::string_view value);
// A plain number no larger than the kind holds.
bool IsNumberOf(int kind, std::string_view value);

// The first way a precondition text differs from what the editor writes.
enum class ConditionTextFault {
    None,
    NotClosed,      // an item not closed by "};", or text after the last one
    UnknownKind,    // a label that is none of the known kinds
    Brace,          // a "{" or "}" inside a value
    Semicolon,      // a ";" inside a value
    NotPlainNumber, // a number value beyond IsPlainNumber or the kind's largest
    UnexpectedValue,// a value for a kind that takes none
    TooLong,        // a value longer than an entry field holds
};
struct ConditionTextCheck {
    ConditionTextFault fault = ConditionTextFault::None;
    std::size_t item = 0;  // 0-based item the fault is in
    int kind = -1;         // the item's kind, once it is known
};
// `longestValue` is what one of the editor's fields can hold.
ConditionTextCheck CheckConditionText(std::string_view text, std::size_t longestValue);

// Signed 32-bit decimal read leniently: leading blanks and tabs, one optional
// sign, digits up to the first non-digit; no digits give 0; overflow wraps.
std::int32_t ReadLenientNumber(std::string_view text);

}  // namespace tolvane
