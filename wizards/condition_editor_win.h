// The precondition editor's windows: the two-column list with "Hinzufügen..."
// and "Entfernen" on a wizard page or edit section, and the add sub-dialog.
// The rules live in condition_list.h; these only show what it decides.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/precondition_text.h"
#include "ui/image_set_win.h"
#include "wizards/condition_list.h"
#include "wizards/wizard_frame_win.h"
#include "wizards/wizards_win.h"

namespace tolvane {

// The modal helpers the editor opens; tests put their own in.
struct ConditionDialogs {
    std::function<std::string(HWND owner)> chooseFile;
    std::function<std::string(HWND owner)> chooseFolder;
    std::function<void(HWND owner, const std::string& text)> warn;
    // A running process's name; none when cancelled.
    std::function<std::optional<std::string>(HWND owner)> chooseProcess;
};
ConditionDialogs SystemConditionDialogs(WizardHost& host);

enum ConditionControlId : int {
    kIdConditionList = 300,
    kIdAddCondition,
    kIdRemoveCondition,
    kIdKindSelector = 400,
    kIdDigitsField,
    kIdTextField,
    kIdValueChooser,
    kIdUnitSeconds,
    kIdUnitMegabyte,
    kIdUnitPercent,
    kIdAddOk = IDOK,
    kIdAddCancel = IDCANCEL,
};

// The add-precondition sub-dialog. create() builds it visible over the
// wizard (which it disables); run() then loops until it ends.
class AddConditionDialog {
public:
    AddConditionDialog(const ImageSet& images, ConditionDialogs dialogs) : images_(images), dialogs_(std::move(dialogs)) {}
    bool create(HWND owner);
    void run() { frame_.runModal(); }
    // The row "OK" accepted; empty after "Abbrechen" or the close box.
    const std::optional<ConditionItem>& result() const { return result_; }
    WizardFrame& frame() { return frame_; }

private:
    void onCommand(int id, int code);
    void showKindControls();
    int selectedKind() const;
    void focusField(ValueField field);

    const ImageSet& images_;
    ConditionDialogs dialogs_;
    WizardFrame frame_;
    std::optional<ConditionItem> result_;
};

class ConditionEditor {
public:
    enum class Place { WizardPage, EditSection };

    ConditionEditor(const ImageSet& images, ConditionDialogs dialogs) : images_(images), dialogs_(std::move(dialogs)) {}
    // Opens the add sub-dialog modally over `owner`; replaceable in tests.
    std::function<std::optional<ConditionItem>(HWND owner)> runAddDialog;

    void build(HWND panel, Place place);
    void load(std::string_view text);
    std::string encode() const { return list_.encode(); }
    const ConditionList& list() const { return list_; }

    // Events of the editor's controls, routed by the host; true if handled.
    bool onCommand(int id, int code);
    bool onNotify(const NMHDR& header);

private:
    std::optional<std::size_t> selected() const;
    void refill();
    void updateRemove();

    const ImageSet& images_;
    ConditionDialogs dialogs_;
    ConditionList list_;
    HWND listView_ = nullptr;
    HWND remove_ = nullptr;
};

}  // namespace tolvane
