// The new program-start entry wizard and the program-start edit dialog.
// Built by create() without entering their loop; run() loops until the end.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "wizards/entry_parts_win.h"
#include "wizards/system_start_wizard_win.h"
#include "wizards/wizard_frame_win.h"
#include "wizards/wizard_rules.h"
#include "wizards/wizards_win.h"

namespace tolvane {

enum ProgramStartControlId : int {
    kIdTriggerApplication = 210,
    kIdTriggerProcess,
    kIdTrigger,
    kIdTriggerChooser,
};

// The modal helpers of the trigger and path fields; tests put their own in.
struct TriggerDialogs {
    std::function<std::string(HWND owner)> chooseFile;         // the path's "..."
    std::function<std::string(HWND owner)> chooseApplication;  // "..." for "Anwendung"
    std::function<std::optional<std::string>(HWND owner)> chooseProcess;  // none: cancelled
};
TriggerDialogs SystemTriggerDialogs(WizardHost& host);

class ProgramStartWizard {
public:
    ProgramStartWizard(WizardHost& host, TriggerDialogs dialogs) : host_(host), dialogs_(std::move(dialogs)) {}
    explicit ProgramStartWizard(WizardHost& host) : ProgramStartWizard(host, SystemTriggerDialogs(host)) {}

    bool create();
    void run() { frame_.runModal(); }
    WizardFrame& frame() { return frame_; }
    int page() const { return steps_.current(); }

private:
    void onCommand(int id, int code);
    StepCheck triggerStep() const;
    void updateTriggerStep();
    void commit();

    WizardHost& host_;
    TriggerDialogs dialogs_;
    WizardFrame frame_;
    StepPages steps_;
    TriggerChoice shownChoice_ = TriggerChoice::Application;
};

class ProgramStartEdit {
public:
    ProgramStartEdit(WizardHost& host, std::size_t row, TriggerDialogs dialogs)
        : host_(host), row_(row), dialogs_(std::move(dialogs)) {}
    ProgramStartEdit(WizardHost& host, std::size_t row) : ProgramStartEdit(host, row, SystemTriggerDialogs(host)) {}

    // False when the row does not exist or the window cannot be made.
    bool create();
    void run() { frame_.runModal(); }
    WizardFrame& frame() { return frame_; }

private:
    void onCommand(int id, int code);
    void updateApply();
    void commit();
    std::string text(int id) const { return ControlText(FindControl(frame_.window(), id)); }

    WizardHost& host_;
    std::size_t row_;
    TriggerDialogs dialogs_;
    WizardFrame frame_;
    TriggerChoice shownChoice_ = TriggerChoice::Application;
};

}  // namespace tolvane
