// What the windows of both kinds of entry share: the five pages of the
// new-entry wizards (band, step title and navigation row on each; the intro,
// name, path and parameters steps; step 3 is left to the wizard) and the
// first and last sections of the edit dialogs.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>

#include "core/start_entry.h"
#include "core/texts.h"
#include "ui/image_set_win.h"
#include "wizards/field_check.h"
#include "wizards/wizard_frame_win.h"
#include "wizards/wizard_rules.h"
#include "wizards/wizards_win.h"

namespace tolvane {

// Controls of the wizards and edit dialogs that both kinds of entry have.
enum EntryControlId : int {
    kIdName = 200,
    kIdAutoName,
    kIdPath,
    kIdPathChooser,
    kIdParameters,
    kIdHidden,
    kIdApply,
    kIdEditCancel,
};

// The two navigation buttons of wizard page 0..4 (left at x = 200, right at x = 300).
constexpr int NavigationLeftId(int page) { return 100 + 10 * page; }
constexpr int NavigationRightId(int page) { return 101 + 10 * page; }

inline constexpr int kWizardWidth = 400;
inline constexpr int kWizardPageHeight = 184;

class StepPages {
public:
    // What a navigation button asks of the wizard.
    enum class Request { None, Cancel, Commit };

    // Builds the pages on the frame, intro shown, with the wizard's own step
    // 3 from `buildStep3`; sets the frame's default button.
    void build(WizardFrame& frame, WizardHost& host, Text introText, Text step3Summary,
               const std::function<void(HWND page)>& buildStep3);
    HWND page(int index) const { return pages_[index]; }
    int current() const { return navigation_.page; }

    // The name, automatic-name and path fields; true when `id` was one of them.
    bool onFieldCommand(int id);
    // Back and forward; the automatic name is made on leaving the path step.
    Request onNavigation(int id);
    void updatePathStep();
    // A press of "Weiter" on a step whose field the store cannot keep: the
    // user is told, the keyboard goes to the field, the page stays. True then.
    bool refuse(const StepCheck& check, int fieldId);

private:
    void show(int page);
    void updateNameStep();

    WizardFrame* wizard_ = nullptr;
    WizardHost* host_ = nullptr;
    HWND frame_ = nullptr;
    std::array<HWND, kWizardPageCount> pages_{};
    StepNavigation navigation_;
};

// Edit dialog: name and path with its "...", at the top.
void AddNameAndPathSection(WizardFrame& frame, const ImageSet& images, const StartEntry& entry);
// Edit dialog: parameters, closing hint, "Unsichtbar starten" and the two
// buttons, in a section of 155 from `y` down.
void AddParametersSection(WizardFrame& frame, const ImageSet& images, int y, const StartEntry& entry);

// The row the shared fields of `frame` describe, with the kind's own
// precondition text or trigger (`condition`, UTF-8, checked as
// `conditionField`). Nothing when a field holds text the store cannot keep:
// the user has then been told which, and the window stays open.
std::optional<StartEntry> EntryOfFields(WizardHost& host, HWND frame, std::string_view condition,
                                        Field conditionField);
// Puts a picked file or folder (UTF-8) into the field `id`, or tells the user
// why it cannot be stored and leaves the field as it was. False then.
bool TakePickedPath(WizardHost& host, HWND frame, int id, std::string_view utf8, Field picked = Field::PickedFile);
// Tells the user about one refused field, through the host's warning.
void WarnAboutField(WizardHost& host, HWND owner, FieldRefusal refusal);
// Appends the row, or replaces row `row`, saves the store at once and tells
// the main window. False, with nothing changed, when `row` no longer exists.
bool CommitEntry(WizardHost& host, ListKind kind, std::optional<std::size_t> row, const StartEntry& entry);

}  // namespace tolvane
