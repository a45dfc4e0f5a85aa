// The precondition editor and its add sub-dialog, driven by messages.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "core/texts.h"
#include "ui/image_set_win.h"
#include "wizards/condition_editor_win.h"
#include "wizards/wizard_test_kit_win.h"

using namespace tolvane;

namespace {

struct Recorded {
    std::vector<std::string> warnings;
    int fileChoices = 0, folderChoices = 0, processChoices = 0;
    std::string chosen;
};

ConditionDialogs FakeDialogs(Recorded& seen) {
    ConditionDialogs dialogs;
    dialogs.chooseFile = [&seen](HWND) { ++seen.fileChoices; return seen.chosen; };
    dialogs.chooseFolder = [&seen](HWND) { ++seen.folderChoices; return seen.chosen; };
    dialogs.warn = [&seen](HWND, const std::string& text) { seen.warnings.push_back(text); };
    dialogs.chooseProcess = [&seen](HWND) -> std::optional<std::string> {
        ++seen.processChoices;
        if (seen.chosen.empty()) return std::nullopt;
        return seen.chosen;
    };
    return dialogs;
}

void SelectKind(HWND frame, int kind) {
    HWND kinds = FindControl(frame, kIdKindSelector);
    ::SendMessageA(kinds, CB_SETCURSEL, kind, 0);
    ::SendMessageA(::GetParent(kinds), WM_COMMAND, MAKEWPARAM(kIdKindSelector, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(kinds));
}

bool Visible(HWND frame, int id) { return ::IsWindowVisible(FindControl(frame, id)) != FALSE; }

class AddDialogTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dialog.create(nullptr)); window = dialog.frame().window(); }
    ImageSet images = ImageSet::Load(::GetModuleHandleA(nullptr));
    Recorded seen;
    AddConditionDialog dialog{images, FakeDialogs(seen)};
    HWND window = nullptr;
};

}  // namespace

TEST_F(AddDialogTest, StartsOnWaitingTimeWithSecondsAndShowsControlsByKind) {
    HWND kinds = FindControl(window, kIdKindSelector);
    EXPECT_EQ(::SendMessageA(kinds, CB_GETCOUNT, 0, 0), kConditionKindCount);
    EXPECT_EQ(::SendMessageA(kinds, CB_GETCURSEL, 0, 0), 0);
    EXPECT_TRUE(Visible(window, kIdDigitsField));
    EXPECT_TRUE(Visible(window, kIdUnitSeconds));
    EXPECT_FALSE(Visible(window, kIdTextField));
    EXPECT_FALSE(Visible(window, kIdUnitMegabyte));
    EXPECT_FALSE(Visible(window, kIdValueChooser));

    SelectKind(window, 1);  // internet: nothing
    EXPECT_FALSE(Visible(window, kIdDigitsField));
    EXPECT_FALSE(Visible(window, kIdTextField));
    EXPECT_FALSE(Visible(window, kIdUnitSeconds));
    EXPECT_FALSE(Visible(window, kIdValueChooser));

    SelectKind(window, 4);
    EXPECT_TRUE(Visible(window, kIdDigitsField));
    EXPECT_TRUE(Visible(window, kIdUnitMegabyte));

    SelectKind(window, 15);  // user name: text without chooser
    EXPECT_TRUE(Visible(window, kIdTextField));
    EXPECT_FALSE(Visible(window, kIdValueChooser));

    SelectKind(window, 13);
    EXPECT_TRUE(Visible(window, kIdValueChooser));
}

TEST_F(AddDialogTest, ChooserPicksFileOrFolderByKindAndCancelKeepsTheField) {
    SelectKind(window, 11);
    seen.chosen = "C:\\x.txt";
    Click(window, kIdValueChooser);
    EXPECT_EQ(ControlText(FindControl(window, kIdTextField)), "C:\\x.txt");
    SelectKind(window, 14);
    seen.chosen = "";
    Click(window, kIdValueChooser);
    EXPECT_EQ(seen.fileChoices, 1);
    EXPECT_EQ(seen.folderChoices, 1);
    EXPECT_EQ(ControlText(FindControl(window, kIdTextField)), "C:\\x.txt");
}

