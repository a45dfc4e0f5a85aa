#include "wizards/system_start_wizard_win.h"

#include "core/texts.h"
#include "engine/path_probe.h"
#include "wizards/choosers_win.h"

namespace tolvane {

namespace {

constexpr int kWidth = 400;
constexpr int kPageHeight = 184;
constexpr int kNavigationY = 148;

void Enable(HWND frame, int id, bool enabled) { EnableControl(frame, id, enabled); }

}  // namespace

SystemStartWizard::SystemStartWizard(WizardHost& host, ConditionDialogs dialogs)
    : chooseFile(&ChooseProgramFile), host_(host), conditions_(host.images, std::move(dialogs)) {}

bool SystemStartWizard::create() {
    if (!frame_.create(host_.owner, GetText(Text::NewSystemStartWizard), kWidth, kPageHeight)) return false;
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
    AddLabel(intro, GetText(Text::SystemStartIntro), 20, 40, 360, 30);
    const Text steps[] = {Text::Step1Description, Text::Step2Description, Text::SystemStartStep3Description,
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
    Enable(frame_.window(), NavigationRightId(2), false);

    conditions_.build(pages_[3], ConditionEditor::Place::WizardPage);

    HWND step4 = pages_[4];
    AddLabel(step4, GetText(Text::ParametersLabel), 20, 70, 360, 16);
    AddEdit(step4, 20, 90, 360, 20, kIdParameters);
    AddLabel(step4, GetText(Text::NewEntryClosingHint), 20, 118, 360, 30);
    AddCheckBox(step4, GetText(Text::StartHiddenCheckBox), 20, 150, 150, 20, kIdHidden);

    frame_.onCommand = [this](int id, int code, HWND) { onCommand(id, code); };
    frame_.onNotify = [this](const NMHDR& header) { conditions_.onNotify(header); };
    showPage(0);
    frame_.show();
    return true;
}

void SystemStartWizard::showPage(int page) {
    for (int index = 0; index < kWizardPageCount; ++index) {
        ::ShowWindow(pages_[index], index == page ? SW_SHOW : SW_HIDE);
    }
    navigation_.page = page;
}

void SystemStartWizard::updateStep1() {
    const bool automatic = IsChecked(FindControl(frame_.window(), kIdAutoName));
    Enable(frame_.window(), NavigationRightId(1), NameStepComplete(text(kIdName), automatic));
}

void SystemStartWizard::updateStep2() {
    const std::string path = text(kIdPath);
    Enable(frame_.window(), NavigationRightId(2), NamesExistingFile(path, ProbePath(path)));
}

void SystemStartWizard::onCommand(int id, int code) {
    if (conditions_.onCommand(id, code)) return;
    switch (id) {
    case kIdName:
        updateStep1();
        return;
    case kIdAutoName:
        // The automatic name replaces whatever would be typed.
        Enable(frame_.window(), kIdName, !IsChecked(FindControl(frame_.window(), kIdAutoName)));
        updateStep1();
        return;
    case kIdPath:
        updateStep2();
        return;
    case kIdPathChooser: {
        if (code != BN_CLICKED) return;
        const std::string path = chooseFile ? chooseFile(frame_.window()) : std::string();
        if (!path.empty()) SetControlText(FindControl(frame_.window(), kIdPath), path);
        updateStep2();
        return;
    }
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
        if (page == 2 && IsChecked(FindControl(frame_.window(), kIdAutoName))) {
            SetControlText(FindControl(frame_.window(), kIdName), AutomaticName(text(kIdPath)));
        }
        showPage(page + 1);
        if (page == 0) updateStep1();
    }
}

void SystemStartWizard::commit() {
    const bool hidden = IsChecked(FindControl(frame_.window(), kIdHidden));
    host_.app.model.systemStart.append(
        MakeStoredEntry(text(kIdName), conditions_.encode(), text(kIdParameters), hidden, text(kIdPath)));
    host_.app.saveEntries();
    if (host_.entriesChanged) host_.entriesChanged(ListKind::SystemStart);
    frame_.end();
}

SystemStartEdit::SystemStartEdit(WizardHost& host, std::size_t row, ConditionDialogs dialogs)
    : chooseFile(&ChooseProgramFile), host_(host), row_(row), conditions_(host.images, std::move(dialogs)) {}

bool SystemStartEdit::create() {
    const EntryList& list = host_.app.model.systemStart;
    if (row_ >= list.size()) return false;
    const StartEntry entry = list[row_].entry;
    const std::string title = ReplaceFilePlaceholder(GetText(Text::SystemStartEditTitle), entry.name);
    if (!frame_.create(host_.owner, title, kWidth, 455)) return false;
    const ImageSet& images = host_.images;

    HWND first = frame_.addPanel(images, 0, 0, kWidth, 150, {{kImageSystemStart, 10}});
    AddLabel(first, GetText(Text::NameLabel), 20, 40, 360, 16);
    SetControlText(AddEdit(first, 20, 60, 296, 20, kIdName), entry.name);
    AddLabel(first, GetText(Text::PathLabel), 20, 90, 360, 16);
    SetControlText(AddEdit(first, 20, 110, 296, 20, kIdPath), entry.path);
    AddButton(first, fixed_text::kChooserButton, 334, 109, 46, 22, kIdPathChooser);

    HWND second = frame_.addPanel(images, 0, 150, kWidth, 150, {{kImageGlobe, 50}});
    conditions_.build(second, ConditionEditor::Place::EditSection);
    conditions_.load(entry.condition);

    HWND third = frame_.addPanel(images, 0, 300, kWidth, 155, {{kImageProgramStart, 90}});
    AddLabel(third, GetText(Text::ParametersLabel), 20, 40, 360, 16);
    SetControlText(AddEdit(third, 20, 60, 360, 20, kIdParameters), entry.parameters);
    AddLabel(third, GetText(Text::EditClosingHint), 20, 88, 360, 30);
    HWND hidden = AddCheckBox(third, GetText(Text::StartHiddenCheckBox), 20, 120, 150, 20, kIdHidden);
    ::SendMessageA(hidden, BM_SETCHECK, IsHidden(entry) ? BST_CHECKED : BST_UNCHECKED, 0);
    AddButton(third, GetText(Text::Apply), 200, 118, 80, 24, kIdApply);
    AddButton(third, GetText(Text::Cancel), 300, 118, 80, 24, kIdEditCancel);

    frame_.onCommand = [this](int id, int code, HWND) { onCommand(id, code); };
    frame_.onNotify = [this](const NMHDR& header) { conditions_.onNotify(header); };
    // "Übernehmen" starts enabled: the stored row stands as it is until a field changes.
    frame_.show();
    return true;
}

void SystemStartEdit::onCommand(int id, int code) {
    if (conditions_.onCommand(id, code)) return;
    switch (id) {
    case kIdName:
        Enable(frame_.window(), kIdApply, SystemStartEditComplete(text(kIdName)));
        break;
    case kIdPathChooser: {
        if (code != BN_CLICKED) break;
        const std::string path = chooseFile ? chooseFile(frame_.window()) : std::string();
        if (!path.empty()) SetControlText(FindControl(frame_.window(), kIdPath), path);
        break;
    }
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

void SystemStartEdit::commit() {
    const bool hidden = IsChecked(FindControl(frame_.window(), kIdHidden));
    EntryList& list = host_.app.model.systemStart;
    if (row_ >= list.size()) return;
    list.replace(row_, MakeStoredEntry(text(kIdName), conditions_.encode(), text(kIdParameters), hidden, text(kIdPath)));
    host_.app.saveEntries();
    if (host_.entriesChanged) host_.entriesChanged(ListKind::SystemStart);
    frame_.end();
}

void RunNewSystemStartWizard(WizardHost& host) {
    SystemStartWizard wizard(host);
    if (wizard.create()) wizard.run();
}

void RunSystemStartEdit(WizardHost& host, std::size_t row) {
    SystemStartEdit edit(host, row);
    if (edit.create()) edit.run();
}

}  // namespace tolvane
