#include "wizards/condition_editor_win.h"

#include <commctrl.h>

#include "core/texts.h"
#include "core/wide_text_win.h"
#include "ui/dpi_win.h"
#include "wizards/choosers_win.h"
#include "wizards/field_check.h"
#include "wizards/field_text_win.h"
#include "wizards/process_chooser_win.h"

namespace tolvane {

ConditionDialogs SystemConditionDialogs(WizardHost& host) {
    ConditionDialogs dialogs;
    dialogs.chooseFile = &ChooseAnyFile;
    dialogs.chooseFolder = &ChooseFolder;
    dialogs.warn = &ShowFieldWarning;
    dialogs.chooseProcess = [&host](HWND owner) {
        return ChooseRunningProcess(host.images, host.runningProcessNames, owner);
    };
    return dialogs;
}

bool AddConditionDialog::create(HWND owner) {
    if (!frame_.create(owner, GetText(Text::AddCondition), 300, 160)) return false;
    HWND panel = frame_.addPanel(images_, 0, 0, 300, 160, {{kImageGlobe, 10}});
    AddLabel(panel, std::string(GetText(Text::ColumnCondition)) + ":", 20, 40, 100, 20);
    HWND kinds = AddControl(panel, L"COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 20, 60, 260, 200,
                            kIdKindSelector);
    for (int kind = 0; kind < kConditionKindCount; ++kind) {
        ::SendMessageW(kinds, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideOfUtf8(KindLabel(kind)).c_str()));
    }
    ::SendMessageW(kinds, CB_SETCURSEL, 0, 0);
    AddTextField(panel, 20, 90, 80, 20, kIdDigitsField, ES_NUMBER);
    AddTextField(panel, 20, 90, 220, 20, kIdTextField);
    AddButton(panel, fixed_text::kChooserButton, 250, 90, 30, 20, kIdValueChooser);
    AddControl(panel, L"STATIC", fixed_text::kUnitSeconds, SS_LEFT, 110, 93, 100, 20, kIdUnitSeconds);
    AddControl(panel, L"STATIC", fixed_text::kUnitMegabyte, SS_LEFT, 110, 93, 100, 20, kIdUnitMegabyte);
    AddControl(panel, L"STATIC", fixed_text::kUnitPercent, SS_LEFT, 110, 93, 100, 20, kIdUnitPercent);
    AddDefaultButton(panel, GetText(Text::Ok), 100, 124, 80, 24, kIdAddOk);
    AddButton(panel, GetText(Text::Cancel), 200, 124, 80, 24, kIdAddCancel);
    showKindControls();
    frame_.onCommand = [this](int id, int code, HWND) { onCommand(id, code); };
    frame_.defaultButton = [] { return static_cast<int>(IDOK); };
    frame_.show();
    return true;
}

