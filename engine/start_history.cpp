#include "engine/start_history.h"

#include "core/history_file.h"
#include "core/precondition_text.h"
#include "engine/check_lines.h"

namespace tolvane {

namespace {

// Names, paths and command lines are cut well inside the history's line cap,
// so that what follows them (the reason of a failure) is still told.
constexpr std::size_t kPartLimit = 1024;

std::string Part(std::string_view text) { return CappedText(text, kPartLimit); }

std::string Name(const StartEntry& entry) { return "„" + Part(entry.name) + "“"; }

std::string Subject(const StartReport& report) {
    switch (report.cause) {
    case StartCause::SystemStart:
        return "Systemstart " + Name(report.entry);
    case StartCause::Trigger:
        return "Programmstart " + Name(report.entry);
    case StartCause::Manual:
        break;
    }
    return Name(report.entry);
}

std::string Item(const ItemReading& item) { return CappedText(ItemText(item.kind, item.value), kPartLimit); }

// " (gemessen: 12 % ausgelastet; läuft: C:\VPN\vpn.exe)", or nothing.
std::string Measured(const std::vector<ItemReading>& readings) {
    std::string text;
    for (const ItemReading& reading : readings)
        text.append(text.empty() ? " (gemessen: " : "; ").append(CappedText(reading.measured, kPartLimit));
    return text.empty() ? text : text + ")";
}

}  // namespace

std::string StartedText(const StartReport& report) {
    const std::string line = Part(report.commandLine);
    switch (report.cause) {
    case StartCause::SystemStart:
        return Subject(report) + " gestartet, " + std::to_string(report.msSinceStart / 1000) +
               " s nach dem Start von Tolvane" + Measured(report.waitedFor) + ": " + line;
    case StartCause::Trigger:
        return Subject(report) + " gestartet, ausgelöst durch " + Part(report.triggerPath) + ": " + line;
    case StartCause::Manual:
        break;
    }
    return Subject(report) + " mit „Jetzt starten“ gestartet: " + line;
}

std::string StartFailedText(const StartReport& report, std::string_view reason) {
    return "Start fehlgeschlagen: " + Subject(report) + ", " + Part(report.commandLine) + ": " +
           std::string(reason);
}

std::string WaitingText(const StartEntry& entry, const ItemReading& item) {
    const std::string what = item.kind == kWaitSeconds ? "noch " + std::to_string(item.secondsLeft) + " s"
                                                       : "gemessen: " + CappedText(item.measured, kPartLimit);
    return "Systemstart " + Name(entry) + " wartet auf „" + Item(item) + "“ (" + what + ")";
}

std::string RuledOutText(const StartEntry& entry, const ItemReading& item) {
    return "Systemstart " + Name(entry) + " wird bis zur nächsten Anmeldung nicht gestartet: „" + Item(item) +
           "“ ist nicht erfüllt, gemessen: " + CappedText(item.measured, kPartLimit);
}

FailureNotice StartFailureNotice(const StartReport& report, std::string_view reason) {
    return {"Start fehlgeschlagen",
            Name(report.entry) + " konnte nicht gestartet werden:\r\n" + std::string(reason)};
}

FailureNotice StartFailuresNotice(const std::vector<FailedStart>& failures) {
    if (failures.empty()) return {};
    if (failures.size() == 1) return StartFailureNotice(failures[0].report, failures[0].reason);
    std::string names;
    for (std::size_t index = 0; index < failures.size(); ++index) {
        if (index > 0) names += index + 1 == failures.size() ? " und " : ", ";
        names += Name(failures[index].report.entry);
    }
    std::string text = names + " konnten nicht gestartet werden:";
    for (const FailedStart& failure : failures)
        text += "\r\n" + Name(failure.report.entry) + ": " + failure.reason;
    return {std::to_string(failures.size()) + " Starts fehlgeschlagen", text};
}

void HistoryEvents::started(const StartReport& report) { tell(StartedText(report)); }

void HistoryEvents::startFailed(const StartReport& report, std::uint32_t error) {
    const std::string reason = reasonOf ? reasonOf(error) : "Fehler " + std::to_string(error);
    tell(StartFailedText(report, reason));
    if (failed) failed({report, reason});
}

void HistoryEvents::waiting(const StartEntry& entry, const ItemReading& item) { tell(WaitingText(entry, item)); }

void HistoryEvents::ruledOut(const StartEntry& entry, const ItemReading& item) { tell(RuledOutText(entry, item)); }

}  // namespace tolvane
