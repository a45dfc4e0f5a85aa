// The system-start wizard and edit dialog, driven by messages to their
// controls; commits are read back from the model and the store file.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/app_win.h"
#include "core/entry_store.h"
#include "core/texts.h"
#include "core/unique_handle_win.h"
#include "engine/path_probe.h"
#include "ui/image_set_win.h"
#include "wizards/system_start_wizard_win.h"
#include "wizards/wizard_test_kit_win.h"
#include "win/profile_store_aside_win.h"

using namespace tolvane;

namespace {

// Keeps the prefix's store aside and puts it back afterwards; the app under
// test saves into the real store file.
class WizardTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(store_.path().empty());
        app.store = std::make_unique<EntryStore>(HostFiles(), store_.path(), MakeRandomByteSource());
        owner = ::CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 100, 100, 600, 400, nullptr, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
        program = MakeEmptyTempFile("my_backup.exe");
        ASSERT_FALSE(program.empty());
    }
    void TearDown() override {
        ::DestroyWindow(owner);
        ::DeleteFileA(program.c_str());
    }
    EntryModel Stored() const { return store_.stored(); }
    bool StoreExists() const { return store_.exists(); }

    App app;
    ImageSet images = ImageSet::Load(::GetModuleHandleA(nullptr));
    std::vector<ListKind> changed;
    HWND owner = nullptr;
    WizardHost host{app, nullptr, images, [this](ListKind kind) { changed.push_back(kind); }, [] {
                        return std::vector<std::string>();
                    }};
    std::string program;

private:
    ProfileStoreAside store_;
};

}  // namespace

TEST_F(WizardTest, StepOneNeedsANameOrTheAutomaticName) {
    host.owner = owner;
    SystemStartWizard wizard(host, NoDialogs());
    ASSERT_TRUE(wizard.create());
    HWND window = wizard.frame().window();
    EXPECT_FALSE(::IsWindowEnabled(owner));
    EXPECT_EQ(ControlText(window), GetText(Text::NewSystemStartWizard));

    Click(window, NavigationRightId(0));
    EXPECT_EQ(wizard.page(), 1);
    EXPECT_FALSE(Enabled(window, NavigationRightId(1)));
    Type(window, kIdName, "a");
    EXPECT_TRUE(Enabled(window, NavigationRightId(1)));
    Type(window, kIdName, "");
    EXPECT_FALSE(Enabled(window, NavigationRightId(1)));
    Click(window, kIdAutoName);
    EXPECT_TRUE(Enabled(window, NavigationRightId(1)));
    EXPECT_FALSE(Enabled(window, kIdName));
    Click(window, kIdAutoName);
    EXPECT_TRUE(Enabled(window, kIdName));
    EXPECT_FALSE(Enabled(window, NavigationRightId(1)));

    // Leaving with the close box writes nothing and frees the owner.
    ::SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(wizard.frame().ended());
    wizard.frame().close();
    EXPECT_TRUE(::IsWindowEnabled(owner));
    EXPECT_TRUE(app.model.systemStart.empty());
    EXPECT_FALSE(StoreExists());
    EXPECT_TRUE(changed.empty());
}

TEST_F(WizardTest, StepTwoAcceptsOnlyAnExistingFile) {
    SystemStartWizard wizard(host, NoDialogs());
    ASSERT_TRUE(wizard.create());
    HWND window = wizard.frame().window();
    Click(window, NavigationRightId(0));
    Type(window, kIdName, "n");
    Click(window, NavigationRightId(1));
    EXPECT_EQ(wizard.page(), 2);
    EXPECT_FALSE(Enabled(window, NavigationRightId(2)));
    Type(window, kIdPath, TempPath(""));  // a folder
    EXPECT_FALSE(Enabled(window, NavigationRightId(2)));
    Type(window, kIdPath, "C:\\");
    EXPECT_FALSE(Enabled(window, NavigationRightId(2)));
    Type(window, kIdPath, TempPath("no-such-file.exe"));
    EXPECT_FALSE(Enabled(window, NavigationRightId(2)));
    Type(window, kIdPath, TempPath("my_back*.exe"));  // finds my_backup.exe, but is no file name
    EXPECT_FALSE(Enabled(window, NavigationRightId(2)));
    Type(window, kIdPath, program);
    EXPECT_TRUE(Enabled(window, NavigationRightId(2)));

    // The chooser's cancel keeps the field; a choice replaces it.
    std::string choice;
    wizard.chooseFile = [&choice](HWND) { return choice; };
    Click(window, kIdPathChooser);
    EXPECT_EQ(ControlText(FindControl(window, kIdPath)), program);
    choice = TempPath("no-such-file.exe");
    Click(window, kIdPathChooser);
    EXPECT_EQ(ControlText(FindControl(window, kIdPath)), choice);
    EXPECT_FALSE(Enabled(window, NavigationRightId(2)));

    // Back to step 1 and forward again keeps what was typed.
    Click(window, NavigationLeftId(2));
    Click(window, NavigationLeftId(1));
    Click(window, NavigationRightId(0));
    EXPECT_EQ(ControlText(FindControl(window, kIdName)), "n");
    EXPECT_TRUE(Enabled(window, NavigationRightId(1)));
}

