// What the history says about starts and decisions, and the listener that
// records it. The texts are UTF-8, as the entries' are.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/start_events.h"

namespace tolvane {

std::string StartedText(const StartReport& report);
// `reason` is the system's text for the error, with its code.
std::string StartFailedText(const StartReport& report, std::string_view reason);
std::string WaitingText(const StartEntry& entry, const ItemReading& item);
std::string RuledOutText(const StartEntry& entry, const ItemReading& item);

// What the user is shown at once when a start fails.
struct FailureNotice {
    std::string title;
    std::string text;
};
FailureNotice StartFailureNotice(const StartReport& report, std::string_view reason);

struct FailedStart {
    StartReport report;
    std::string reason;
};
// One notice for the failed starts that came together: every entry is named
// first, before any reason, so a notice cut to the balloon's room still
// names them all.
FailureNotice StartFailuresNotice(const std::vector<FailedStart>& failures);

// Writes every event to the history and shows failed starts. Each hook may
// be left empty.
struct HistoryEvents : StartEvents {
    std::function<void(const std::string& text)> record;
    // The system's text for an error code ("... (Fehler 2)").
    std::function<std::string(std::uint32_t error)> reasonOf;
    // Each failed start, as it is recorded; the caller shows them.
    std::function<void(FailedStart)> failed;

    void started(const StartReport& report) override;
    void startFailed(const StartReport& report, std::uint32_t error) override;
    void waiting(const StartEntry& entry, const ItemReading& item) override;
    void ruledOut(const StartEntry& entry, const ItemReading& item) override;

private:
    void tell(const std::string& text) {
        if (record) record(text);
    }
};

}  // namespace tolvane
