#include "app/row_actions_win.h"

#include <shellapi.h>

#include <optional>
#include <string>
#include <vector>

#include "core/precondition_text.h"
#include "core/cp1252.h"
#include "core/store_location_win.h"
#include "core/store_messages.h"
#include "core/texts.h"
#include "core/wide_text_win.h"
#include "engine/precondition_eval.h"
#include "engine/start_target_win.h"
#include "engine/system_measures_win.h"
#include "ui/balloon_text.h"
#include "ui/precondition_check_win.h"

namespace tolvane {

namespace {

// The system's text for the last error, or empty when it set none.
std::string LastErrorReason() {
    const DWORD code = ::GetLastError();
    if (code == 0) return {};
    wchar_t text[512] = {};
    const DWORD length = ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                                          0, text, 512, nullptr);
    return SystemReason(Utf8OfWide(std::wstring_view(text, length)), code);
}

std::string StateText(ItemOutcome outcome) {
    switch (outcome) {
    case ItemOutcome::Holds: return Cp1252ToUtf8(fixed_text::kStateHolds);
    case ItemOutcome::NotYet: return Cp1252ToUtf8(fixed_text::kStateWaits);
    case ItemOutcome::Fails: return Cp1252ToUtf8(fixed_text::kStateFails);
    }
    return {};
}

// Each item through the pass's own evaluator; an unknown label holds, as in
// a pass. The measured values come with the engine's readings.
std::vector<CheckLine> CheckLinesNow(const StartEntry& entry, std::uint32_t programStartTime) {
    WinSystemMeasures measures;
    std::vector<CheckLine> lines;
    for (const ConditionItem& item : DecodeConditions(entry.condition)) {
        const std::optional<int> kind = FindConditionKind(item.label);
        const ItemOutcome outcome =
            kind ? EvaluateCondition(*kind, item.value, programStartTime, measures) : ItemOutcome::Holds;
        const std::string text = item.value.empty() ? item.label : item.label + ": " + item.value;
        lines.push_back({Cp1252ToUtf8(text), {}, StateText(outcome)});
    }
    return lines;
}

// tolvane.log beside the store.
std::string HistoryPath() {
    const std::string store = StoreFilePath();
    const std::size_t slash = store.find_last_of('\\');
    return slash == std::string::npos ? std::string() : store.substr(0, slash + 1) + "tolvane.log";
}

}  // namespace

void WireRowActions(App& app, MainWindow& window) {
    window.actions.startNow = [&app, &window](ListKind kind, std::size_t row) {
        if (row >= app.model.list(kind).size()) return;
        const StartEntry entry = app.model.list(kind)[row].entry;
        if (StartTarget(entry.path, entry.parameters, IsHidden(entry))) return;
        const BalloonText balloon = StartFailedBalloon(entry.name, LastErrorReason());
        window.showBalloon(balloon.title, balloon.text);
    };
    window.actions.checkPreconditions = [&app, &window](std::size_t row) {
        if (row >= app.model.systemStart.size()) return;
        const StartEntry entry = app.model.systemStart[row].entry;
        ShowPreconditionCheck(window.window(), entry.name, CheckLinesNow(entry, app.clock.programStartTime));
    };
    window.actions.showHistory = [&window] {
        const std::wstring path = WideOfUtf8(HistoryPath());
        SHELLEXECUTEINFOW open{};
        open.cbSize = sizeof open;
        open.fMask = SEE_MASK_FLAG_NO_UI;
        open.hwnd = window.window();
        open.lpVerb = L"open";
        open.lpFile = path.c_str();
        open.nShow = SW_SHOWNORMAL;
        if (!path.empty() && ::ShellExecuteExW(&open)) return;
        window.showBalloon(Cp1252ToUtf8(fixed_text::kShowHistory), LastErrorReason(), true);
    };
}

}  // namespace tolvane
