#include <gtest/gtest.h>

#include "core/texts.h"
#include "wizards/condition_list.h"
#include "wizards/wizard_rules.h"

using namespace tolvane;

TEST(StepNavigation, MovesByOnePageAndStopsAtTheEnds) {
    StepNavigation nav;
    nav.back();
    EXPECT_EQ(nav.page, 0);
    for (int i = 0; i < 6; ++i) nav.next();
    EXPECT_EQ(nav.page, 4);
    EXPECT_TRUE(nav.onLastPage());
    nav.back();
    nav.back();
    EXPECT_EQ(nav.page, 2);
    EXPECT_FALSE(nav.onLastPage());
}

TEST(EnablingRules, NameStepNeedsANameOrTheAutomaticOne) {
    EXPECT_FALSE(NameStepComplete("", false));
    EXPECT_TRUE(NameStepComplete("a", false));
    EXPECT_TRUE(NameStepComplete("", true));
}

TEST(EnablingRules, OnlyAnExistingFileCountsAsPath) {
    EXPECT_TRUE(NamesExistingFile("C:\\a.exe", PathKind::File));
    EXPECT_FALSE(NamesExistingFile("C:\\dir", PathKind::Directory));
    EXPECT_FALSE(NamesExistingFile("C:\\b.exe", PathKind::Missing));
    // The probe finds a file for a pattern; the pattern itself is no file.
    EXPECT_FALSE(NamesExistingFile("C:\\Windows\\*.exe", PathKind::File));
    EXPECT_FALSE(NamesExistingFile("C:\\note?ad.exe", PathKind::File));
}

TEST(EnablingRules, TriggerStepDependsOnTheChoice) {
    EXPECT_TRUE(TriggerStepComplete(TriggerChoice::Application, "C:\\a.exe", PathKind::File));
    EXPECT_FALSE(TriggerStepComplete(TriggerChoice::Application, "C:\\dir", PathKind::Directory));
    EXPECT_FALSE(TriggerStepComplete(TriggerChoice::Application, "notepad.exe", PathKind::Missing));
    EXPECT_FALSE(TriggerStepComplete(TriggerChoice::Application, "C:\\*.exe", PathKind::File));
    // A process name is not checked against anything running.
    EXPECT_TRUE(TriggerStepComplete(TriggerChoice::ProcessName, "nothing-runs.exe", PathKind::Missing));
    EXPECT_FALSE(TriggerStepComplete(TriggerChoice::ProcessName, "", PathKind::Missing));
}

TEST(EnablingRules, EditDialogsNeedTheirTexts) {
    EXPECT_TRUE(SystemStartEditComplete("n"));
    EXPECT_FALSE(SystemStartEditComplete(""));
    EXPECT_TRUE(ProgramStartEditComplete("n", "t"));
    EXPECT_FALSE(ProgramStartEditComplete("", "t"));
    EXPECT_FALSE(ProgramStartEditComplete("n", ""));
}

TEST(AutomaticName, TakesTheFilePartWithoutExtension) {
    EXPECT_EQ(AutomaticName("C:\\Tools\\my_backup.exe"), "my backup");
    EXPECT_EQ(AutomaticName("archive.tar.gz"), "archive.tar");
    EXPECT_EQ(AutomaticName("README"), "README");
    EXPECT_EQ(AutomaticName("C:/x/my_tool.exe"), "my tool");
    EXPECT_EQ(AutomaticName("C:\\dir.d\\noext"), "noext");
    EXPECT_EQ(AutomaticName("\"C:\\a b\\c_d.bat\""), "c d");
    EXPECT_EQ(AutomaticName("C:\\dir\\"), "");
}

TEST(TriggerKind, PlainFileNamesAreProcessNames) {
    EXPECT_EQ(TriggerChoiceOf("notepad.exe"), TriggerChoice::ProcessName);
    EXPECT_EQ(TriggerChoiceOf("a b"), TriggerChoice::ProcessName);
    EXPECT_EQ(TriggerChoiceOf(""), TriggerChoice::Application);
    EXPECT_EQ(TriggerChoiceOf("C:\\Windows\\notepad.exe"), TriggerChoice::Application);
    for (const char* bad : {"a\"", "a/b", "a:b", "a*", "a?", "a<", "a>", "a|", "a\tb"}) {
        EXPECT_EQ(TriggerChoiceOf(bad), TriggerChoice::Application) << bad;
    }
}

TEST(ProcessChooserList, TrimsFiltersAndKeepsDuplicatesInOrder) {
    const std::vector<std::string> running{"IDLE", "System", "  ", "", "?", " a.exe ", "b.exe", "a.exe", "IDLE "};
    EXPECT_EQ(ChooserProcessNames(running), (std::vector<std::string>{"System", "a.exe", "b.exe", "a.exe"}));
    EXPECT_TRUE(ChooserProcessNames({}).empty());
}