TEST_F(AddDialogTest, BraceInTheHiddenTextFieldIsRefusedAndTheDialogStaysOpen) {
    SelectKind(window, 11);
    SetControlText(FindControl(window, kIdTextField), "C:\\{a}");
    SelectKind(window, 0);
    Click(window, kIdAddOk);
    ASSERT_EQ(seen.warnings.size(), 1u);
    EXPECT_EQ(seen.warnings[0], GetText(Text::BraceMessage));
    EXPECT_FALSE(dialog.frame().ended());
    EXPECT_FALSE(dialog.result().has_value());

    SelectKind(window, 11);
    SetControlText(FindControl(window, kIdTextField), "C:\\a;b");  // would split the stored text
    Click(window, kIdAddOk);
    ASSERT_EQ(seen.warnings.size(), 2u);
    EXPECT_EQ(seen.warnings[1], "Die Vorraussetzung darf folgende Zeichen nicht enthalten: ;");
    EXPECT_FALSE(dialog.frame().ended());

    // Hidden, the ";" is not stored and stops nothing.
    SelectKind(window, 0);
    SetControlText(FindControl(window, kIdDigitsField), "30");
    Click(window, kIdAddOk);
    EXPECT_TRUE(dialog.frame().ended());
    ASSERT_TRUE(dialog.result().has_value());
    EXPECT_EQ(*dialog.result(), (ConditionItem{std::string(KindLabel(0)), "30"}));
}

TEST_F(AddDialogTest, ALoadIsAPercentageAndARunningProgramIsChosenFromTheProcesses) {
    SelectKind(window, kProcessorLoadBelow);
    EXPECT_TRUE(Visible(window, kIdDigitsField) && Visible(window, kIdUnitPercent));
    EXPECT_FALSE(Visible(window, kIdUnitMegabyte) || Visible(window, kIdValueChooser));
    SetControlText(FindControl(window, kIdDigitsField), "101");
    Click(window, kIdAddOk);
    ASSERT_EQ(seen.warnings.size(), 1u);
    EXPECT_EQ(seen.warnings[0], "Bitte geben Sie eine ganze Zahl von 0 bis 100 ein.");
    EXPECT_FALSE(dialog.frame().ended());

    SelectKind(window, kProgramRunning);
    EXPECT_TRUE(Visible(window, kIdTextField) && Visible(window, kIdValueChooser));
    EXPECT_FALSE(Visible(window, kIdUnitPercent));
    seen.chosen = "vpnclient.exe";
    Click(window, kIdValueChooser);
    EXPECT_EQ(seen.processChoices, 1);
    EXPECT_EQ(seen.fileChoices + seen.folderChoices, 0) << "processes, not files";
    Click(window, kIdAddOk);
    ASSERT_TRUE(dialog.result().has_value());
    EXPECT_EQ(*dialog.result(), (ConditionItem{"Programm ... läuft", "vpnclient.exe"}));
}

TEST_F(AddDialogTest, InternetKindAddsAnEmptyValueAndCancelAddsNothing) {
    SetControlText(FindControl(window, kIdDigitsField), "12");
    SelectKind(window, 1);
    Click(window, kIdAddOk);
    ASSERT_TRUE(dialog.result().has_value());
    EXPECT_EQ(*dialog.result(), (ConditionItem{std::string(KindLabel(1)), ""}));

    AddConditionDialog other(images, FakeDialogs(seen));
    ASSERT_TRUE(other.create(nullptr));
    Click(other.frame().window(), kIdAddCancel);
    EXPECT_TRUE(other.frame().ended());
    EXPECT_FALSE(other.result().has_value());
}