int AddConditionDialog::selectedKind() const {
    const LRESULT index = ::SendMessageW(FindControl(frame_.window(), kIdKindSelector), CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? 0 : static_cast<int>(index);
}

void AddConditionDialog::showKindControls() {
    const KindControls shown = ControlsForKind(selectedKind());
    auto show = [this](int id, bool visible) {
        ::ShowWindow(FindControl(frame_.window(), id), visible ? SW_SHOW : SW_HIDE);
    };
    show(kIdDigitsField, shown.digits);
    show(kIdTextField, shown.text);
    show(kIdValueChooser, shown.chooser);
    show(kIdUnitSeconds, shown.seconds);
    show(kIdUnitMegabyte, shown.megabyte);
    show(kIdUnitPercent, shown.percent);
}

void AddConditionDialog::focusField(ValueField field) {
    const int id = field == ValueField::Digits ? kIdDigitsField : field == ValueField::Text ? kIdTextField : kIdKindSelector;
    HWND control = FindControl(frame_.window(), id);
    ::SetFocus(control);
    // The whole value is selected, so that typing replaces it.
    if (field != ValueField::None) ::SendMessageW(control, EM_SETSEL, 0, -1);
}

void AddConditionDialog::onCommand(int id, int code) {
    HWND window = frame_.window();
    switch (id) {
    case kIdKindSelector:
        if (code == CBN_SELCHANGE) showKindControls();
        break;
    case kIdValueChooser: {
        if (code != BN_CLICKED) break;
        if (ControlsForKind(selectedKind()).processChooser) {
            // Shown as it is, as for a trigger: "OK" tells of a name the store cannot hold.
            const std::optional<std::string> name = dialogs_.chooseProcess ? dialogs_.chooseProcess(window) : std::nullopt;
            if (name) SetControlText(FindControl(window, kIdTextField), *name);
            break;
        }
        const bool folder = ControlsForKind(selectedKind()).folderChooser;
        const auto& choose = folder ? dialogs_.chooseFolder : dialogs_.chooseFile;
        const std::string path = choose ? choose(window) : std::string();
        if (path.empty()) break;
        const CheckedText checked = CheckFieldText(path);
        if (checked.fault == FieldFault::None) {
            SetControlText(FindControl(window, kIdTextField), checked.text);
        } else if (dialogs_.warn) {
            dialogs_.warn(window, FieldFaultMessage(folder ? Field::PickedFolder : Field::PickedFile, checked.fault));
        }
        break;
    }
    case kIdAddOk: {
        if (code != BN_CLICKED) break;
        // Read wide and checked first: the rules below would otherwise see
        // "O" for a pasted "Ω" and add a value the user never typed.
        const std::string digitsUtf8 = ControlText(FindControl(window, kIdDigitsField));
        const std::string textUtf8 = ControlText(FindControl(window, kIdTextField));
        const int kind = selectedKind();
        if (const ValueFieldFault refused = ShownFieldFault(kind, digitsUtf8, textUtf8);
            refused.fault != FieldFault::None) {
            if (dialogs_.warn) dialogs_.warn(window, FieldFaultMessage(Field::ConditionValue, refused.fault));
            focusField(refused.field);
            break;
        }
        const AddDecision decision =
            DecideAdd(kind, CheckFieldText(digitsUtf8).text, CheckFieldText(textUtf8).text);
        if (decision.problem != ValueProblem::None) {
            if (dialogs_.warn) dialogs_.warn(window, ValueProblemMessage(decision.problem, kind));
            focusField(FieldAtFault(kind, decision.problem));
            break;
        }
        result_ = decision.item;
        frame_.end();
        break;
    }
    case kIdAddCancel:
        if (code == BN_CLICKED) frame_.end();
        break;
    default:
        break;
    }
}

void ConditionEditor::build(HWND panel, Place place) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
    const bool page = place == Place::WizardPage;
    AddLabel(panel, GetText(Text::ConditionEditorLabel), 20, page ? 70 : 40, 100, 40);
    listView_ = ::CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                                  Scale(130), Scale(40), Scale(250), Scale(90), panel,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdConditionList)),
                                  ::GetModuleHandleW(nullptr), nullptr);
    ::SendMessageW(listView_, WM_SETFONT, reinterpret_cast<WPARAM>(DialogFont()), FALSE);
    ListView_SetExtendedListViewStyle(listView_, LVS_EX_FULLROWSELECT);
    AddListColumn(listView_, 0, GetText(Text::ColumnCondition), 165);
    AddListColumn(listView_, 1, GetText(Text::ColumnValue), 64);
    if (page) {
        AddButton(panel, GetText(Text::AddCondition), 10, 148, 80, 24, kIdAddCondition);
        remove_ = AddButton(panel, GetText(Text::RemoveCondition), 100, 148, 80, 24, kIdRemoveCondition);
    } else {
        AddButton(panel, GetText(Text::AddCondition), 20, 80, 90, 24, kIdAddCondition);
        remove_ = AddButton(panel, GetText(Text::RemoveCondition), 20, 110, 90, 24, kIdRemoveCondition);
    }
    ::EnableWindow(remove_, FALSE);
    if (!runAddDialog) {
        runAddDialog = [this](HWND owner) -> std::optional<ConditionItem> {
            AddConditionDialog dialog(images_, dialogs_);
            if (!dialog.create(owner)) return std::nullopt;
            dialog.run();
            return dialog.result();
        };
    }
    refill();
}

void ConditionEditor::load(std::string_view text) {
    list_.load(text);
    refill();
}

void ConditionEditor::refill() {
    if (!listView_) return;
    ::SendMessageW(listView_, LVM_DELETEALLITEMS, 0, 0);
    int index = 0;
    for (const ConditionItem& row : list_.rows()) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = index;
        std::wstring label = WideOfUtf8(row.label), value = WideOfUtf8(row.value);
        item.pszText = label.data();
        ::SendMessageW(listView_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        item.iSubItem = 1;
        item.pszText = value.data();
        ::SendMessageW(listView_, LVM_SETITEMTEXTW, index, reinterpret_cast<LPARAM>(&item));
        ++index;
    }
}

std::optional<std::size_t> ConditionEditor::selected() const {
    const LRESULT index = ::SendMessageW(listView_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
    if (index < 0) return std::nullopt;
    return static_cast<std::size_t>(index);
}

void ConditionEditor::updateRemove() { ::EnableWindow(remove_, RemoveEnabled(selected()) ? TRUE : FALSE); }

bool ConditionEditor::onCommand(int id, int code) {
    if (id == kIdAddCondition) {
        if (code != BN_CLICKED) return true;
        // The sub-dialog is owned by the wizard window itself.
        if (auto row = runAddDialog(::GetAncestor(listView_, GA_ROOT))) {
            // Keep the selection, and with it the state of "Entfernen".
            const std::optional<std::size_t> keep = selected();
            list_.add(std::move(*row));
            refill();
            if (keep) ListView_SetItemState(listView_, static_cast<int>(*keep), LVIS_SELECTED, LVIS_SELECTED);
        }
        return true;
    }
    if (id == kIdRemoveCondition) {
        if (code != BN_CLICKED) return true;
        if (auto row = selected()) {
            list_.remove(*row);
            ::SendMessageW(listView_, LVM_DELETEITEM, *row, 0);
        }
        updateRemove();
        return true;
    }
    return false;
}

bool ConditionEditor::onNotify(const NMHDR& header) {
    if (header.hwndFrom != listView_) return false;
    updateRemove();
    return true;
}

}  // namespace tolvane
