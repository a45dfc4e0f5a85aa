// Every German text the user sees, in UTF-8. Windows take their
// texts from here by role and never spell them out again.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tolvane {

enum class Text {
    // Main window, menus, tray, shortcut
    MenuFile,
    ShowTolvane,
    NewSystemStartWizard,
    NewProgramStartWizard,
    QuitTolvane,
    AboutWord,
    ProgramDescription,
    TabSystemStart,
    TabProgramStart,
    ColumnCondition,
    ColumnTrigger,
    ColumnParameters,
    ColumnHidden,
    ColumnPath,
    LinkAdd,
    LinkRemove,
    RemoveConfirmation,  // with %FILE%
    LinkEdit,
    QuitWarningLine1,
    QuitWarningLine2,
    // Wizards and dialogs
    SystemStartEditTitle,   // with %FILE%
    ProgramStartEditTitle,  // with %FILE%
    SystemStartIntro,
    ProgramStartIntro,
    Step1Description,
    Step2Description,
    SystemStartStep3Description,
    ProgramStartStep3Description,
    Step4Description,
    StepWord,
    NameLabel,
    AutoNameCheckBox,
    HintCaption,
    NamingHint,
    PathLabel,
    ConditionEditorLabel,
    AddCondition,
    RemoveCondition,
    ColumnValue,
    BraceMessage,
    ParametersLabel,
    NewEntryClosingHint,
    EditClosingHint,
    StartHiddenCheckBox,
    TriggerKindPrompt,
    ChooseProcess,
    RunningProcessesLabel,
    FilterPrograms,
    FilterAllFiles,
    FileDialogTitle,
    FolderDialogTitle,
    Ok,
    Cancel,
    Back,
    Next,
    Finish,
    Apply,
    // Precondition kind labels follow, in kind order
    FirstKindLabel,
    LastKindLabel = FirstKindLabel + 17,
    Count
};

inline constexpr int kConditionKindCount = 18;

std::string_view GetText(Text id);
// Label of precondition kind 0..17; also its identity in the stored text.
std::string_view KindLabel(int kind);

// What a refused number field asks for: "Bitte geben Sie eine ganze Zahl von
// 0 bis <largest> ein."
std::string WholeNumberRequest(std::uint32_t largest);

// Replaces every "%FILE%" by the entry name in double quotes.
std::string ReplaceFilePlaceholder(std::string_view text, std::string_view entryName);

// Fixed texts outside the table.
namespace fixed_text {
inline constexpr std::string_view kAppName = "Tolvane";
inline constexpr std::string_view kMainWindowTitle = "Tolvane 1.00";
inline constexpr std::string_view kVersion = "1.00";
inline constexpr std::string_view kColumnName = "Programmname";
inline constexpr std::string_view kHelpMenu = "?";
inline constexpr std::string_view kSuffixNewSystemStart = "\tStrg+S";
inline constexpr std::string_view kSuffixNewProgramStart = "\tStrg+P";
inline constexpr std::string_view kSuffixQuit = "\tAlt+F4";
inline constexpr std::string_view kAboutItemRest = " Tolvane...\tStrg+A";
inline constexpr std::string_view kShortcutDescriptionPrefix = "Tolvane: ";
inline constexpr std::string_view kShortcutFileName = "\\Tolvane.lnk";
inline constexpr std::string_view kAboutTitle = "About Tolvane";
inline constexpr std::string_view kChooserButton = "...";
inline constexpr std::string_view kUnitSeconds = "Sekunden";
inline constexpr std::string_view kUnitMegabyte = "Megabyte";
inline constexpr std::string_view kUnitPercent = "Prozent";
inline constexpr std::string_view kTriggerApplication = "Anwendung";
inline constexpr std::string_view kTriggerProcessName = "Prozessname";
// Trying and checking an entry, the start history.
inline constexpr std::string_view kStartNow = "Jetzt starten";
inline constexpr std::string_view kCheckPreconditions = "Vorraussetzungen prüfen";
inline constexpr std::string_view kShowHistory = "Startverlauf anzeigen";
inline constexpr std::string_view kStartAtLogon = "Beim Anmelden starten";
inline constexpr std::string_view kCheckTitle = "Vorraussetzungen prüfen: %FILE%";
inline constexpr std::string_view kColumnMeasured = "Jetzt gemessen";
inline constexpr std::string_view kColumnState = "Zustand";
inline constexpr std::string_view kNoPreconditions = "Keine Vorraussetzungen";
}  // namespace fixed_text

}  // namespace tolvane
