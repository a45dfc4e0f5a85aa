#include "wizards/system_start_wizard_win.h"

#include "core/texts.h"
#include "wizards/choosers_win.h"

namespace tolvane {

SystemStartWizard::SystemStartWizard(WizardHost& host, ConditionDialogs dialogs)
    : chooseFile(&ChooseProgramFile), host_(host), conditions_(host.images, std::move(dialogs)) {}

bool SystemStartWizard::create() {
    const std::string_view title = GetText(Text::NewSystemStartWizard);
    if (!frame_.create(host_.owner, title, kWizardWidth, kWizardPageHeight)) return false;
    steps_.build(frame_, host_, Text::SystemStartIntro, Text::SystemStartStep3Description,
                 [this](HWND page) { conditions_.build(page, ConditionEditor::Place::WizardPage); });
    frame_.onCommand = [this](int id, int code, HWND) { onCommand(id, code); };
    frame_.onNotify = [this](const NMHDR& header) { conditions_.onNotify(header); };
    frame_.show();
    return true;
}

void SystemStartWizard::onCommand(int id, int code) {
    if (conditions_.onCommand(id, code) || steps_.onFieldCommand(id)) return;
    if (code != BN_CLICKED) return;
    if (id == kIdPathChooser) {
        TakePickedPath(host_, frame_.window(), kIdPath, chooseFile ? chooseFile(frame_.window()) : std::string());
        steps_.updatePathStep();
        return;
    }
    switch (steps_.onNavigation(id)) {
    case StepPages::Request::Cancel: frame_.end(); break;
    case StepPages::Request::Commit: commit(); break;
    case StepPages::Request::None: break;
    }
}

void SystemStartWizard::commit() {
    const auto entry = EntryOfFields(host_, frame_.window(), std::string(conditions_.encode()), Field::ConditionValue);
    if (entry && CommitEntry(host_, ListKind::SystemStart, std::nullopt, *entry)) frame_.end();
}

SystemStartEdit::SystemStartEdit(WizardHost& host, std::size_t row, ConditionDialogs dialogs)
    : chooseFile(&ChooseProgramFile), host_(host), row_(row), conditions_(host.images, std::move(dialogs)) {}

bool SystemStartEdit::create() {
    const EntryList& list = host_.app.model.systemStart;
    if (row_ >= list.size()) return false;
    const StartEntry entry = list[row_].entry;
    const std::string title = ReplaceFilePlaceholder(GetText(Text::SystemStartEditTitle), entry.name);
    if (!frame_.create(host_.owner, title, kWizardWidth, 455)) return false;
    const ImageSet& images = host_.images;

    AddNameAndPathSection(frame_, images, entry);
    HWND second = frame_.addPanel(images, 0, 150, kWizardWidth, 150, {{kImageGlobe, 50}});
    conditions_.build(second, ConditionEditor::Place::EditSection);
    conditions_.load(entry.condition);

    AddParametersSection(frame_, images, 300, entry);

    frame_.onCommand = [this](int id, int code, HWND) { onCommand(id, code); };
    frame_.onNotify = [this](const NMHDR& header) { conditions_.onNotify(header); };
    frame_.show();
    return true;
}

void SystemStartEdit::onCommand(int id, int code) {
    if (conditions_.onCommand(id, code)) return;
    switch (id) {
    case kIdName:
        // A change of the text, not the focus the dialog opens with.
        if (code == EN_CHANGE) EnableControl(frame_.window(), kIdApply, SystemStartEditComplete(text(kIdName)));
        break;
    case kIdPathChooser: {
        if (code != BN_CLICKED) break;
        TakePickedPath(host_, frame_.window(), kIdPath, chooseFile ? chooseFile(frame_.window()) : std::string());
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
    const auto entry = EntryOfFields(host_, frame_.window(), std::string(conditions_.encode()), Field::ConditionValue);
    if (entry && CommitEntry(host_, ListKind::SystemStart, row_, *entry)) frame_.end();
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
