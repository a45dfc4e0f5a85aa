#include "wizards/program_start_wizard_win.h"

#include "core/texts.h"
#include "engine/path_probe.h"
#include "wizards/choosers_win.h"
#include "wizards/process_chooser_win.h"

namespace tolvane {

namespace {

constexpr int kWidth = 400;
constexpr int kPageHeight = 184;
constexpr int kNavigationY = 148;

// The "Anwendung"/"Prozessname" pair, trigger field and its "..." at row y.
void AddTriggerControls(HWND panel, int labelY, int optionY, int fieldY) {
    AddLabel(panel, GetText(Text::TriggerKindPrompt), 20, labelY, 360, 18);
    AddControl(panel, "BUTTON", fixed_text::kTriggerApplication, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 20,
               optionY, 80, 20, kIdTriggerApplication);
    AddControl(panel, "BUTTON", fixed_text::kTriggerProcessName, BS_AUTORADIOBUTTON, 100, optionY, 80, 20,
               kIdTriggerProcess);
    AddEdit(panel, 20, fieldY, 296, 20, kIdTrigger, WS_GROUP);
    AddButton(panel, fixed_text::kChooserButton, 334, fieldY - 1, 46, 22, kIdTriggerChooser);
}

void SelectChoice(HWND frame, TriggerChoice choice) {
    const bool application = choice == TriggerChoice::Application;
    ::SendMessageA(FindControl(frame, kIdTriggerApplication), BM_SETCHECK, application ? BST_CHECKED : BST_UNCHECKED, 0);
    ::SendMessageA(FindControl(frame, kIdTriggerProcess), BM_SETCHECK, application ? BST_UNCHECKED : BST_CHECKED, 0);
}

TriggerChoice ChoiceShown(HWND frame) {
    return IsChecked(FindControl(frame, kIdTriggerProcess)) ? TriggerChoice::ProcessName : TriggerChoice::Application;
}

// "..." of the trigger: a program file or a running process by choice.
void ChooseTrigger(HWND frame, const TriggerDialogs& dialogs) {
    HWND field = FindControl(frame, kIdTrigger);
    if (ChoiceShown(frame) == TriggerChoice::Application) {
        const std::string path = dialogs.chooseApplication ? dialogs.chooseApplication(frame) : std::string();
        if (!path.empty()) SetControlText(field, path);
    } else if (dialogs.chooseProcess) {
        if (auto name = dialogs.chooseProcess(frame)) SetControlText(field, *name);
    }
}

void ChoosePath(HWND frame, const TriggerDialogs& dialogs) {
    const std::string path = dialogs.chooseFile ? dialogs.chooseFile(frame) : std::string();
    if (!path.empty()) SetControlText(FindControl(frame, kIdPath), path);
}

}  // namespace

TriggerDialogs SystemTriggerDialogs(WizardHost& host) {
    TriggerDialogs dialogs;
    dialogs.chooseFile = &ChooseProgramFile;
    dialogs.chooseApplication = &ChooseApplicationFile;
    dialogs.chooseProcess = [&host](HWND owner) -> std::optional<std::string> {
        std::vector<std::string> names;
        if (host.runningProcessNames) names = ChooserProcessNames(host.runningProcessNames());
        ProcessChooser chooser(host.images, std::move(names));
        if (!chooser.create(owner)) return std::nullopt;
        chooser.run();
        return chooser.result();
    };
    return dialogs;
}

bool ProgramStartWizard::create() {
    if (!frame_.create(host_.owner, GetText(Text::NewProgramStartWizard), kWidth, kPageHeight)) return false;
    const ImageSet& images = host_.images;
    const std::vector<BandIcon> icons[kWizardPageCount] = {
        {{kImageSystemStart, 10}, {kImageGlobe, 50}, {kImageProgramStart, 90}},
        {{kImageSystemStart, 10}},
        {{kImageSystemStart, 10}},
        {{kImageGlobe, 50}},
        {{kImageProgramStart, 90}},
    };
    for (int page = 0; page < kWizardPageCount; ++page) {
        pages_[page] = frame_.addPanel(images, 0, 0, kWidth, kPageHeight, icons[page]);
        HWND panel = pages_[page];
        if (page > 0) AddStepTitle(panel, images, page);
        const bool intro = page == 0, last = page == kWizardPageCount - 1;
        AddButton(panel, GetText(intro ? Text::Cancel : Text::Back), 200, kNavigationY, 80, 24, NavigationLeftId(page));
        AddButton(panel, GetText(last ? Text::Finish : Text::Next), 300, kNavigationY, 80, 24, NavigationRightId(page));
    }

    HWND intro = pages_[0];
    AddLabel(intro, GetText(Text::ProgramStartIntro), 20, 40, 360, 30);
    const Text steps[] = {Text::Step1Description, Text::Step2Description, Text::ProgramStartStep3Description,
                          Text::Step4Description};
    for (int step = 0; step < 4; ++step) AddLabel(intro, GetText(steps[step]), 30, 75 + 15 * step, 340, 20);

    HWND step1 = pages_[1];
    AddLabel(step1, GetText(Text::NameLabel), 20, 70, 360, 16);
    AddEdit(step1, 20, 90, 160, 20, kIdName);
    AddCheckBox(step1, GetText(Text::AutoNameCheckBox), 20, 120, 160, 20, kIdAutoName);
    AddLabel(step1, GetText(Text::HintCaption), 200, 50, 180, 16);
    AddLabel(step1, GetText(Text::NamingHint), 200, 70, 180, 60);

    HWND step2 = pages_[2];
    AddLabel(step2, GetText(Text::PathLabel), 20, 70, 360, 16);
    AddEdit(step2, 20, 90, 296, 20, kIdPath);
    AddButton(step2, fixed_text::kChooserButton, 334, 89, 46, 22, kIdPathChooser);
    EnableControl(frame_.window(), NavigationRightId(2), false);

    AddTriggerControls(pages_[3], 70, 88, 110);
    SelectChoice(frame_.window(), shownChoice_);
    EnableControl(frame_.window(), NavigationRightId(3), false);

    HWND step4 = pages_[4];
    AddLabel(step4, GetText(Text::ParametersLabel), 20, 70, 360, 16);
    AddEdit(step4, 20, 90, 360, 20, kIdParameters);
    AddLabel(step4, GetText(Text::NewEntryClosingHint), 20, 118, 360, 30);
    AddCheckBox(step4, GetText(Text::StartHiddenCheckBox), 20, 150, 150, 20, kIdHidden);

    frame_.onCommand = [this](int id, int code, HWND) { onCommand(id, code); };
    showPage(0);
    frame_.show();
    return true;
}

void ProgramStartWizard::showPage(int page) {
    for (int index = 0; index < kWizardPageCount; ++index) {
        ::ShowWindow(pages_[index], index == page ? SW_SHOW : SW_HIDE);
    }
    navigation_.page = page;
}

TriggerChoice ProgramStartWizard::choice() const { return ChoiceShown(frame_.window()); }

void ProgramStartWizard::updateStep1() {
    const bool automatic = IsChecked(FindControl(frame_.window(), kIdAutoName));
    EnableControl(frame_.window(), NavigationRightId(1), NameStepComplete(text(kIdName), automatic));
}

void ProgramStartWizard::updateStep2() {
    const std::string path = text(kIdPath);
    EnableControl(frame_.window(), NavigationRightId(2), NamesExistingFile(path, ProbePath(path)));
}

void ProgramStartWizard::updateStep3() {
    const std::string trigger = text(kIdTrigger);
    EnableControl(frame_.window(), NavigationRightId(3), TriggerStepComplete(choice(), trigger, ProbePath(trigger)));
}

void ProgramStartWizard::onCommand(int id, int code) {
    HWND window = frame_.window();
    switch (id) {
    case kIdName:
        updateStep1();
        return;
    case kIdAutoName:
        EnableControl(window, kIdName, !IsChecked(FindControl(window, kIdAutoName)));
        updateStep1();
        return;
    case kIdPath:
        updateStep2();
        return;
    case kIdPathChooser:
        if (code != BN_CLICKED) return;
        ChoosePath(window, dialogs_);
        updateStep2();
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
        updateStep3();
        return;
    case kIdTriggerChooser:
        if (code != BN_CLICKED) return;
        ChooseTrigger(window, dialogs_);
        updateStep3();
        return;
    default:
        break;
    }
    if (code != BN_CLICKED) return;
    const int page = navigation_.page;
    if (id == NavigationLeftId(page)) {
        if (page == 0) {
            frame_.end();
        } else {
            showPage(page - 1);
        }
    } else if (id == NavigationRightId(page)) {
        if (navigation_.onLastPage()) {
            commit();
            return;
        }
        if (page == 2 && IsChecked(FindControl(window, kIdAutoName))) {
            SetControlText(FindControl(window, kIdName), AutomaticName(text(kIdPath)));
        }
        showPage(page + 1);
        if (page == 0) updateStep1();
    }
}

void ProgramStartWizard::commit() {
    const bool hidden = IsChecked(FindControl(frame_.window(), kIdHidden));
    host_.app.model.programStart.append(
        MakeStoredEntry(text(kIdName), text(kIdTrigger), text(kIdParameters), hidden, text(kIdPath)));
    host_.app.saveEntries();
    if (host_.entriesChanged) host_.entriesChanged(ListKind::ProgramStart);
    frame_.end();
}

bool ProgramStartEdit::create() {
    const EntryList& list = host_.app.model.programStart;
    if (row_ >= list.size()) return false;
    const StartEntry entry = list[row_].entry;
    const std::string title = ReplaceFilePlaceholder(GetText(Text::ProgramStartEditTitle), entry.name);
    if (!frame_.create(host_.owner, title, kWidth, 430)) return false;
    const ImageSet& images = host_.images;
    HWND window = frame_.window();

    HWND first = frame_.addPanel(images, 0, 0, kWidth, 150, {{kImageSystemStart, 10}});
    AddLabel(first, GetText(Text::NameLabel), 20, 40, 360, 16);
    SetControlText(AddEdit(first, 20, 60, 296, 20, kIdName), entry.name);
    AddLabel(first, GetText(Text::PathLabel), 20, 90, 360, 16);
    SetControlText(AddEdit(first, 20, 110, 296, 20, kIdPath), entry.path);
    AddButton(first, fixed_text::kChooserButton, 334, 109, 46, 22, kIdPathChooser);

    HWND second = frame_.addPanel(images, 0, 150, kWidth, 125, {{kImageGlobe, 50}});
    AddTriggerControls(second, 40, 58, 85);
    shownChoice_ = TriggerChoiceOf(entry.condition);
    SelectChoice(window, shownChoice_);
    SetControlText(FindControl(window, kIdTrigger), entry.condition);

    HWND third = frame_.addPanel(images, 0, 275, kWidth, 155, {{kImageProgramStart, 90}});
    AddLabel(third, GetText(Text::ParametersLabel), 20, 40, 360, 16);
    SetControlText(AddEdit(third, 20, 60, 360, 20, kIdParameters), entry.parameters);
    AddLabel(third, GetText(Text::EditClosingHint), 20, 88, 360, 30);
    HWND hidden = AddCheckBox(third, GetText(Text::StartHiddenCheckBox), 20, 120, 150, 20, kIdHidden);
    ::SendMessageA(hidden, BM_SETCHECK, IsHidden(entry) ? BST_CHECKED : BST_UNCHECKED, 0);
    AddButton(third, GetText(Text::Apply), 200, 118, 80, 24, kIdApply);
    AddButton(third, GetText(Text::Cancel), 300, 118, 80, 24, kIdEditCancel);

    frame_.onCommand = [this](int id, int code, HWND) { onCommand(id, code); };
    // "Übernehmen" starts enabled: the stored row stands as it is until a field changes.
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
        updateApply();
        break;
    case kIdPathChooser:
        if (code == BN_CLICKED) ChoosePath(window, dialogs_);
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
        ChooseTrigger(window, dialogs_);
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
    const bool hidden = IsChecked(FindControl(frame_.window(), kIdHidden));
    EntryList& list = host_.app.model.programStart;
    if (row_ >= list.size()) return;
    list.replace(row_, MakeStoredEntry(text(kIdName), text(kIdTrigger), text(kIdParameters), hidden, text(kIdPath)));
    host_.app.saveEntries();
    if (host_.entriesChanged) host_.entriesChanged(ListKind::ProgramStart);
    frame_.end();
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
