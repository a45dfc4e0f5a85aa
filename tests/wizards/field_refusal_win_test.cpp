// Text the store cannot hold, pasted or picked in the entry windows, is
// refused with a message naming the field; nothing is committed or changed.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/app_win.h"
#include "core/entry_store.h"
#include "ui/image_set_win.h"
#include "wizards/condition_editor_win.h"
#include "wizards/program_start_wizard_win.h"
#include "wizards/system_start_wizard_win.h"
#include "wizards/wizard_test_kit_win.h"
#include "win/profile_store_aside_win.h"

using namespace tolvane;

namespace {

// Pastes UTF-16 into a field the way the clipboard does, then EN_CHANGE.
void Paste(HWND frame, int id, const std::wstring& text) {
    HWND field = FindControl(frame, id);
    ::SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    ::SendMessageW(::GetParent(field), WM_COMMAND, MAKEWPARAM(id, EN_CHANGE), reinterpret_cast<LPARAM>(field));
}

const std::wstring kForeign = L"Gr\x00FC\x00DF" L"e \x03A9 \x4E2D\x6587";  // Grüße Ω 中文

ConditionDialogs Dialogs(std::vector<std::string>& warnings, std::string chosen = {}) {
    ConditionDialogs dialogs;
    dialogs.chooseFile = [chosen](HWND) { return chosen; };
    dialogs.chooseFolder = [chosen](HWND) { return chosen; };
    dialogs.warn = [&warnings](HWND, const std::string& text) { warnings.push_back(text); };
    return dialogs;
}

class UnstorableText : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(store_.path().empty());
        app.store = std::make_unique<EntryStore>(HostFiles(), store_.path(), MakeRandomByteSource());
        app.model.systemStart.append({"alt", "", "-x", "", "C:\\alt.exe"});
        app.model.programStart.append({"p", "notepad.exe", "", "", "C:\\p.exe"});
        host.warn = [this](HWND, const std::string& text) { warnings.push_back(text); };
    }
    App app;
    ImageSet images = ImageSet::Load(::GetModuleHandleA(nullptr));
    WizardHost host{app, nullptr, images, nullptr, nullptr};
    std::vector<std::string> warnings, conditionWarnings;
    ProfileStoreAside store_;
};

}  // namespace

TEST_F(UnstorableText, ANameOutsideTheCodePageIsToldAndNotCommittedThenTheCorrectedOneIs) {
    SystemStartEdit edit(host, 0, Dialogs(conditionWarnings));
    ASSERT_TRUE(edit.create());
    HWND window = edit.frame().window();
    Paste(window, kIdName, kForeign);
    Click(window, kIdApply);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0], "Der Name enthält Zeichen, die Tolvane nicht speichern kann.");
    EXPECT_FALSE(edit.frame().ended()) << "the dialog stays open for correction";
    EXPECT_EQ(app.model.systemStart[0].entry.name, "alt");
    EXPECT_FALSE(store_.exists()) << "nothing was saved";

    Paste(window, kIdName, L"Gr\x00FC\x00DF" L"e \x20AC");  // € is in Windows-1252
    Click(window, kIdApply);
    EXPECT_EQ(warnings.size(), 1u);
    EXPECT_TRUE(edit.frame().ended());
    EXPECT_EQ(app.model.systemStart[0].entry.name, "Grüße €");
    EXPECT_EQ(store_.stored().systemStart[0].entry.name, "Grüße €");
}

TEST_F(UnstorableText, ATypedCharacterOutsideTheCodePageReachesTheFieldAsItIs) {
    SystemStartEdit edit(host, 0, Dialogs(conditionWarnings));
    ASSERT_TRUE(edit.create());
    HWND field = FindControl(edit.frame().window(), kIdName);
    ::SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    // A key typed on the keyboard arrives as a queued character.
    ASSERT_TRUE(::PostMessageW(field, WM_CHAR, 0x03A9, 1));
    edit.frame().pump();
    wchar_t text[8] = {};
    ::GetWindowTextW(field, text, 8);
    EXPECT_EQ(std::wstring(text), L"\x03A9") << "not turned into a code-page stand-in on its way";
    Click(edit.frame().window(), kIdApply);
    ASSERT_EQ(warnings.size(), 1u) << "and so it is told, not stored";
}

TEST_F(UnstorableText, APastedLineBreakInTheParametersIsRefusedNotCut) {
    SystemStartEdit edit(host, 0, Dialogs(conditionWarnings));
    ASSERT_TRUE(edit.create());
    Paste(edit.frame().window(), kIdParameters, L"-a\r\n-b");
    Click(edit.frame().window(), kIdApply);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0], "Die Parameter enthalten einen Zeilenumbruch, den Tolvane nicht speichern kann.");
    EXPECT_EQ(app.model.systemStart[0].entry.parameters, "-x");
    EXPECT_FALSE(edit.frame().ended());
}

TEST_F(UnstorableText, APickedFileOutsideTheCodePageLeavesThePathAsItWasAndATriggerIsChecked) {
    TriggerDialogs dialogs;
    dialogs.chooseFile = [](HWND) { return std::string("C:\\Tools\\\xCE\xA9.exe"); };  // C:\Tools\Ω.exe
    dialogs.chooseApplication = dialogs.chooseFile;
    ProgramStartEdit edit(host, 0, dialogs);
    ASSERT_TRUE(edit.create());
    HWND window = edit.frame().window();
    Click(window, kIdPathChooser);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].rfind("Der Pfad der gewählten Datei enthält Zeichen", 0), 0u) << warnings[0];
    EXPECT_EQ(FieldText(window, kIdPath), "C:\\p.exe") << "not replaced by a look-alike";

    Paste(window, kIdTrigger, L"\x4E2D\x6587.exe");
    Click(window, kIdApply);
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[1], "Das auslösende Programm enthält Zeichen, die Tolvane nicht speichern kann.");
    EXPECT_EQ(app.model.programStart[0].entry.condition, "notepad.exe");
}

