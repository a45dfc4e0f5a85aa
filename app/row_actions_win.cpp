#include "app/row_actions_win.h"

#include "app/history_viewer_win.h"
#include "core/history_win.h"

namespace tolvane {

void WireRowActions(App& app, MainWindow& window, EngineLink& engine) {
    app.notify.balloon = [&window](const std::string& title, const std::string& text) {
        return window.tray().showBalloon(title, text, false);
    };
    window.actions.startNow = [&engine](ListKind kind, std::size_t row) { engine.startNow(kind, row); };
    window.actions.checkPreconditions = [&window, &engine](std::size_t row) { engine.check(row, window.window()); };
    window.actions.engineEvents = [&engine] { engine.takeEvents(); };
    window.actions.showHistory = [&app] { ShowHistory(HistoryFilePath(), app.notify); };
}

}  // namespace tolvane
