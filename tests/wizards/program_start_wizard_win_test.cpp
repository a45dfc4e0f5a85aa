// The program-start wizard, its edit dialog and the process chooser,
// driven by messages; commits are read back from the model and the store.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/app_win.h"
#include "core/entry_store.h"
#include "core/texts.h"
#include "ui/image_set_win.h"
#include "wizards/process_chooser_win.h"
#include "wizards/program_start_wizard_win.h"
#include "wizards/wizard_test_kit_win.h"
#include "win/profile_store_aside_win.h"

using namespace tolvane;

namespace {

class ProgramWizardTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(store_.path().empty());
        app.store = std::make_unique<EntryStore>(HostFiles(), store_.path(), MakeRandomByteSource());
        program = MakeEmptyTempFile("my_tool.exe");
        ASSERT_FALSE(program.empty());
        dialogs.chooseFile = [](HWND) { return std::string(); };
        dialogs.chooseApplication = [this](HWND) { return application; };
        dialogs.chooseProcess = [this](HWND) { ++processChoices; return process; };
    }
    void TearDown() override { ::DeleteFileA(program.c_str()); }
    EntryModel Stored() const { return store_.stored(); }

    App app;
    ImageSet images = ImageSet::Load(::GetModuleHandleA(nullptr));
    std::vector<ListKind> changed;
    WizardHost host{app, nullptr, images, [this](ListKind kind) { changed.push_back(kind); },
                    [] { return std::vector<std::string>{" a.exe ", "IDLE", "", "a.exe", "?", "System"}; }};
    TriggerDialogs dialogs;
    std::string program, application;
    std::optional<std::string> process;
    int processChoices = 0;

private:
    ProfileStoreAside store_;
};

}  // namespace

TEST_F(ProgramWizardTest, TriggerStepFollowsTheChosenOption) {
    ProgramStartWizard wizard(host, dialogs);
    ASSERT_TRUE(wizard.create());
    HWND window = wizard.frame().window();
    Click(window, NavigationRightId(0));
    Click(window, kIdAutoName);
    EXPECT_FALSE(Enabled(window, kIdName));
    Click(window, NavigationRightId(1));
    EXPECT_FALSE(Enabled(window, NavigationRightId(2)));
    Type(window, kIdPath, program);
    Click(window, NavigationRightId(2));
    EXPECT_EQ(FieldText(window, kIdName), "my tool");
    EXPECT_EQ(wizard.page(), 3);

    EXPECT_TRUE(IsChecked(FindControl(window, kIdTriggerApplication)));
    EXPECT_FALSE(Enabled(window, NavigationRightId(3)));
    Type(window, kIdTrigger, TempPath(""));  // a folder
    EXPECT_FALSE(Enabled(window, NavigationRightId(3)));
    application = program;
    Click(window, kIdTriggerChooser);
    EXPECT_EQ(FieldText(window, kIdTrigger), program);
    EXPECT_TRUE(Enabled(window, NavigationRightId(3)));

    Click(window, kIdTriggerProcess);  // switching empties the field
    EXPECT_EQ(FieldText(window, kIdTrigger), "");
    EXPECT_FALSE(Enabled(window, NavigationRightId(3)));
    Type(window, kIdTrigger, "whatever.exe");  // no check that it runs
    EXPECT_TRUE(Enabled(window, NavigationRightId(3)));

    process.reset();  // cancelled chooser keeps the typed name
    Click(window, kIdTriggerChooser);
    EXPECT_EQ(FieldText(window, kIdTrigger), "whatever.exe");
    process = "System";
    Click(window, kIdTriggerChooser);
    EXPECT_EQ(processChoices, 2);
    EXPECT_EQ(FieldText(window, kIdTrigger), "System");

    Click(window, NavigationRightId(3));
    Type(window, kIdParameters, "/x");
    Click(window, NavigationRightId(4));
    EXPECT_TRUE(wizard.frame().ended());
    const StartEntry expected{"my tool", "System", "/x", "", program};
    ASSERT_EQ(app.model.programStart.size(), 1u);
    EXPECT_EQ(app.model.programStart[0].entry, expected);
    EXPECT_EQ(changed, std::vector<ListKind>{ListKind::ProgramStart});
    ASSERT_EQ(Stored().programStart.size(), 1u);
    EXPECT_EQ(Stored().programStart[0].entry, expected);
}