TEST(ConditionKinds, EachKindShowsItsControls) {
    const KindControls wait = ControlsForKind(kWaitSeconds);
    EXPECT_TRUE(wait.digits && wait.seconds);
    EXPECT_FALSE(wait.text || wait.megabyte || wait.chooser);
    for (int kind = kDiskFreeBelow; kind <= kMemoryUsedAbove; ++kind) {
        const KindControls c = ControlsForKind(kind);
        EXPECT_TRUE(c.digits && c.megabyte && !c.seconds && !c.text && !c.chooser) << kind;
    }
    for (int kind : {kInternetOnline, kInternetOffline}) {
        const KindControls c = ControlsForKind(kind);
        EXPECT_FALSE(c.digits || c.text || c.chooser || c.seconds || c.megabyte) << kind;
    }
    EXPECT_TRUE(ControlsForKind(kFileExists).chooser);
    EXPECT_FALSE(ControlsForKind(kFileMissing).folderChooser);
    EXPECT_TRUE(ControlsForKind(kDirectoryMissing).folderChooser);
    const KindControls user = ControlsForKind(kUserNameIs);
    EXPECT_TRUE(user.text && !user.chooser && !user.digits);
}

TEST(ConditionAdd, TakesTheValueOfTheKind) {
    EXPECT_EQ(DecideAdd(kWaitSeconds, "30", "ignored").item, (ConditionItem{"Wartezeit von ...", "30"}));
    EXPECT_EQ(DecideAdd(kInternetOnline, "30", "x").item.value, "");
    EXPECT_EQ(DecideAdd(kFileExists, "30", "C:\\a").item.value, "C:\\a");
    EXPECT_EQ(DecideAdd(kWaitSeconds, "", "").item.value, "") << "an empty number is accepted";
    EXPECT_EQ(DecideAdd(kUserNameIs, "", "bob").problem, ValueProblem::None);
}

TEST(ConditionAdd, RefusesANumberFieldThatIsNotThePlainNumberItShows) {
    // A paste gets past the field's digits-only typing.
    for (const char* pasted : {" 12", "1.5", "-1e3", "+7", "12 ", "3000000000", "2147483648", "99999999999999999999"}) {
        const AddDecision decision = DecideAdd(kDiskFreeBelow, pasted, "");
        EXPECT_EQ(decision.problem, ValueProblem::NotWholeNumber) << pasted;
    }
    EXPECT_EQ(DecideAdd(kWaitSeconds, "2147483647", "").item.value, "2147483647");
    EXPECT_EQ(DecideAdd(kWaitSeconds, "00000000042", "").item.value, "00000000042") << "leading zeros read as shown";
    // A text kind does not look at the hidden number field.
    EXPECT_EQ(DecideAdd(kUserNameIs, "1.5", "bob").problem, ValueProblem::None);
    EXPECT_EQ(ValueProblemMessage(ValueProblem::NotWholeNumber),
              "Bitte geben Sie eine ganze Zahl von 0 bis 2147483647 ein.");
}

TEST(ConditionAdd, RefusesBracesEvenInAHiddenTextFieldAndSemicolonsInTheValue) {
    EXPECT_EQ(DecideAdd(kFileExists, "", "C:\\{a}").problem, ValueProblem::Brace);
    EXPECT_EQ(DecideAdd(kWaitSeconds, "5", "x}").problem, ValueProblem::Brace);
    EXPECT_EQ(DecideAdd(kUserNameIs, "", "a;b").problem, ValueProblem::Semicolon);
    EXPECT_EQ(DecideAdd(kFileExists, "", "C:\\a;b").problem, ValueProblem::Semicolon);
    EXPECT_EQ(DecideAdd(kFileExists, "", "a;{b}").problem, ValueProblem::Brace);
    // What the kind does not store cannot break the stored text.
    EXPECT_EQ(DecideAdd(kInternetOffline, "", "a;b").problem, ValueProblem::None);
    EXPECT_EQ(DecideAdd(kWaitSeconds, "5", "C:\\a;b").problem, ValueProblem::None);
    EXPECT_EQ(ValueProblemMessage(ValueProblem::Brace), GetText(Text::BraceMessage));
    EXPECT_EQ(ValueProblemMessage(ValueProblem::Semicolon),
              "Die Vorraussetzung darf folgende Zeichen nicht enthalten: ;");
}

TEST(ConditionListModel, AddsRemovesEncodesAndLoads) {
    ConditionList list;
    EXPECT_EQ(list.encode(), "");
    list.add({"Wartezeit von ...", "30"});
    list.add({"Verbindung mit Internet", ""});
    list.add({"Wartezeit von ...", "5"});
    EXPECT_EQ(list.encode(), "Wartezeit von ...{30};Verbindung mit Internet{};Wartezeit von ...{5};");
    list.remove(1);
    list.remove(7);
    EXPECT_EQ(list.encode(), "Wartezeit von ...{30};Wartezeit von ...{5};");

    ConditionList loaded;
    loaded.load("Wartezeit von ...{30};Datei ... existiert{C:\\a.txt};Angemeldeter User heisst ...{bob};");
    ASSERT_EQ(loaded.rows().size(), 3u);
    EXPECT_EQ(loaded.rows()[1], (ConditionItem{"Datei ... existiert", "C:\\a.txt"}));
    EXPECT_EQ(loaded.encode(), "Wartezeit von ...{30};Datei ... existiert{C:\\a.txt};Angemeldeter User heisst ...{bob};");
    loaded.load("");
    EXPECT_TRUE(loaded.rows().empty());

    EXPECT_FALSE(RemoveEnabled(std::nullopt));
    EXPECT_TRUE(RemoveEnabled(0u));
}
