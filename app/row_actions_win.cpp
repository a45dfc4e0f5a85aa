#include "app/row_actions_win.h"

#include "app/entry_now_win.h"
#include "core/history_win.h"
#include "ui/precondition_check_win.h"

namespace tolvane {

void WireRowActions(App& app, MainWindow& window, WinStartEngine& engine) {
    app.showFailure = [&window](const std::string& title, const std::string& text) {
        window.showBalloon(title, text, false);
    };
    window.actions.startNow = [&app, &engine](ListKind kind, std::size_t row) {
        StartEntryNow(app, engine, kind, row);
    };
    window.actions.checkPreconditions = [&app, &window, &engine](std::size_t row) {
        if (row >= app.model.systemStart.size()) return;
        // A copy: the list may change while the view is open.
        const std::string name = app.model.systemStart[row].entry.name;
        ShowPreconditionCheck(window.window(), name, CheckEntryNow(app, engine, row));
    };
    window.actions.showHistory = [] { ShowHistory(HistoryFilePath()); };
}

}  // namespace tolvane
