#include "engine/start_events.h"

namespace tolvane {

StartEvents& NoStartEvents() {
    static StartEvents none;
    return none;
}

StartGate& OpenStartGate() {
    static StartGate open;
    return open;
}

LaunchResult LaunchEntry(StartReport report, Launcher& launcher, StartEvents& events) {
    const StartEntry& entry = report.entry;
    report.commandLine = BuildCommandLine(entry.path, entry.parameters);
    const LaunchResult result = launcher.start(entry.path, entry.parameters, IsHidden(entry));
    if (result.ok())
        events.started(report);
    else
        events.startFailed(report, result.error);
    return result;
}

}  // namespace tolvane