// The file exists, but no 32-bit program can start it: the wizard agrees with
// the launcher and does not take it.
TEST_F(WizardTest, StepTwoRefusesAFileWhosePathIsTooLongToStart) {
    const std::string folder = TempPath("") + std::string(200 - TempPath("").size(), 'd');
    const std::string file = folder + "\\" + std::string(300 - folder.size() - 5, 'l') + ".exe";
    const auto wide = [](const std::string& path) { return L"\\\\?\\" + std::wstring(path.begin(), path.end()); };
    ASSERT_TRUE(::CreateDirectoryW(wide(folder).c_str(), nullptr) || ::GetLastError() == ERROR_ALREADY_EXISTS);
    UniqueFileHandle created(::CreateFileW(wide(file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(created);
    created.reset();

    SystemStartWizard wizard(host, NoDialogs());
    ASSERT_TRUE(wizard.create());
    HWND window = wizard.frame().window();
    Click(window, NavigationRightId(0));
    Type(window, kIdName, "n");
    Click(window, NavigationRightId(1));
    Type(window, kIdPath, file);
    ASSERT_EQ(ControlText(FindControl(window, kIdPath)), file);
    EXPECT_EQ(ProbePath(file), PathKind::File);
    EXPECT_FALSE(Enabled(window, NavigationRightId(2)));
    Type(window, kIdPath, program);
    EXPECT_TRUE(Enabled(window, NavigationRightId(2)));

    ::DeleteFileW(wide(file).c_str());
    ::RemoveDirectoryW(wide(folder).c_str());
}

TEST_F(WizardTest, FinishAppendsTheRowWithTheAutomaticNameAndSaves) {
    app.model.systemStart.append(StartEntry{"first", "", "", "", "C:\\first.exe"});
    SystemStartWizard wizard(host, NoDialogs());
    wizard.conditions().runAddDialog = [](HWND) {
        return std::optional<ConditionItem>(ConditionItem{std::string(KindLabel(0)), "30"});
    };
    ASSERT_TRUE(wizard.create());
    HWND window = wizard.frame().window();
    Click(window, NavigationRightId(0));
    Click(window, kIdAutoName);
    Click(window, NavigationRightId(1));
    Type(window, kIdPath, program);
    Click(window, NavigationRightId(2));
    EXPECT_EQ(ControlText(FindControl(window, kIdName)), "my backup");
    Click(window, kIdAddCondition);
    Click(window, NavigationRightId(3));
    Type(window, kIdParameters, "-q");
    Click(window, kIdHidden);
    EXPECT_EQ(wizard.page(), 4);
    Click(window, NavigationRightId(4));

    EXPECT_TRUE(wizard.frame().ended());
    const StartEntry expected{"my backup", std::string(KindLabel(0)) + "{30};", "-q", "X", program};
    ASSERT_EQ(app.model.systemStart.size(), 2u);
    EXPECT_EQ(app.model.systemStart[1].entry, expected);
    EXPECT_EQ(app.model.systemStart[1].pending, 0u);
    EXPECT_EQ(changed, std::vector<ListKind>{ListKind::SystemStart});
    const EntryModel stored = Stored();
    ASSERT_EQ(stored.systemStart.size(), 2u);
    EXPECT_EQ(stored.systemStart[1].entry, expected);
}

TEST_F(WizardTest, PlainFinishWritesEmptyMiddleColumns) {
    SystemStartWizard wizard(host, NoDialogs());
    ASSERT_TRUE(wizard.create());
    HWND window = wizard.frame().window();
    Click(window, NavigationRightId(0));
    Type(window, kIdName, "Notepad");
    Click(window, NavigationRightId(1));
    Type(window, kIdPath, program);
    Click(window, NavigationRightId(2));
    Click(window, NavigationRightId(3));
    Click(window, NavigationRightId(4));
    ASSERT_EQ(Stored().systemStart.size(), 1u);
    EXPECT_EQ(Stored().systemStart[0].entry, (StartEntry{"Notepad", "", "", "", program}));
}

TEST_F(WizardTest, EditKeepsTheRowInPlaceAndClearsItsWait) {
    for (const char* name : {"a", "b", "c", "d", "e"}) {
        app.model.systemStart.append(StartEntry{name, "", "", "", std::string("C:\\") + name + ".exe"}, 1);
    }
    const std::string conditions = std::string(KindLabel(0)) + "{5};" + std::string(KindLabel(1)) + "{};";
    app.model.systemStart.replace(2, StartEntry{"c", conditions, "-x", "X", "C:\\c.exe"});
    app.model.systemStart[2].pending = 1;

    host.owner = owner;
    SystemStartEdit edit(host, 2, NoDialogs());
    ASSERT_TRUE(edit.create());
    HWND window = edit.frame().window();
    EXPECT_EQ(ControlText(window), ReplaceFilePlaceholder(GetText(Text::SystemStartEditTitle), "c"));
    RECT client{};
    ::GetClientRect(window, &client);
    EXPECT_EQ(client.bottom, 455);
    EXPECT_EQ(ControlText(FindControl(window, kIdParameters)), "-x");
    EXPECT_TRUE(IsChecked(FindControl(window, kIdHidden)));
    EXPECT_TRUE(Enabled(window, kIdApply));
    Type(window, kIdName, "");
    EXPECT_FALSE(Enabled(window, kIdApply));
    Type(window, kIdName, "renamed");
    EXPECT_TRUE(Enabled(window, kIdApply));
    Click(window, kIdHidden);
    Click(window, kIdApply);

    EXPECT_TRUE(edit.frame().ended());
    ASSERT_EQ(app.model.systemStart.size(), 5u);
    EXPECT_EQ(app.model.systemStart[2].entry, (StartEntry{"renamed", conditions, "-x", "", "C:\\c.exe"}));
    EXPECT_EQ(app.model.systemStart[2].pending, 0u);
    EXPECT_EQ(app.model.systemStart[3].entry.name, "d");
    EXPECT_EQ(Stored().systemStart[2].entry.name, "renamed");
}

TEST_F(WizardTest, EditCancelWritesNothing) {
    app.model.systemStart.append(StartEntry{"", "", "", "", "C:\\x.exe"});
    SystemStartEdit edit(host, 0, NoDialogs());
    ASSERT_TRUE(edit.create());
    EXPECT_EQ(ControlText(edit.frame().window()), ReplaceFilePlaceholder(GetText(Text::SystemStartEditTitle), ""));
    EXPECT_TRUE(Enabled(edit.frame().window(), kIdApply)) << "opens enabled, whatever the row holds";
    Type(edit.frame().window(), kIdName, "y");
    Click(edit.frame().window(), kIdEditCancel);
    EXPECT_TRUE(edit.frame().ended());
    EXPECT_EQ(app.model.systemStart[0].entry.name, "");
    EXPECT_FALSE(StoreExists());

    SystemStartEdit missing(host, 7, NoDialogs());
    EXPECT_FALSE(missing.create());
}

TEST_F(WizardTest, EachPageTakesTheFocusInItsFirstField) {
    host.owner = owner;
    SystemStartWizard wizard(host, NoDialogs());
    ASSERT_TRUE(wizard.create());
    WizardFrame& frame = wizard.frame();
    HWND window = frame.window();
    EXPECT_EQ(::GetActiveWindow(), window);
    // The intro has no field: "Weiter", so that Enter goes on rather than cancels.
    EXPECT_EQ(FocusedId(), NavigationRightId(0));
    Click(window, NavigationRightId(0));
    EXPECT_EQ(FocusedId(), kIdName);
    Type(window, kIdName, "n");
    Click(window, NavigationRightId(1));
    EXPECT_EQ(FocusedId(), kIdPath);
    Type(window, kIdPath, program);
    Click(window, NavigationRightId(2));
    EXPECT_EQ(FocusedId(), kIdConditionList);
    Click(window, NavigationRightId(3));
    EXPECT_EQ(FocusedId(), kIdParameters);
    Click(window, NavigationLeftId(4));
    EXPECT_EQ(FocusedId(), kIdConditionList);
    Click(window, NavigationLeftId(3));
    Click(window, NavigationLeftId(2));
    Click(window, kIdAutoName);  // the name field is disabled now
    Click(window, NavigationLeftId(1));
    Click(window, NavigationRightId(0));
    EXPECT_EQ(FocusedId(), kIdAutoName);
    EXPECT_TRUE(::IsWindowVisible(::GetFocus()));
}

TEST_F(WizardTest, EnterGoesThroughTheWizardAndDoesNothingWhileWeiterIsDisabled) {
    SystemStartWizard wizard(host, NoDialogs());
    ASSERT_TRUE(wizard.create());
    WizardFrame& frame = wizard.frame();
    PressKey(frame, VK_RETURN);
    ASSERT_EQ(wizard.page(), 1);
    PressKey(frame, VK_RETURN);  // no name yet
    EXPECT_EQ(wizard.page(), 1);
    TypeKeys(frame, "Tastatur");
    PressKey(frame, VK_RETURN);
    ASSERT_EQ(wizard.page(), 2);
    TypeKeys(frame, "C:\\no-such-file.exe");
    PressKey(frame, VK_RETURN);
    EXPECT_EQ(wizard.page(), 2);
    EXPECT_EQ(FocusedId(), kIdPath);
    Type(frame.window(), kIdPath, program);
    PressKey(frame, VK_RETURN);
    ASSERT_EQ(wizard.page(), 3);
    PressKey(frame, VK_RETURN);
    ASSERT_EQ(wizard.page(), 4);
    TypeKeys(frame, "-k");
    EXPECT_TRUE(app.model.systemStart.empty());
    PressKey(frame, VK_RETURN);  // "Fertig"
    EXPECT_TRUE(frame.ended());
    ASSERT_EQ(Stored().systemStart.size(), 1u);
    EXPECT_EQ(Stored().systemStart[0].entry, (StartEntry{"Tastatur", "", "-k", "", program}));
}

TEST_F(WizardTest, TabWalksThePageFieldsThenItsButtonsAndNoOtherPage) {
    SystemStartWizard wizard(host, NoDialogs());
    ASSERT_TRUE(wizard.create());
    WizardFrame& frame = wizard.frame();
    HWND window = frame.window();
    Click(window, NavigationRightId(0));
    Type(window, kIdName, "n");
    Click(window, NavigationRightId(1));
    Type(window, kIdPath, program);
    Click(window, NavigationRightId(2));
    Click(window, NavigationRightId(3));
    ASSERT_EQ(FocusedId(), kIdParameters);
    std::vector<int> visited;
    for (int step = 0; step < 5; ++step) {
        PressKey(frame, VK_TAB);
        visited.push_back(FocusedId());
    }
    EXPECT_EQ(visited, (std::vector<int>{kIdHidden, NavigationLeftId(4), NavigationRightId(4), kIdParameters,
                                         kIdHidden}));
}

TEST_F(WizardTest, EditDialogOpensInTheNameAndEnterApplies) {
    app.model.systemStart.append(StartEntry{"alt", "", "", "", "C:\\alt.exe"});
    host.owner = owner;
    SystemStartEdit edit(host, 0, NoDialogs());
    ASSERT_TRUE(edit.create());
    WizardFrame& frame = edit.frame();
    EXPECT_EQ(FocusedId(), kIdName);
    Type(frame.window(), kIdName, "");
    PressKey(frame, VK_RETURN);  // "Übernehmen" is disabled without a name
    EXPECT_FALSE(frame.ended());
    Type(frame.window(), kIdName, "neu");
    PressKey(frame, VK_RETURN);
    EXPECT_TRUE(frame.ended());
    ASSERT_EQ(Stored().systemStart.size(), 1u);
    EXPECT_EQ(Stored().systemStart[0].entry, (StartEntry{"neu", "", "", "", "C:\\alt.exe"}));
}
