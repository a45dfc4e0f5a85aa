#include "core/precondition_text.h"

#include "core/texts.h"

namespace tolvane {

std::vector<ConditionItem> DecodeConditions(std::string_view text) {
    std::vector<ConditionItem> items;
    std::size_t begin = 0;
    for (std::size_t end; (end = text.find(';', begin)) != std::string_view::npos; begin = end + 1) {
        const std::string_view piece = text.substr(begin, end - begin);
        ConditionItem item;
        const std::size_t open = piece.find('{');
        if (open != std::string_view::npos) {
            item.label = piece.substr(0, open);
            const std::size_t close = piece.find('}');
            if (close != std::string_view::npos && close > open)
                item.value = piece.substr(open + 1, close - open - 1);
        }
        items.push_back(std::move(item));
    }
    return items;
}

std::string EncodeConditions(const std::vector<ConditionItem>& items) {
    std::string text;
    for (const ConditionItem& item : items) text.append(item.label).append("{").append(item.value).append("};");
    return text;
}

std::optional<int> FindConditionKind(std::string_view label) {
    for (int kind = 0; kind < kConditionKindCount; ++kind)
        if (KindLabel(kind) == label) return kind;
    return std::nullopt;
}

bool KindTakesNumber(int kind) {
    return kind == kWaitSeconds || (kind >= kDiskFreeBelow && kind <= kMemoryUsedAbove) || kind == kProcessorLoadBelow;
}

bool KindTakesText(int kind) { return (kind >= kFileExists && kind <= kUserNameIs) || kind == kProgramRunning; }

std::uint32_t LargestNumberOf(int kind) { return kind == kProcessorLoadBelow ? 100u : kLargestPlainNumber; }

ValueProblem CheckConditionValue(std::string_view value) {
    if (value.find_first_of("{}") != std::string_view::npos) return ValueProblem::Brace;
    if (value.find(';') != std::string_view::npos) return ValueProblem::Semicolon;
    return ValueProblem::None;
}

bool IsPlainNumber(std::string_view value) {
    std::uint64_t number = 0;
    for (const char c : value) {
        if (c < '0' || c > '9') return false;
        number = number * 10 + static_cast<std::uint64_t>(c - '0');
        if (number > kLargestPlainNumber) return false;
    }
    return true;
}

bool IsNumberOf(int kind, std::string_view value) {
    // A plain number is never negative.
    return IsPlainNumber(value) && static_cast<std::uint32_t>(ReadLenientNumber(value)) <= LargestNumberOf(kind);
}

ConditionTextCheck CheckConditionText(std::string_view text, std::size_t longestValue) {
    std::size_t at = 0;
    for (std::size_t item = 0; at < text.size(); ++item) {
        std::optional<int> kind;
        auto fault = [item, &kind](ConditionTextFault f) { return ConditionTextCheck{f, item, kind.value_or(-1)}; };
        // label "{" value "};": the label runs to the first "{", the value to the first "}".
        const std::size_t open = text.find('{', at);
        const std::size_t firstSemicolon = text.find(';', at);
        if (open == std::string_view::npos || open > firstSemicolon) return fault(ConditionTextFault::NotClosed);
        const std::size_t close = text.find('}', open);
        if (close == std::string_view::npos) return fault(ConditionTextFault::NotClosed);
        const std::string_view value = text.substr(open + 1, close - open - 1);
        if (value.find('{') != std::string_view::npos) return fault(ConditionTextFault::Brace);
        if (value.find(';') != std::string_view::npos) return fault(ConditionTextFault::Semicolon);
        if (close + 1 >= text.size() || text[close + 1] != ';') {
            // "}}" or "}x" before the item's ";": the value goes on past a brace.
            const bool goesOn = text.find(';', close) != std::string_view::npos;
            return fault(goesOn ? ConditionTextFault::Brace : ConditionTextFault::NotClosed);
        }
        kind = FindConditionKind(text.substr(at, open - at));
        if (!kind) return fault(ConditionTextFault::UnknownKind);
        if (KindTakesNumber(*kind) && !IsNumberOf(*kind, value)) return fault(ConditionTextFault::NotPlainNumber);
        if (!KindTakesNumber(*kind) && !KindTakesText(*kind) && !value.empty())
            return fault(ConditionTextFault::UnexpectedValue);
        if (value.size() > longestValue) return fault(ConditionTextFault::TooLong);
        at = close + 2;
    }
    return {};
}

std::int32_t ReadLenientNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
    // Unsigned arithmetic wraps without undefined behaviour.
    std::uint32_t magnitude = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
        magnitude = magnitude * 10u + static_cast<std::uint32_t>(text[at] - '0');
    if (negative) magnitude = 0u - magnitude;
    return static_cast<std::int32_t>(magnitude);
}

}  // namespace tolvane
