#include "engine/check_lines.h"

#include "core/precondition_text.h"
#include "core/texts.h"

namespace tolvane {

std::string ItemText(int kind, std::string_view value) {
    std::string text(KindLabel(kind));
    if (KindTakesNumber(kind) || KindTakesText(kind)) text.append(" ").append(value);
    return text;
}

std::string StateText(const ItemReading& reading) {
    switch (reading.outcome) {
    case ItemOutcome::Holds:
        return "erfüllt";
    case ItemOutcome::NotYet:
        if (reading.measuring) return kMeasuringText;
        if (reading.kind != kWaitSeconds) return "wartet";
        return "wartet (noch " + std::to_string(reading.secondsLeft) + " s)";
    case ItemOutcome::Fails:
        break;
    }
    return "nicht erfüllt";
}

CheckLine CheckLineOf(const ItemReading& reading) {
    return {ItemText(reading.kind, reading.value), reading.measured, StateText(reading)};
}

std::vector<CheckLine> UncheckedLines(std::string_view conditionText) {
    std::vector<CheckLine> lines;
    for (const ConditionItem& item : DecodeConditions(conditionText)) {
        const std::optional<int> kind = FindConditionKind(item.label);
        if (kind) lines.push_back({ItemText(*kind, item.value), {}, kMeasuringText});
    }
    return lines;
}

std::vector<CheckLine> CheckLinesOf(const std::vector<ItemReading>& readings) {
    std::vector<CheckLine> lines;
    lines.reserve(readings.size());
    for (const ItemReading& reading : readings) lines.push_back(CheckLineOf(reading));
    return lines;
}

}  // namespace tolvane
