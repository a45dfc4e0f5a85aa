#include "wizards/entry_parts_win.h"

#include <string>

#include "engine/path_probe.h"
#include "wizards/field_text_win.h"

namespace tolvane {

namespace {

constexpr int kNavigationY = 148;

// What a field holds, as the store would keep it; a text it cannot keep
// reads as empty, so no step rule takes it for a name or an existing file.
std::string FieldText(HWND frame, int id) {
    CheckedText checked = CheckFieldText(ControlText(FindControl(frame, id)));
    return checked.fault == FieldFault::None ? std::move(checked.text) : std::string();
}

PathKind Probe(std::string_view path) { return ProbePath(path); }

StepCheck NameStep(HWND frame) {
    return CheckNameStep(ControlText(FindControl(frame, kIdName)), IsChecked(FindControl(frame, kIdAutoName)));
}

StepCheck PathStep(HWND frame) { return CheckPathStep(ControlText(FindControl(frame, kIdPath)), Probe); }

}  // namespace

void StepPages::build(WizardFrame& frame, WizardHost& host, Text introText, Text step3Summary,
                      const std::function<void(HWND page)>& buildStep3) {
    wizard_ = &frame;
    host_ = &host;
    const ImageSet& images = host.images;
    frame_ = frame.window();
    const std::vector<BandIcon> icons[kWizardPageCount] = {
        {{kImageSystemStart, 10}, {kImageGlobe, 50}, {kImageProgramStart, 90}},
        {{kImageSystemStart, 10}},
        {{kImageSystemStart, 10}},
        {{kImageGlobe, 50}},
        {{kImageProgramStart, 90}},
    };
    for (int index = 0; index < kWizardPageCount; ++index) {
        pages_[index] = frame.addPanel(images, 0, 0, kWizardWidth, kWizardPageHeight, icons[index]);
        if (index > 0) AddStepTitle(pages_[index], images, index);
    }

    HWND intro = pages_[0];
    AddLabel(intro, GetText(introText), 20, 40, 360, 30);
    const Text steps[] = {Text::Step1Description, Text::Step2Description, step3Summary, Text::Step4Description};
    // Two of the summaries take two lines: each gets the lines it needs,
    // right below the introduction, ending above the navigation row.
    std::vector<HWND> summaries;
    for (int step = 0; step < 4; ++step)
        summaries.push_back(AddLabel(intro, GetText(steps[step]), 30, 70 + 15 * step, 350, 15));
    StackLabels(summaries);

    HWND step1 = pages_[1];
    AddLabel(step1, GetText(Text::NameLabel), 20, 70, 360, 16);
    AddTextField(step1, 20, 90, 160, 20, kIdName);
    AddCheckBox(step1, GetText(Text::AutoNameCheckBox), 20, 120, 160, 20, kIdAutoName);
    AddLabel(step1, GetText(Text::HintCaption), 200, 50, 180, 16);
    // Five lines at any scale, ending above the navigation row.
    AddLabel(step1, GetText(Text::NamingHint), 200, 70, 180, 74);

    HWND step2 = pages_[2];
    AddLabel(step2, GetText(Text::PathLabel), 20, 70, 360, 16);
    AddTextField(step2, 20, 90, 296, 20, kIdPath);
    AddButton(step2, fixed_text::kChooserButton, 334, 89, 46, 22, kIdPathChooser);

    if (buildStep3) buildStep3(pages_[3]);

    HWND step4 = pages_[4];
    AddLabel(step4, GetText(Text::ParametersLabel), 20, 70, 360, 16);
    AddTextField(step4, 20, 90, 360, 20, kIdParameters);
    AddLabel(step4, GetText(Text::NewEntryClosingHint), 20, 118, 360, 30);
    AddCheckBox(step4, GetText(Text::StartHiddenCheckBox), 20, 150, 150, 20, kIdHidden);

    // The navigation row comes last on each page, so that Tab reaches the
    // page's own fields before it.
    for (int index = 0; index < kWizardPageCount; ++index) {
        const bool first = index == 0, last = index == kWizardPageCount - 1;
        AddButton(pages_[index], GetText(first ? Text::Cancel : Text::Back), 200, kNavigationY, 80, 24,
                  NavigationLeftId(index));
        AddDefaultButton(pages_[index], GetText(last ? Text::Finish : Text::Next), 300, kNavigationY, 80, 24,
                         NavigationRightId(index));
    }
    EnableControl(frame_, NavigationRightId(2), false);
    frame.defaultButton = [this] { return NavigationRightId(navigation_.page); };

    show(0);
}

void StepPages::show(int page) {
    // The new page is shown before the old one goes, so that the focus has
    // a visible place to move to at every moment.
    ::ShowWindow(pages_[page], SW_SHOW);
    for (int index = 0; index < kWizardPageCount; ++index) {
        if (index != page) ::ShowWindow(pages_[index], SW_HIDE);
    }
    navigation_.page = page;
}

void StepPages::updateNameStep() { EnableControl(frame_, NavigationRightId(1), NameStep(frame_).enabled); }

void StepPages::updatePathStep() { EnableControl(frame_, NavigationRightId(2), PathStep(frame_).enabled); }

bool StepPages::refuse(const StepCheck& check, int fieldId) {
    if (!check.refusal) return false;
    WarnAboutField(*host_, frame_, *check.refusal);
    if (HWND field = FindControl(frame_, fieldId)) {
        ::SetFocus(field);
        ::SendMessageW(field, EM_SETSEL, 0, -1);
    }
    return true;
}

bool StepPages::onFieldCommand(int id) {
    switch (id) {
    case kIdName:
        updateNameStep();
        return true;
    case kIdAutoName:
        // The automatic name replaces whatever would be typed.
        EnableControl(frame_, kIdName, !IsChecked(FindControl(frame_, kIdAutoName)));
        updateNameStep();
        return true;
    case kIdPath:
        updatePathStep();
        return true;
    default:
        return false;
    }
}

StepPages::Request StepPages::onNavigation(int id) {
    const int page = navigation_.page;
    if (id == NavigationLeftId(page)) {
        if (page == 0) return Request::Cancel;
        show(page - 1);
        wizard_->focusFirst();
    } else if (id == NavigationRightId(page)) {
        if (navigation_.onLastPage()) return Request::Commit;
        if ((page == 1 && refuse(NameStep(frame_), kIdName)) || (page == 2 && refuse(PathStep(frame_), kIdPath))) return Request::None;
        if (page == 2 && IsChecked(FindControl(frame_, kIdAutoName))) {
            SetControlText(FindControl(frame_, kIdName), AutomaticName(FieldText(frame_, kIdPath)));
        }
        show(page + 1);
        if (page == 0) updateNameStep();
        wizard_->focusFirst();
    }
    return Request::None;
}

void AddNameAndPathSection(WizardFrame& frame, const ImageSet& images, const StartEntry& entry) {
    HWND section = frame.addPanel(images, 0, 0, kWizardWidth, 150, {{kImageSystemStart, 10}});
    AddLabel(section, GetText(Text::NameLabel), 20, 40, 360, 16);
    SetControlText(AddTextField(section, 20, 60, 296, 20, kIdName), entry.name);
    AddLabel(section, GetText(Text::PathLabel), 20, 90, 360, 16);
    SetControlText(AddTextField(section, 20, 110, 296, 20, kIdPath), entry.path);
    AddButton(section, fixed_text::kChooserButton, 334, 109, 46, 22, kIdPathChooser);
}

void AddParametersSection(WizardFrame& frame, const ImageSet& images, int y, const StartEntry& entry) {
    HWND section = frame.addPanel(images, 0, y, kWizardWidth, 155, {{kImageProgramStart, 90}});
    AddLabel(section, GetText(Text::ParametersLabel), 20, 40, 360, 16);
    SetControlText(AddTextField(section, 20, 60, 360, 20, kIdParameters), entry.parameters);
    AddLabel(section, GetText(Text::EditClosingHint), 20, 88, 360, 30);
    HWND hidden = AddCheckBox(section, GetText(Text::StartHiddenCheckBox), 20, 120, 150, 20, kIdHidden);
    ::SendMessageW(hidden, BM_SETCHECK, IsHidden(entry) ? BST_CHECKED : BST_UNCHECKED, 0);
    AddDefaultButton(section, GetText(Text::Apply), 200, 118, 80, 24, kIdApply);
    frame.defaultButton = [] { return static_cast<int>(kIdApply); };
    AddButton(section, GetText(Text::Cancel), 300, 118, 80, 24, kIdEditCancel);
    // "Übernehmen" starts enabled: the stored row stands as it is until a field changes.
}

void WarnAboutField(WizardHost& host, HWND owner, FieldRefusal refusal) {
    const std::string text = FieldFaultMessage(refusal.field, refusal.fault);
    if (host.warn) {
        host.warn(owner, text);
    } else {
        ShowFieldWarning(owner, text);
    }
}

std::optional<StartEntry> EntryOfFields(WizardHost& host, HWND frame, std::string_view condition,
                                        Field conditionField) {
    EntryTexts texts;
    texts.name = ControlText(FindControl(frame, kIdName));
    texts.condition = std::string(condition);
    texts.parameters = ControlText(FindControl(frame, kIdParameters));
    texts.path = ControlText(FindControl(frame, kIdPath));
    texts.hidden = IsChecked(FindControl(frame, kIdHidden));
    auto checked = StorableEntry(texts, conditionField);
    if (auto* refusal = std::get_if<FieldRefusal>(&checked)) {
        WarnAboutField(host, frame, *refusal);
        return std::nullopt;
    }
    return std::get<StartEntry>(std::move(checked));
}

bool TakePickedPath(WizardHost& host, HWND frame, int id, std::string_view utf8, Field picked) {
    if (utf8.empty()) return false;  // cancelled
    const CheckedText checked = CheckFieldText(utf8);
    if (checked.fault != FieldFault::None) {
        WarnAboutField(host, frame, {picked, checked.fault});
        return false;
    }
    SetControlText(FindControl(frame, id), checked.text);
    return true;
}

bool CommitEntry(WizardHost& host, ListKind kind, std::optional<std::size_t> row, const StartEntry& entry) {
    EntryList& list = host.app.model.list(kind);
    if (!row) {
        list.append(entry);
    } else if (*row < list.size()) {
        list.replace(*row, entry);
    } else {
        return false;
    }
    host.app.commitEntries();
    if (host.entriesChanged) host.entriesChanged(kind);
    return true;
}

}  // namespace tolvane
