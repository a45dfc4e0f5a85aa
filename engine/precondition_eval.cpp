#include "engine/precondition_eval.h"

#include "core/pass_clock.h"
#include "core/precondition_text.h"

namespace tolvane {

namespace {

ItemOutcome HoldsWhen(bool condition) { return condition ? ItemOutcome::Holds : ItemOutcome::Fails; }

std::int64_t ThresholdBytes(std::string_view value) {
    return static_cast<std::int64_t>(ReadLenientNumber(value)) * kBytesPerMegabyte;
}

ItemOutcome WaitingTime(std::string_view value, std::uint32_t programStartTime, SystemMeasures& measures) {
    const std::int32_t elapsed = TickDifference(measures.tickCount(), programStartTime);
    // In 64 bits: a product wrapped to 32 bits would let a wait of 25 days or
    // more (beyond what the tick difference can measure) end at once.
    const std::int64_t needed = static_cast<std::int64_t>(ReadLenientNumber(value)) * 1000;
    return elapsed >= needed ? ItemOutcome::Holds : ItemOutcome::NotYet;
}

}  // namespace

ItemOutcome EvaluateCondition(int kind, std::string_view value, std::uint32_t programStartTime,
                              SystemMeasures& measures) {
    switch (kind) {
    case kWaitSeconds:
        return WaitingTime(value, programStartTime, measures);
    case kInternetOnline:
        return HoldsWhen(measures.internetConnected());
    case kInternetOffline:
        return HoldsWhen(!measures.internetConnected());
    case kDiskFreeBelow:
    case kDiskFreeAbove:
    case kDiskUsedBelow:
    case kDiskUsedAbove: {
        const DiskFigures disk = measures.diskC();
        const bool used = kind == kDiskUsedBelow || kind == kDiskUsedAbove;
        const std::int64_t figure = used ? disk.totalBytes - disk.freeBytes : disk.freeBytes;
        const std::int64_t threshold = ThresholdBytes(value);
        const bool below = kind == kDiskFreeBelow || kind == kDiskUsedBelow;
        return HoldsWhen(below ? figure <= threshold : figure >= threshold);
    }
    case kMemoryFreeBelow:
    case kMemoryFreeAbove:
    case kMemoryUsedBelow:
    case kMemoryUsedAbove: {
        const MemoryFigures memory = measures.memory();
        const bool used = kind == kMemoryUsedBelow || kind == kMemoryUsedAbove;
        const auto available = static_cast<std::int64_t>(memory.availableBytes);
        const std::int64_t figure = used ? static_cast<std::int64_t>(memory.totalBytes) - available : available;
        const std::int64_t threshold = ThresholdBytes(value);
        const bool below = kind == kMemoryFreeBelow || kind == kMemoryUsedBelow;
        return HoldsWhen(below ? figure <= threshold : figure >= threshold);
    }
    case kFileExists:
        return HoldsWhen(measures.probePath(value) == PathKind::File);
    case kFileMissing:
        return HoldsWhen(measures.probePath(value) != PathKind::File);
    case kDirectoryExists:
        return HoldsWhen(measures.probePath(value) == PathKind::Directory);
    case kDirectoryMissing:
        return HoldsWhen(measures.probePath(value) != PathKind::Directory);
    case kUserNameIs:
        return HoldsWhen(measures.userName() == value);
    default:
        return ItemOutcome::Holds;
    }
}

EntryOutcome EvaluateEntryPreconditions(std::string_view conditionText, std::uint32_t programStartTime,
                                        SystemMeasures& measures) {
    for (const ConditionItem& item : DecodeConditions(conditionText)) {
        const std::optional<int> kind = FindConditionKind(item.label);
        if (!kind) continue;
        switch (EvaluateCondition(*kind, item.value, programStartTime, measures)) {
        case ItemOutcome::Holds:
            break;
        case ItemOutcome::NotYet:
            return EntryOutcome::Waiting;
        case ItemOutcome::Fails:
            return EntryOutcome::Failed;
        }
    }
    return EntryOutcome::Start;
}

}  // namespace tolvane
