#include "engine/precondition_eval.h"

#include "core/pass_clock.h"
#include "core/precondition_text.h"

namespace tolvane {

namespace {

ItemOutcome HoldsWhen(bool condition) { return condition ? ItemOutcome::Holds : ItemOutcome::Fails; }

// Whole megabytes, rounded down (towards minus infinity) or up.
std::int64_t MegabytesDown(std::int64_t bytes) {
    const std::int64_t whole = bytes / kBytesPerMegabyte;
    return whole * kBytesPerMegabyte > bytes ? whole - 1 : whole;
}
std::int64_t MegabytesUp(std::int64_t bytes) {
    const std::int64_t whole = bytes / kBytesPerMegabyte;
    return whole * kBytesPerMegabyte < bytes ? whole + 1 : whole;
}

void WaitingTime(ItemReading& reading, std::uint32_t programStartTime, SystemMeasures& measures) {
    const std::int32_t elapsed = TickDifference(measures.tickCount(), programStartTime);
    // In 64 bits: a product wrapped to 32 bits would let a wait of 25 days or
    // more (beyond what the tick difference can measure) end at once.
    const std::int64_t needed = static_cast<std::int64_t>(ReadLenientNumber(reading.value)) * 1000;
    reading.measured = "seit " + std::to_string(elapsed < 0 ? 0 : elapsed / 1000) + " s";
    if (elapsed >= needed) return;
    reading.outcome = ItemOutcome::NotYet;
    const std::int64_t left = (needed - elapsed + 999) / 1000;  // a started second counts
    reading.secondsLeft = static_cast<std::int32_t>(left > INT32_MAX ? INT32_MAX : left);
}

// The threshold is whole megabytes, so "at most" compares the figure rounded
// up and "at least" the figure rounded down with the same result as the byte
// counts; that whole number is what the line shows, and it can never
// contradict the verdict (591.4 MB is not "kleiner als 591": shown as 592).
void Compare(ItemReading& reading, std::int64_t figure, bool used) {
    const bool below = reading.kind == kDiskFreeBelow || reading.kind == kDiskUsedBelow ||
                       reading.kind == kMemoryFreeBelow || reading.kind == kMemoryUsedBelow;
    const std::int64_t threshold = ReadLenientNumber(reading.value);
    const std::int64_t shown = below ? MegabytesUp(figure) : MegabytesDown(figure);
    reading.measured = std::to_string(shown) + " MB " + (used ? "belegt" : "frei");
    reading.outcome = HoldsWhen(below ? shown <= threshold : shown >= threshold);
}

const char* PathText(PathKind kind) {
    switch (kind) {
    case PathKind::File:
        return "Datei vorhanden";
    case PathKind::Directory:
        return "Verzeichnis vorhanden";
    case PathKind::Missing:
        break;
    }
    return "nicht vorhanden";
}

// The figure has not come yet: the entry waits for it, not for its precondition.
void StillMeasuring(ItemReading& reading) {
    reading.measured = kMeasuringText;
    reading.outcome = ItemOutcome::NotYet;
    reading.measuring = true;
}

void ProcessorLoad(ItemReading& reading, SystemMeasures& measures) {
    const std::optional<int> load = measures.processorLoad();
    if (!load) {
        StillMeasuring(reading);
        return;
    }
    reading.measured = std::to_string(*load) + " % ausgelastet";
    // Below the threshold holds; anything else waits for the load to fall.
    if (*load >= ReadLenientNumber(reading.value)) reading.outcome = ItemOutcome::NotYet;
}

void ProgramRunning(ItemReading& reading, SystemMeasures& measures) {
    const std::string path = measures.runningProgram(reading.value);
    if (path.empty()) {
        reading.measured = "läuft nicht";
        reading.outcome = ItemOutcome::NotYet;
        return;
    }
    reading.measured = "läuft: " + path;
}

}  // namespace

bool KindWaitsForChange(int kind) { return kind == kProcessorLoadBelow || kind == kProgramRunning; }

ItemReading ReadCondition(int kind, std::string_view value, std::uint32_t programStartTime,
                          SystemMeasures& measures) {
    ItemReading reading{kind, std::string(value), ItemOutcome::Holds, {}, 0};
    switch (kind) {
    case kWaitSeconds:
        WaitingTime(reading, programStartTime, measures);
        break;
    case kInternetOnline:
    case kInternetOffline: {
        const std::optional<bool> connected = measures.internetConnected();
        if (!connected) {
            StillMeasuring(reading);
            break;
        }
        reading.measured = *connected ? "verbunden" : "nicht verbunden";
        reading.outcome = HoldsWhen(*connected == (kind == kInternetOnline));
        break;
    }
    case kDiskFreeBelow:
    case kDiskFreeAbove:
    case kDiskUsedBelow:
    case kDiskUsedAbove: {
        const DiskFigures disk = measures.diskC();
        const bool used = kind == kDiskUsedBelow || kind == kDiskUsedAbove;
        Compare(reading, used ? disk.totalBytes - disk.freeBytes : disk.freeBytes, used);
        break;
    }
    case kMemoryFreeBelow:
    case kMemoryFreeAbove:
    case kMemoryUsedBelow:
    case kMemoryUsedAbove: {
        const MemoryFigures memory = measures.memory();
        const bool used = kind == kMemoryUsedBelow || kind == kMemoryUsedAbove;
        const auto available = static_cast<std::int64_t>(memory.availableBytes);
        Compare(reading, used ? static_cast<std::int64_t>(memory.totalBytes) - available : available, used);
        break;
    }
    case kFileExists:
    case kFileMissing:
    case kDirectoryExists:
    case kDirectoryMissing: {
        const PathKind found = measures.probePath(value);
        reading.measured = PathText(found);
        const PathKind wanted = kind == kFileExists || kind == kFileMissing ? PathKind::File : PathKind::Directory;
        reading.outcome = HoldsWhen((found == wanted) == (kind == kFileExists || kind == kDirectoryExists));
        break;
    }
    case kUserNameIs: {
        const std::string name = measures.userName();
        reading.measured = name;
        reading.outcome = HoldsWhen(name == value);
        break;
    }
    case kProcessorLoadBelow:
        ProcessorLoad(reading, measures);
        break;
    case kProgramRunning:
        ProgramRunning(reading, measures);
        break;
    default:
        break;
    }
    return reading;
}

EntryVerdict JudgeEntryPreconditions(std::string_view conditionText, std::uint32_t programStartTime,
                                     SystemMeasures& measures) {
    std::vector<ItemReading> waitedFor;
    for (const ConditionItem& item : DecodeConditions(conditionText)) {
        const std::optional<int> kind = FindConditionKind(item.label);
        if (!kind) continue;
        ItemReading reading = ReadCondition(*kind, item.value, programStartTime, measures);
        switch (reading.outcome) {
        case ItemOutcome::Holds:
            if (KindWaitsForChange(*kind)) waitedFor.push_back(std::move(reading));
            break;
        case ItemOutcome::NotYet:
            return {EntryOutcome::Waiting, std::move(reading)};
        case ItemOutcome::Fails:
            return {EntryOutcome::Failed, std::move(reading)};
        }
    }
    return {EntryOutcome::Start, std::nullopt, std::move(waitedFor)};
}

std::vector<ItemReading> CheckPreconditions(std::string_view conditionText, std::uint32_t programStartTime,
                                            SystemMeasures& measures) {
    std::vector<ItemReading> readings;
    for (const ConditionItem& item : DecodeConditions(conditionText)) {
        const std::optional<int> kind = FindConditionKind(item.label);
        if (kind) readings.push_back(ReadCondition(*kind, item.value, programStartTime, measures));
    }
    return readings;
}

}  // namespace tolvane
