// The new system-start entry wizard and the system-start edit dialog.
// Both are built by create() without entering their loop, so they can be
// driven by messages; run() then loops until the window ends.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>

#include "wizards/condition_editor_win.h"
#include "wizards/entry_parts_win.h"
#include "wizards/wizard_frame_win.h"
#include "wizards/wizard_rules.h"
#include "wizards/wizards_win.h"

namespace tolvane {

class SystemStartWizard {
public:
    SystemStartWizard(WizardHost& host, ConditionDialogs dialogs);
    explicit SystemStartWizard(WizardHost& host) : SystemStartWizard(host, SystemConditionDialogs(host)) {}
    // The "..." of step 2; replaceable in tests.
    std::function<std::string(HWND owner)> chooseFile;

    bool create();
    void run() { frame_.runModal(); }
    WizardFrame& frame() { return frame_; }
    ConditionEditor& conditions() { return conditions_; }
    int page() const { return steps_.current(); }

private:
    void onCommand(int id, int code);
    void commit();
    std::string text(int id) const { return ControlText(FindControl(frame_.window(), id)); }

    WizardHost& host_;
    WizardFrame frame_;
    ConditionEditor conditions_;
    StepPages steps_;
};

class SystemStartEdit {
public:
    SystemStartEdit(WizardHost& host, std::size_t row, ConditionDialogs dialogs);
    SystemStartEdit(WizardHost& host, std::size_t row) : SystemStartEdit(host, row, SystemConditionDialogs(host)) {}
    std::function<std::string(HWND owner)> chooseFile;

    // False when the row does not exist or the window cannot be made.
    bool create();
    void run() { frame_.runModal(); }
    WizardFrame& frame() { return frame_; }
    ConditionEditor& conditions() { return conditions_; }

private:
    void onCommand(int id, int code);
    void commit();
    std::string text(int id) const { return ControlText(FindControl(frame_.window(), id)); }

    WizardHost& host_;
    std::size_t row_;
    WizardFrame frame_;
    ConditionEditor conditions_;
};

}  // namespace tolvane