TEST_F(UnstorableText, APreconditionValueOutsideTheCodePageIsNotAdded) {
    AddConditionDialog dialog(images, Dialogs(conditionWarnings, "C:\\\xE4\xB8\xAD"));
    ASSERT_TRUE(dialog.create(nullptr));
    HWND window = dialog.frame().window();
    HWND kinds = FindControl(window, kIdKindSelector);
    ::SendMessageA(kinds, CB_SETCURSEL, kFileExists, 0);
    ::SendMessageA(::GetParent(kinds), WM_COMMAND, MAKEWPARAM(kIdKindSelector, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(kinds));
    Click(window, kIdValueChooser);
    ASSERT_EQ(conditionWarnings.size(), 1u) << "the picked file is refused";
    EXPECT_EQ(FieldText(window, kIdTextField), "");

    Paste(window, kIdTextField, L"C:\\\x03A9.txt");
    Click(window, kIdAddOk);
    ASSERT_EQ(conditionWarnings.size(), 2u);
    EXPECT_EQ(conditionWarnings[1], "Der Wert enthält Zeichen, die Tolvane nicht speichern kann.");
    EXPECT_FALSE(dialog.result().has_value());
    EXPECT_FALSE(dialog.frame().ended());
}

TEST_F(UnstorableText, EachWizardStepTellsAtWeiterWhichFieldItCannotKeepAndStays) {
    const std::string file = MakeEmptyTempFile("tolvane-step-check.exe");
    ASSERT_FALSE(file.empty());
    TriggerDialogs dialogs;
    ProgramStartWizard wizard(host, dialogs);
    ASSERT_TRUE(wizard.create());
    HWND window = wizard.frame().window();
    Click(window, NavigationRightId(0));
    struct Step {
        int page, field;
        std::wstring refused, taken;
        std::string message;
    };
    const std::wstring path(file.begin(), file.end());
    const Step steps[] = {
        {1, kIdName, kForeign, L"Gr\x00FC\x00DF" L"e", "Der Name enthält Zeichen, die Tolvane nicht speichern kann."},
        {2, kIdPath, path + L"\r\n", path,
         "Der Pfad enthält einen Zeilenumbruch, den Tolvane nicht speichern kann."},
        {3, kIdTrigger, L"\x03A9.exe", L"notepad.exe",
         "Das auslösende Programm enthält Zeichen, die Tolvane nicht speichern kann."},
    };
    for (const Step& step : steps) {
        ASSERT_EQ(wizard.page(), step.page);
        if (step.field == kIdTrigger) Click(window, kIdTriggerProcess);
        Paste(window, step.field, step.refused);
        ASSERT_TRUE(Enabled(window, NavigationRightId(step.page))) << "Weiter is there to say why";
        Click(window, NavigationRightId(step.page));
        ASSERT_EQ(warnings.size(), 1u) << step.page;
        EXPECT_EQ(warnings[0], step.message);
        EXPECT_EQ(wizard.page(), step.page) << "the page stays for correction";
        EXPECT_EQ(FocusedId(), step.field) << "the keyboard is in the field at fault";
        warnings.clear();
        Paste(window, step.field, step.taken);
        Click(window, NavigationRightId(step.page));
        EXPECT_TRUE(warnings.empty());
    }
    EXPECT_EQ(wizard.page(), 4);
    Click(window, NavigationRightId(4));
    ASSERT_EQ(app.model.programStart.size(), 2u);
    EXPECT_EQ(app.model.programStart[1].entry.name, "Grüße");
    EXPECT_EQ(app.model.programStart[1].entry.condition, "notepad.exe");
    ::DeleteFileA(file.c_str());
}

TEST_F(UnstorableText, TheAddDialogJudgesOnlyTheShownFieldAndFocusesTheOneAtFault) {
    AddConditionDialog dialog(images, Dialogs(conditionWarnings));
    ASSERT_TRUE(dialog.create(nullptr));
    HWND window = dialog.frame().window();
    HWND kinds = FindControl(window, kIdKindSelector);
    ::SendMessageA(kinds, CB_SETCURSEL, kWaitSeconds, 0);
    ::SendMessageA(::GetParent(kinds), WM_COMMAND, MAKEWPARAM(kIdKindSelector, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(kinds));
    Paste(window, kIdTextField, L"\x03A9");  // left over from another kind, hidden now
    const struct {
        const wchar_t* digits;
        std::string message;
    } refused[] = {
        {L"5\r\n", "Der Wert enthält einen Zeilenumbruch, den Tolvane nicht speichern kann."},
        {L"1.5", "Bitte geben Sie eine ganze Zahl von 0 bis 2147483647 ein."},
    };
    for (const auto& value : refused) {
        ::SetFocus(FindControl(window, kIdAddOk));
        Paste(window, kIdDigitsField, value.digits);
        Click(window, kIdAddOk);
        ASSERT_FALSE(conditionWarnings.empty());
        EXPECT_EQ(conditionWarnings.back(), value.message);
        EXPECT_EQ(FocusedId(), kIdDigitsField);
        EXPECT_FALSE(dialog.frame().ended());
    }
    conditionWarnings.clear();
    Paste(window, kIdDigitsField, L"30");
    Click(window, kIdAddOk);
    EXPECT_TRUE(conditionWarnings.empty()) << "the hidden text field is not judged";
    ASSERT_TRUE(dialog.result().has_value());
    EXPECT_EQ(dialog.result()->value, "30");
}