TEST(ConditionEditor, AddsRemovesAndEncodesInListOrder) {
    const ImageSet images = ImageSet::Load(::GetModuleHandleA(nullptr));
    Recorded seen;
    WizardFrame frame;
    ASSERT_TRUE(frame.create(nullptr, "w", 400, 184));
    HWND panel = frame.addPanel(images, 0, 0, 400, 184, {});
    ConditionEditor editor(images, FakeDialogs(seen));
    std::vector<ConditionItem> next = {{std::string(KindLabel(0)), "30"}, {std::string(KindLabel(1)), ""}};
    std::size_t asked = 0;
    editor.runAddDialog = [&](HWND) -> std::optional<ConditionItem> {
        if (asked >= next.size()) return std::nullopt;  // cancelled
        return next[asked++];
    };
    editor.build(panel, ConditionEditor::Place::WizardPage);
    frame.onCommand = [&](int id, int code, HWND) { editor.onCommand(id, code); };
    frame.onNotify = [&](const NMHDR& header) { editor.onNotify(header); };

    HWND list = FindControl(frame.window(), kIdConditionList);
    HWND remove = FindControl(frame.window(), kIdRemoveCondition);
    RECT place{};
    ::GetWindowRect(list, &place);
    EXPECT_EQ(place.right - place.left, 250);
    EXPECT_FALSE(::IsWindowEnabled(remove));

    Click(frame.window(), kIdAddCondition);
    Click(frame.window(), kIdAddCondition);
    Click(frame.window(), kIdAddCondition);  // cancelled: unchanged
    EXPECT_EQ(ListView_GetItemCount(list), 2);
    EXPECT_EQ(editor.encode(), std::string(KindLabel(0)) + "{30};" + std::string(KindLabel(1)) + "{};");

    ListView_SetItemState(list, 0, LVIS_SELECTED, LVIS_SELECTED);  // notifies the editor
    EXPECT_TRUE(::IsWindowEnabled(remove));
    Click(frame.window(), kIdRemoveCondition);
    EXPECT_EQ(ListView_GetItemCount(list), 1);
    EXPECT_EQ(editor.encode(), std::string(KindLabel(1)) + "{};");
    ListView_SetItemState(list, 0, LVIS_SELECTED, LVIS_SELECTED);
    Click(frame.window(), kIdRemoveCondition);
    EXPECT_EQ(editor.encode(), "");
    EXPECT_FALSE(::IsWindowEnabled(remove));
}

TEST(ConditionEditor, LoadsStoredRowsInTheEditSection) {
    const ImageSet images = ImageSet::Load(::GetModuleHandleA(nullptr));
    Recorded seen;
    WizardFrame frame;
    ASSERT_TRUE(frame.create(nullptr, "e", 400, 455));
    HWND panel = frame.addPanel(images, 0, 150, 400, 150, {{kImageGlobe, 50}});
    ConditionEditor editor(images, FakeDialogs(seen));
    editor.build(panel, ConditionEditor::Place::EditSection);
    const std::string text = std::string(KindLabel(0)) + "{5};" + std::string(KindLabel(15)) + "{anna};" +
                             std::string(KindLabel(2)) + "{};";
    editor.load(text);
    HWND list = FindControl(frame.window(), kIdConditionList);
    ASSERT_EQ(ListView_GetItemCount(list), 3);
    wchar_t value[64] = {};
    ListView_GetItemText(list, 1, 1, value, 64);
    EXPECT_STREQ(value, L"anna");
    EXPECT_EQ(editor.encode(), text);
}

TEST_F(AddDialogTest, OpensInTheKindListAndEnterPressesOk) {
    EXPECT_EQ(FocusedId(), kIdKindSelector);
    PressKey(dialog.frame(), VK_TAB);
    EXPECT_EQ(FocusedId(), kIdDigitsField);
    TypeKeys(dialog.frame(), "45");
    PressKey(dialog.frame(), VK_RETURN);
    EXPECT_TRUE(dialog.frame().ended());
    ASSERT_TRUE(dialog.result().has_value());
    EXPECT_EQ(*dialog.result(), (ConditionItem{std::string(KindLabel(0)), "45"}));
}

TEST(ConditionEditor, RemoveThatDisablesItselfHandsTheFocusOn) {
    const ImageSet images = ImageSet::Load(::GetModuleHandleA(nullptr));
    Recorded seen;
    WizardFrame frame;
    ASSERT_TRUE(frame.create(nullptr, "w", 400, 184));
    HWND panel = frame.addPanel(images, 0, 0, 400, 184, {});
    ConditionEditor editor(images, FakeDialogs(seen));
    editor.runAddDialog = [](HWND) { return std::optional<ConditionItem>(ConditionItem{std::string(KindLabel(1)), ""}); };
    editor.build(panel, ConditionEditor::Place::WizardPage);
    frame.onCommand = [&](int id, int code, HWND) { editor.onCommand(id, code); };
    frame.onNotify = [&](const NMHDR& header) { editor.onNotify(header); };
    frame.show();

    Click(frame.window(), kIdAddCondition);
    HWND list = FindControl(frame.window(), kIdConditionList);
    ListView_SetItemState(list, 0, LVIS_SELECTED, LVIS_SELECTED);
    Click(frame.window(), kIdRemoveCondition);  // the click puts the focus on "Entfernen"
    EXPECT_FALSE(Enabled(frame.window(), kIdRemoveCondition));
    EXPECT_EQ(FocusedId(), kIdAddCondition);
    // Typing goes on working: Enter presses the focused "Hinzufügen...".
    PressKey(frame, VK_RETURN);
    EXPECT_EQ(ListView_GetItemCount(list), 1);
}
