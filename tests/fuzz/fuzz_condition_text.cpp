// Arbitrary precondition texts as a store holds them (any bytes, read as
// Windows-1252): decoding never fails, items whose parts hold no "{", "}" or
// ";" encode and decode back unchanged, the pass and the check view agree on
// every text, and what they tell is well-formed UTF-8.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/cp1252.h"
#include "core/precondition_text.h"
#include "engine/check_lines.h"
#include "engine/precondition_eval.h"
#include "engine/start_history.h"

namespace {

using namespace tolvane;

// A fixed machine, so the pass and the check measure the same.
struct FixedMeasures : SystemMeasures {
    std::uint32_t tickCount() override { return 30000; }
    DiskFigures diskC() override { return {4000ll << 20, 9000ll << 20}; }
    MemoryFigures memory() override { return {2000ull << 20, 8000ull << 20}; }
    std::string userName() override { return "Jürgen"; }
    PathKind probePath(std::string_view path) override {
        return path.empty() ? PathKind::Missing : path.size() % 2 ? PathKind::File : PathKind::Directory;
    }
    std::optional<bool> internetConnected() override { return true; }
    std::optional<int> processorLoad() override { return 40; }
    std::string runningProgram(std::string_view trigger) override {
        return trigger.size() % 2 ? "C:\\Programme\\" + std::string(trigger) : std::string();
    }
};

void MustBeUtf8(const std::string& text) {
    if (!Utf8ToCp1252(text)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // What the program holds once the store's bytes are loaded.
    const std::string text = Cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
    const auto items = DecodeConditions(text);
    for (const auto& item : items) {
        FindConditionKind(item.label);
        ReadLenientNumber(item.value);
    }
    std::vector<ConditionItem> clean;
    for (const auto& item : items)
        if (item.label.find_first_of("{};") == std::string::npos && CheckConditionValue(item.value) == ValueProblem::None)
            clean.push_back(item);
    if (DecodeConditions(EncodeConditions(clean)) != clean) std::abort();

    FixedMeasures measures;
    const EntryVerdict verdict = JudgeEntryPreconditions(text, 0, measures);
    const std::vector<ItemReading> readings = CheckPreconditions(text, 0, measures);
    EntryOutcome expected = EntryOutcome::Start;
    for (const ItemReading& reading : readings) {
        if (reading.outcome == ItemOutcome::Holds) continue;
        expected = reading.outcome == ItemOutcome::NotYet ? EntryOutcome::Waiting : EntryOutcome::Failed;
        break;
    }
    if (verdict.outcome != expected || verdict.deciding.has_value() != (expected != EntryOutcome::Start)) std::abort();
    const StartEntry entry{text, text, {}, {}, text};
    for (const ItemReading& reading : readings) {
        const CheckLine line = CheckLineOf(reading);
        MustBeUtf8(line.precondition);
        MustBeUtf8(line.measured);
        MustBeUtf8(line.state);
        MustBeUtf8(RuledOutText(entry, reading));
        MustBeUtf8(WaitingText(entry, reading));
    }
    return 0;
}
