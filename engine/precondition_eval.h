// Decides whether a pending system-start entry may be started now. The
// decision is portable; what it measures comes through SystemMeasures, so the
// rules are tested with fakes and the Win32 layer only takes readings.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/path_probe.h"

namespace tolvane {

struct DiskFigures {
    std::int64_t freeBytes = 0;
    std::int64_t totalBytes = 0;
};

// 64-bit, so machines with more than 2 GB compare correctly.
struct MemoryFigures {
    std::uint64_t availableBytes = 0;
    std::uint64_t totalBytes = 0;
};

// Live readings, taken afresh for every precondition item.
struct SystemMeasures {
    virtual ~SystemMeasures() = default;
    virtual std::uint32_t tickCount() = 0;
    // Drive C:; zeros when it cannot be read.
    virtual DiskFigures diskC() = 0;
    virtual MemoryFigures memory() = 0;
    virtual std::string userName() = 0;
    virtual PathKind probePath(std::string_view path) = 0;
    // True only when an echo reply came back; nothing while the answer is
    // still awaited (the test runs beside the engine, which never waits).
    virtual std::optional<bool> internetConnected() = 0;
    // Busy share of all processors over the last ten seconds in whole
    // percent; nothing while the readings do not span them yet.
    virtual std::optional<int> processorLoad() = 0;
    // The path of a running process the trigger names (a file name or a full
    // path, as a program-start trigger); empty when none runs.
    virtual std::string runningProgram(std::string_view trigger) = 0;
};

enum class ItemOutcome { Holds, NotYet, Fails };
enum class EntryOutcome { Start, Waiting, Failed };

inline constexpr std::int64_t kBytesPerMegabyte = 1024 * 1024;

// One item evaluated, with what was measured for it, so the pass, the
// history and the check view all explain the same decision.
struct ItemReading {
    int kind = 0;
    std::string value;  // as the entry holds it
    ItemOutcome outcome = ItemOutcome::Holds;
    // The figure read now, as short German UTF-8 text: "4211 MB frei",
    // "verbunden", "Datei vorhanden", the user's name, "seit 12 s",
    // "12 % ausgelastet", "läuft: C:\VPN\vpnclient.exe".
    std::string measured;
    // Seconds until a waiting time has passed; 0 unless the outcome is NotYet.
    std::int32_t secondsLeft = 0;
    // NotYet only because the figure is still being measured: the entry does
    // not wait for its precondition, only for the answer.
    bool measuring = false;
};

inline constexpr char kMeasuringText[] = "wird geprüft";

// Kinds whose item waits until what it measures changes, instead of ruling
// the entry out: the processor load and a running program.
bool KindWaitsForChange(int kind);

// One item of a known kind (0..17) with its value text.
ItemReading ReadCondition(int kind, std::string_view value, std::uint32_t programStartTime,
                          SystemMeasures& measures);

// The outcome of an entry and the item that decided it (the one that waits
// or fails; none when the entry may start).
struct EntryVerdict {
    EntryOutcome outcome = EntryOutcome::Start;
    std::optional<ItemReading> deciding;
    // Start: the readings of the items of kinds that wait for a change, for
    // the history to tell what was measured when the entry started.
    std::vector<ItemReading> waitedFor;
};

// Walks the items in stored order and stops at the first that does not hold.
// Items with an unknown label count as holding.
EntryVerdict JudgeEntryPreconditions(std::string_view conditionText, std::uint32_t programStartTime,
                                     SystemMeasures& measures);

// Every item of a known kind, in stored order, without stopping: what the
// user sees when checking an entry. Changes nothing.
std::vector<ItemReading> CheckPreconditions(std::string_view conditionText, std::uint32_t programStartTime,
                                            SystemMeasures& measures);

}  // namespace tolvane
