#include "app/engine_link_win.h"

#include <utility>

#include "app/run_history_win.h"
#include "core/startup_trace_win.h"
#include "engine/check_lines.h"

namespace tolvane {

EngineLink::EngineLink(App& app, HWND window)
    : app_(app),
      history_(RunHistoryEvents(app)),
      engine_(app.systemStartMode, app.clock.programStartTime,
              [window] { ::PostMessageW(window, kEngineMessage, 0, 0); },
              [] { TraceStartupMilestone("first-pass"); }) {
    history_.failed = [this](FailedStart failure) { failures_.push_back(std::move(failure)); };
}

void EngineLink::handEntries() { engine_.runner().handEntries(app_.model); }

void EngineLink::start() {
    handEntries();
    engine_.runner().start();
}

void EngineLink::startNow(ListKind kind, std::size_t row) {
    const EntryList& list = app_.model.list(kind);
    if (row < list.size()) engine_.runner().startNow(kind, list[row].id);
}

void EngineLink::check(std::size_t row, HWND owner) {
    if (row >= app_.model.systemStart.size()) return;
    // A copy: the list may change while the view is open.
    const EntryRow entry = app_.model.systemStart[row];
    const std::uint32_t request = engine_.runner().check(entry.id);
    ShowPreconditionCheck(owner, entry.entry.name, UncheckedLines(entry.entry.condition),
                          [this, request](PreconditionCheckView* view) {
                              openCheck_ = view;
                              openCheckRequest_ = view ? request : 0;
                              // An answer may have come before the view was there.
                              if (view) takeEvents();
                          });
}

void EngineLink::takeEvents() {
    const std::vector<EngineEvent> events = engine_.runner().takeEvents();
    if (events.empty()) return;
    PlayEngineEvents(events, history_, [this](const EngineEvent& event) {
        if (openCheck_ && event.check == openCheckRequest_) openCheck_->showLines(CheckLinesOf(event.readings));
    });
    // After the starts that caused them, as a pass once wrote them.
    app_.flushHistory();
    // Failures that came together are shown together.
    if (!failures_.empty()) app_.notify.startsFailed(StartFailuresNotice(failures_));
    failures_.clear();
}

void EngineLink::stop() {
    engine_.runner().stop();
    takeEvents();
}

}  // namespace tolvane
