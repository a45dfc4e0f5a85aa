#include "wizards/program_start_wizard_win.h"

#include "core/texts.h"
#include "engine/path_probe.h"
#include "wizards/choosers_win.h"
#include "wizards/field_text_win.h"
#include "wizards/process_chooser_win.h"

namespace tolvane {

namespace {

// The "Anwendung"/"Prozessname" pair, trigger field and its "..." at row y.
void AddTriggerControls(HWND panel, int labelY, int optionY, int fieldY) {
    AddLabel(panel, GetText(Text::TriggerKindPrompt), 20, labelY, 360, 18);
    AddControl(panel, L"BUTTON", fixed_text::kTriggerApplication, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 20,
               optionY, 80, 20, kIdTriggerApplication);
    AddControl(panel, L"BUTTON", fixed_text::kTriggerProcessName, BS_AUTORADIOBUTTON, 100, optionY, 80, 20,
               kIdTriggerProcess);
    AddTextField(panel, 20, fieldY, 296, 20, kIdTrigger, WS_GROUP);
    AddButton(panel, fixed_text::kChooserButton, 334, fieldY - 1, 46, 22, kIdTriggerChooser);
}

void SelectChoice(HWND frame, TriggerChoice choice) {
    const bool application = choice == TriggerChoice::Application;
    ::SendMessageW(FindControl(frame, kIdTriggerApplication), BM_SETCHECK, application ? BST_CHECKED : BST_UNCHECKED, 0);
    ::SendMessageW(FindControl(frame, kIdTriggerProcess), BM_SETCHECK, application ? BST_UNCHECKED : BST_CHECKED, 0);
}

TriggerChoice ChoiceShown(HWND frame) {
    return IsChecked(FindControl(frame, kIdTriggerProcess)) ? TriggerChoice::ProcessName : TriggerChoice::Application;
}

// "..." of the trigger: a program file or a running process by choice.
void ChooseTrigger(WizardHost& host, HWND frame, const TriggerDialogs& dialogs) {
    if (ChoiceShown(frame) == TriggerChoice::Application) {
        TakePickedPath(host, frame, kIdTrigger, dialogs.chooseApplication ? dialogs.chooseApplication(frame) : "");
    } else if (dialogs.chooseProcess) {
        // Shown as it is: the step's check tells of a name the store cannot hold.
        if (auto name = dialogs.chooseProcess(frame)) SetControlText(FindControl(frame, kIdTrigger), *name);
    }
}

std::string TriggerUtf8(HWND frame) { return ControlText(FindControl(frame, kIdTrigger)); }

void ChoosePath(WizardHost& host, HWND frame, const TriggerDialogs& dialogs) {
    TakePickedPath(host, frame, kIdPath, dialogs.chooseFile ? dialogs.chooseFile(frame) : std::string());
}

}  // namespace

TriggerDialogs SystemTriggerDialogs(WizardHost& host) {
    TriggerDialogs dialogs;
    dialogs.chooseFile = &ChooseProgramFile;
    dialogs.chooseApplication = &ChooseApplicationFile;
    dialogs.chooseProcess = [&host](HWND owner) {
        return ChooseRunningProcess(host.images, host.runningProcessNames, owner);
    };
    return dialogs;
}

bool ProgramStartWizard::create() {
    const std::string_view title = GetText(Text::NewProgramStartWizard);
    if (!frame_.create(host_.owner, title, kWizardWidth, kWizardPageHeight)) return false;
    steps_.build(frame_, host_, Text::ProgramStartIntro, Text::ProgramStartStep3Description,
                 [](HWND page) { AddTriggerControls(page, 70, 88, 110); });
    SelectChoice(frame_.window(), shownChoice_);
    EnableControl(frame_.window(), NavigationRightId(3), false);
    frame_.onCommand = [this](int id, int code, HWND) { onCommand(id, code); };
    frame_.show();
    return true;
}

StepCheck ProgramStartWizard::triggerStep() const {
    return CheckTriggerStep(ChoiceShown(frame_.window()), TriggerUtf8(frame_.window()),
                            [](std::string_view path) { return ProbePath(path); });
}

void ProgramStartWizard::updateTriggerStep() {
    EnableControl(frame_.window(), NavigationRightId(3), triggerStep().enabled);
}

void ProgramStartWizard::onCommand(int id, int code) {
    if (steps_.onFieldCommand(id)) return;
    HWND window = frame_.window();
    switch (id) {
    case kIdPathChooser:
        if (code != BN_CLICKED) return;
        ChoosePath(host_, window, dialogs_);
        steps_.updatePathStep();
        return;
    case kIdTriggerApplication:
    case kIdTriggerProcess:
        // A value typed for the other choice would mean something else; a
        // click on the choice already made changes nothing.
        if (ChoiceShown(window) == shownChoice_) return;
        shownChoice_ = ChoiceShown(window);
        SetControlText(FindControl(window, kIdTrigger), "");
        EnableControl(window, NavigationRightId(3), false);
        return;
    case kIdTrigger:
        updateTriggerStep();
        return;
    case kIdTriggerChooser:
        if (code != BN_CLICKED) return;
        ChooseTrigger(host_, window, dialogs_);
        updateTriggerStep();
        return;
    default:
        break;
    }
    if (code != BN_CLICKED) return;
    if (id == NavigationRightId(3) && steps_.current() == 3 && steps_.refuse(triggerStep(), kIdTrigger)) return;
    switch (steps_.onNavigation(id)) {
    case StepPages::Request::Cancel: frame_.end(); break;
    case StepPages::Request::Commit: commit(); break;
    case StepPages::Request::None: break;
    }
}

void ProgramStartWizard::commit() {
    const auto entry = EntryOfFields(host_, frame_.window(), TriggerUtf8(frame_.window()), Field::Trigger);
    if (entry && CommitEntry(host_, ListKind::ProgramStart, std::nullopt, *entry)) frame_.end();
}

bool ProgramStartEdit::create() {
    const EntryList& list = host_.app.model.programStart;
    if (row_ >= list.size()) return false;
    const StartEntry entry = list[row_].entry;
    const std::string title = ReplaceFilePlaceholder(GetText(Text::ProgramStartEditTitle), entry.name);
    if (!frame_.create(host_.owner, title, kWizardWidth, 430)) return false;
    const ImageSet& images = host_.images;
    HWND window = frame_.window();

    AddNameAndPathSection(frame_, images, entry);
    HWND second = frame_.addPanel(images, 0, 150, kWizardWidth, 125, {{kImageGlobe, 50}});
    AddTriggerControls(second, 40, 58, 85);
    shownChoice_ = TriggerChoiceOf(entry.condition);
    SelectChoice(window, shownChoice_);
    SetControlText(FindControl(window, kIdTrigger), entry.condition);

    AddParametersSection(frame_, images, 275, entry);

    frame_.onCommand = [this](int id, int code, HWND) { onCommand(id, code); };
    frame_.show();
    return true;
}

void ProgramStartEdit::updateApply() {
    EnableControl(frame_.window(), kIdApply, ProgramStartEditComplete(text(kIdName), text(kIdTrigger)));
}

void ProgramStartEdit::onCommand(int id, int code) {
    HWND window = frame_.window();
    switch (id) {
    case kIdName:
    case kIdTrigger:
        // Only a change of the text counts: the focus that the dialog puts in
        // the name field when it opens must not disable "Übernehmen".
        if (code == EN_CHANGE) updateApply();
        break;
    case kIdPathChooser:
        if (code == BN_CLICKED) ChoosePath(host_, window, dialogs_);
        break;
    case kIdTriggerApplication:
    case kIdTriggerProcess:
        if (ChoiceShown(window) == shownChoice_) break;
        shownChoice_ = ChoiceShown(window);
        SetControlText(FindControl(window, kIdTrigger), "");
        EnableControl(window, kIdApply, false);
        break;
    case kIdTriggerChooser:
        if (code != BN_CLICKED) break;
        ChooseTrigger(host_, window, dialogs_);
        updateApply();
        break;
    case kIdApply:
        if (code == BN_CLICKED) commit();
        break;
    case kIdEditCancel:
        if (code == BN_CLICKED) frame_.end();
        break;
    default:
        break;
    }
}

void ProgramStartEdit::commit() {
    const auto entry = EntryOfFields(host_, frame_.window(), TriggerUtf8(frame_.window()), Field::Trigger);
    if (entry && CommitEntry(host_, ListKind::ProgramStart, row_, *entry)) frame_.end();
}

void RunNewProgramStartWizard(WizardHost& host) {
    ProgramStartWizard wizard(host);
    if (wizard.create()) wizard.run();
}

void RunProgramStartEdit(WizardHost& host, std::size_t row) {
    ProgramStartEdit edit(host, row);
    if (edit.create()) edit.run();
}

}  // namespace tolvane
