// Window-free rules of the wizards: page navigation, when the commit and
// "Weiter" buttons are enabled, the automatic name, the trigger kind and the
// process chooser's list. The windows only display what these decide.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/start_entry.h"
#include "engine/path_probe.h"
#include "wizards/field_check.h"

namespace tolvane {

// Intro is page 0, "Schritt 1:" .. "Schritt 4:" are pages 1..4.
inline constexpr int kWizardPageCount = 5;
struct StepNavigation {
    int page = 0;
    bool onLastPage() const { return page == kWizardPageCount - 1; }
    void next() { if (page < kWizardPageCount - 1) ++page; }
    void back() { if (page > 0) --page; }
};

// Step 1: a name, or the promise of an automatic one.
bool NameStepComplete(std::string_view name, bool automaticName);
// Step 2 and the "Anwendung" trigger: only an existing file will do. A
// wildcard may match one when probed but could never be started or matched.
bool NamesExistingFile(std::string_view path, PathKind probe);

enum class TriggerChoice { Application, ProcessName };
// Step 3 of the program-start wizard; `probe` is what the trigger text names.
bool TriggerStepComplete(TriggerChoice choice, std::string_view trigger, PathKind probe);
// A plain file name counts as a process name, anything else as a path.
TriggerChoice TriggerChoiceOf(std::string_view trigger);

// "Weiter" of a step with one text field, judged on the field's UTF-8 text.
// A text the store cannot keep enables it: a press then tells why, naming
// the field, instead of going on.
struct StepCheck {
    bool enabled = false;
    std::optional<FieldRefusal> refusal;
};
using PathProbe = std::function<PathKind(std::string_view path)>;
StepCheck CheckNameStep(std::string_view utf8, bool automaticName);
StepCheck CheckPathStep(std::string_view utf8, const PathProbe& probe);
StepCheck CheckTriggerStep(TriggerChoice choice, std::string_view utf8, const PathProbe& probe);

bool SystemStartEditComplete(std::string_view name);
bool ProgramStartEditComplete(std::string_view name, std::string_view trigger);

// File part without extension, underscores as blanks.
std::string AutomaticName(std::string_view path);

// Chooser entries: trimmed names without "", "?" and "IDLE", in order,
// duplicates kept.
std::vector<std::string> ChooserProcessNames(const std::vector<std::string>& names);

}  // namespace tolvane
