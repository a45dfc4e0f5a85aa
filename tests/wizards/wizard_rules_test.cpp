#include <gtest/gtest.h>

#include <optional>
#include <string_view>

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

// What "Weiter" of a step does with its field's UTF-8 text.
struct StepCase {
    const char* what;
    StepCheck check;
    bool enabled;
    std::optional<FieldRefusal> refusal;
};

TEST(StepChecks, TextTheStoreCannotKeepEnablesWeiterToSayWhy) {
    // Only "C:\\tool.exe" and a file too long for the launcher exist on this machine.
    const std::string tooLong = "C:\\" + std::string(300, 'x') + ".exe";
    const PathProbe probe = [&tooLong](std::string_view path) {
        return path == "C:\\tool.exe" || path == tooLong ? PathKind::File : PathKind::Missing;
    };
    const auto app = TriggerChoice::Application, process = TriggerChoice::ProcessName;
    const StepCase cases[] = {
        {"name", CheckNameStep("Gr\xC3\xBC\xC3\x9F" "e", false), true, std::nullopt},
        {"empty name", CheckNameStep("", false), false, std::nullopt},
        {"name outside", CheckNameStep("\xCE\xA9", false), true, FieldRefusal{Field::Name, FieldFault::OutsideCodePage}},
        {"name break", CheckNameStep("a\r\nb", false), true, FieldRefusal{Field::Name, FieldFault::LineBreak}},
        {"automatic name", CheckNameStep("\xCE\xA9", true), true, std::nullopt},
        {"path", CheckPathStep("C:\\tool.exe", probe), true, std::nullopt},
        {"missing path", CheckPathStep("C:\\gone.exe", probe), false, std::nullopt},
        {"path too long to start", CheckPathStep(tooLong, probe), false, std::nullopt},
        {"path outside", CheckPathStep("C:\\\xE4\xB8\xAD.exe", probe), true,
         FieldRefusal{Field::Path, FieldFault::OutsideCodePage}},
        {"path break", CheckPathStep("C:\\tool.exe\n", probe), true, FieldRefusal{Field::Path, FieldFault::LineBreak}},
        {"trigger file", CheckTriggerStep(app, "C:\\tool.exe", probe), true, std::nullopt},
        {"trigger missing", CheckTriggerStep(app, "C:\\gone.exe", probe), false, std::nullopt},
        {"process", CheckTriggerStep(process, "notepad.exe", probe), true, std::nullopt},
        {"process outside", CheckTriggerStep(process, "\xCE\xA9.exe", probe), true,
         FieldRefusal{Field::Trigger, FieldFault::OutsideCodePage}},
        {"application break", CheckTriggerStep(app, "C:\\tool.exe\r", probe), true,
         FieldRefusal{Field::Trigger, FieldFault::LineBreak}},
        {"ill-formed", CheckTriggerStep(process, "\xC1\x81", probe), true,
         FieldRefusal{Field::Trigger, FieldFault::OutsideCodePage}},
    };
    for (const StepCase& c : cases) {
        EXPECT_EQ(c.check.enabled, c.enabled) << c.what;
        ASSERT_EQ(c.check.refusal.has_value(), c.refusal.has_value()) << c.what;
        if (!c.refusal) continue;
        EXPECT_EQ(c.check.refusal->field, c.refusal->field) << c.what;
        EXPECT_EQ(c.check.refusal->fault, c.refusal->fault) << c.what;
    }
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
    EXPECT_EQ(ValueProblemMessage(ValueProblem::NotWholeNumber, kWaitSeconds),
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
    EXPECT_EQ(ValueProblemMessage(ValueProblem::Brace, kFileExists), GetText(Text::BraceMessage));
    EXPECT_EQ(ValueProblemMessage(ValueProblem::Semicolon, kFileExists),
              "Die Vorraussetzung darf folgende Zeichen nicht enthalten: ;");
}

TEST(ConditionAdd, JudgesOnlyTheShownFieldAndPointsAtTheOneAtFault) {
    const char* omega = "\xCE\xA9";
    EXPECT_EQ(ShownValueField(kWaitSeconds), ValueField::Digits);
    EXPECT_EQ(ShownValueField(kUserNameIs), ValueField::Text);
    EXPECT_EQ(ShownValueField(kInternetOnline), ValueField::None);
    struct Case {
        int kind;
        const char* digits;
        const char* text;
        ValueField field;
        FieldFault fault;
    };
    const Case cases[] = {
        {kWaitSeconds, "5", omega, ValueField::None, FieldFault::None},  // the hidden text field
        {kWaitSeconds, "5\n", "", ValueField::Digits, FieldFault::LineBreak},
        {kFileExists, omega, "C:\\a", ValueField::None, FieldFault::None},  // the hidden number field
        {kFileExists, "", "C:\\a\r\n", ValueField::Text, FieldFault::LineBreak},
        {kUserNameIs, "", omega, ValueField::Text, FieldFault::OutsideCodePage},
        {kInternetOffline, omega, omega, ValueField::None, FieldFault::None},
    };
    for (const Case& c : cases) {
        const ValueFieldFault got = ShownFieldFault(c.kind, c.digits, c.text);
        EXPECT_EQ(got.field, c.field) << c.kind << " " << c.digits << " " << c.text;
        EXPECT_EQ(got.fault, c.fault) << c.kind << " " << c.digits << " " << c.text;
    }
    EXPECT_EQ(FieldAtFault(kWaitSeconds, ValueProblem::NotWholeNumber), ValueField::Digits);
    EXPECT_EQ(FieldAtFault(kUserNameIs, ValueProblem::Semicolon), ValueField::Text);
    EXPECT_EQ(FieldAtFault(kFileExists, ValueProblem::Brace), ValueField::Text);
    EXPECT_EQ(FieldAtFault(kWaitSeconds, ValueProblem::Brace), ValueField::None) << "the text field is hidden";
    EXPECT_EQ(FieldAtFault(kUserNameIs, ValueProblem::None), ValueField::None);
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