TEST_F(ProgramWizardTest, CloseBoxWritesNothing) {
    ProgramStartWizard wizard(host, dialogs);
    ASSERT_TRUE(wizard.create());
    ::SendMessageA(wizard.frame().window(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(wizard.frame().ended());
    EXPECT_TRUE(app.model.programStart.empty());
    EXPECT_TRUE(changed.empty());
}

TEST_F(ProgramWizardTest, EditOpensWithTheMatchingOptionAndKeepsTheRow) {
    for (const char* name : {"a", "b", "c", "d", "e"}) {
        app.model.programStart.append(StartEntry{name, "C:\\w\\t.exe", "", "", "C:\\x.exe"});
    }
    app.model.programStart.replace(2, StartEntry{"c", "notepad.exe", "-p", "X", "C:\\c.exe"});
    {
        ProgramStartEdit edit(host, 0, dialogs);
        ASSERT_TRUE(edit.create());
        EXPECT_TRUE(IsChecked(FindControl(edit.frame().window(), kIdTriggerApplication)));
        Click(edit.frame().window(), kIdEditCancel);
        EXPECT_TRUE(edit.frame().ended());
    }
    ProgramStartEdit edit(host, 2, dialogs);
    ASSERT_TRUE(edit.create());
    HWND window = edit.frame().window();
    EXPECT_EQ(ControlText(window), ReplaceFilePlaceholder(GetText(Text::ProgramStartEditTitle), "c"));
    RECT client{};
    ::GetClientRect(window, &client);
    EXPECT_EQ(client.bottom, 430);
    EXPECT_TRUE(IsChecked(FindControl(window, kIdTriggerProcess)));
    EXPECT_EQ(FieldText(window, kIdTrigger), "notepad.exe");
    EXPECT_TRUE(IsChecked(FindControl(window, kIdHidden)));
    EXPECT_TRUE(Enabled(window, kIdApply));
    Click(window, kIdTriggerProcess);  // the choice already made: the stored trigger stays
    EXPECT_EQ(FieldText(window, kIdTrigger), "notepad.exe");
    EXPECT_TRUE(Enabled(window, kIdApply));

    Click(window, kIdTriggerApplication);
    EXPECT_EQ(FieldText(window, kIdTrigger), "");
    EXPECT_FALSE(Enabled(window, kIdApply));
    Type(window, kIdTrigger, "C:\\missing\\y.exe");  // the edit dialog does not probe
    EXPECT_TRUE(Enabled(window, kIdApply));
    Type(window, kIdName, "");
    EXPECT_FALSE(Enabled(window, kIdApply));
    Type(window, kIdName, "c2");
    Click(window, kIdApply);

    EXPECT_TRUE(edit.frame().ended());
    ASSERT_EQ(app.model.programStart.size(), 5u);
    EXPECT_EQ(app.model.programStart[2].entry, (StartEntry{"c2", "C:\\missing\\y.exe", "-p", "X", "C:\\c.exe"}));
    EXPECT_EQ(app.model.programStart[3].entry.name, "d");
    EXPECT_EQ(Stored().programStart[2].entry.name, "c2");
}

TEST_F(ProgramWizardTest, EditOfARowWithoutNameOpensWithApplyEnabled) {
    app.model.programStart.append(StartEntry{"", "", "", "", "C:\\x.exe"});
    ProgramStartEdit edit(host, 0, dialogs);
    ASSERT_TRUE(edit.create());
    HWND window = edit.frame().window();
    EXPECT_TRUE(Enabled(window, kIdApply));
    Type(window, kIdName, "named");  // from the first change on, the rule holds
    EXPECT_FALSE(Enabled(window, kIdApply));
    Type(window, kIdTrigger, "t.exe");
    EXPECT_TRUE(Enabled(window, kIdApply));
}

TEST_F(ProgramWizardTest, ApplicationTriggerIsNoPattern) {
    ProgramStartWizard wizard(host, dialogs);
    ASSERT_TRUE(wizard.create());
    HWND window = wizard.frame().window();
    Click(window, NavigationRightId(0));
    Type(window, kIdName, "n");
    Click(window, NavigationRightId(1));
    Type(window, kIdPath, program);
    Click(window, NavigationRightId(2));
    Type(window, kIdTrigger, TempPath("my_to?l.exe"));  // the probe would find my_tool.exe
    EXPECT_FALSE(Enabled(window, NavigationRightId(3)));
    Type(window, kIdTrigger, program);
    EXPECT_TRUE(Enabled(window, NavigationRightId(3)));
    Click(window, kIdTriggerApplication);  // already chosen: nothing is emptied
    EXPECT_EQ(FieldText(window, kIdTrigger), program);
}

TEST_F(ProgramWizardTest, ProcessChooserListsFilteredNamesAndTakesTheFirstOnOk) {
    // What the real "..." offers: filtered and trimmed, duplicates kept.
    const std::vector<std::string> names = ChooserProcessNames(host.runningProcessNames());
    EXPECT_EQ(names, (std::vector<std::string>{"a.exe", "a.exe", "System"}));

    ProcessChooser chooser(images, names);
    ASSERT_TRUE(chooser.create(nullptr));
    HWND list = FindControl(chooser.frame().window(), kIdProcessList);
    EXPECT_EQ(::SendMessageA(list, CB_GETCOUNT, 0, 0), 3);
    Click(chooser.frame().window(), IDOK);
    EXPECT_TRUE(chooser.frame().ended());
    ASSERT_TRUE(chooser.result().has_value());
    EXPECT_EQ(*chooser.result(), "a.exe");

    ProcessChooser other(images, names);
    ASSERT_TRUE(other.create(nullptr));
    ::SendMessageA(FindControl(other.frame().window(), kIdProcessList), CB_SETCURSEL, 2, 0);
    Click(other.frame().window(), IDCANCEL);
    EXPECT_FALSE(other.result().has_value());

    ProcessChooser empty(images, {});
    ASSERT_TRUE(empty.create(nullptr));
    Click(empty.frame().window(), IDOK);
    ASSERT_TRUE(empty.result().has_value());
    EXPECT_EQ(*empty.result(), "");
}

TEST_F(ProgramWizardTest, KeyboardAloneMakesAnEntryByProcessName) {
    ProgramStartWizard wizard(host, dialogs);
    ASSERT_TRUE(wizard.create());
    WizardFrame& frame = wizard.frame();
    PressKey(frame, VK_RETURN);
    TypeKeys(frame, "Per Tastatur");
    PressKey(frame, VK_RETURN);
    ASSERT_EQ(wizard.page(), 2);
    Type(frame.window(), kIdPath, program);
    PressKey(frame, VK_RETURN);
    ASSERT_EQ(wizard.page(), 3);
    EXPECT_EQ(FocusedId(), kIdTriggerApplication);
    PressKey(frame, VK_RETURN);  // no trigger yet: "Weiter" is disabled
    EXPECT_EQ(wizard.page(), 3);
    PressKey(frame, VK_RIGHT);   // the option group: "Prozessname"
    EXPECT_EQ(FocusedId(), kIdTriggerProcess);
    PressKey(frame, VK_TAB);
    EXPECT_EQ(FocusedId(), kIdTrigger);
    TypeKeys(frame, "notepad.exe");
    PressKey(frame, VK_RETURN);
    ASSERT_EQ(wizard.page(), 4);
    EXPECT_EQ(FocusedId(), kIdParameters);
    PressKey(frame, VK_RETURN);
    EXPECT_TRUE(frame.ended());
    ASSERT_EQ(Stored().programStart.size(), 1u);
    EXPECT_EQ(Stored().programStart[0].entry, (StartEntry{"Per Tastatur", "notepad.exe", "", "", program}));
}

TEST_F(ProgramWizardTest, ProcessChooserOpensInItsListAndEnterTakesTheChoice) {
    ProcessChooser chooser(images, {"a.exe", "b.exe"});
    ASSERT_TRUE(chooser.create(nullptr));
    EXPECT_EQ(FocusedId(), kIdProcessList);
    PressKey(chooser.frame(), VK_DOWN);
    PressKey(chooser.frame(), VK_RETURN);
    EXPECT_TRUE(chooser.frame().ended());
    ASSERT_TRUE(chooser.result().has_value());
    EXPECT_EQ(*chooser.result(), "b.exe");

    ProcessChooser other(images, {"a.exe"});
    ASSERT_TRUE(other.create(nullptr));
    PressKey(other.frame(), VK_ESCAPE);
    EXPECT_TRUE(other.frame().ended());
    EXPECT_FALSE(other.result().has_value());
}
