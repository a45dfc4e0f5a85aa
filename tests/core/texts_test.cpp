#include <gtest/gtest.h>

#include "core/cp1252.h"
#include "core/texts.h"

using namespace tolvane;

namespace {
std::string Utf8(Text id) { return Cp1252ToUtf8(GetText(id)); }
}  // namespace

TEST(Texts, UmlautsAreSingleWindows1252Bytes) {
    EXPECT_EQ(GetText(Text::AboutWord), std::string_view("\xDC" "ber"));
    EXPECT_EQ(GetText(Text::AboutWord).size(), 4u);
    EXPECT_EQ(Utf8(Text::AboutWord), "Über");
}

// Escapes followed by hex letters are the easy mistake; compare with the
// UTF-8 spelling of every text that holds a non-ASCII letter.
TEST(Texts, NonAsciiTextsMatchTheirGermanSpelling) {
    EXPECT_EQ(Utf8(Text::NewSystemStartWizard), "Assistent für neuen Systemstart...");
    EXPECT_EQ(Utf8(Text::ColumnPath), "Vollständiger Dateipfad");
    EXPECT_EQ(Utf8(Text::LinkAdd), "Programm hinzufügen...");
    EXPECT_EQ(Utf8(Text::QuitWarningLine1),
              "Das Beenden von Tolvane führt auch zum Abbruch aller bereitgestellten Funktionen.");
    EXPECT_EQ(Utf8(Text::QuitWarningLine2),
              "Diese Warnung kann übrigens in den Einstellungen dauerhaft abgeschaltet werden.");
    EXPECT_EQ(Utf8(Text::Step2Description), "Schritt 2: Das gewünschte Programm wird ausgewählt.");
    EXPECT_EQ(Utf8(Text::ProgramStartStep3Description),
              "Schritt 3: Das Programm, das den Start auslöst, wird festgelegt.");
    EXPECT_EQ(Utf8(Text::Step4Description),
              "Schritt 4: Mögliche Parameter können eingegeben werden (Optional)");
    EXPECT_EQ(Utf8(Text::NamingHint),
              "Der Name sollte dem Programm oder der Datei entsprechen, die gestartet werden soll, oder eine "
              "leicht zu merkende Abkürzung dafür sein.");
    EXPECT_EQ(Utf8(Text::EditClosingHint), "Klicken Sie auf \"Übernehmen\" um den Systemstart zu aktualisieren.");
    EXPECT_EQ(Utf8(Text::Back), "Zurück");
    EXPECT_EQ(Utf8(Text::Apply), "Übernehmen");
    EXPECT_EQ(Utf8(Text::ChooseProcess), "Prozess wählen");
    EXPECT_EQ(Cp1252ToUtf8(KindLabel(4)), "Freier Festplattenspeicher größer als ...");
    EXPECT_EQ(Cp1252ToUtf8(KindLabel(10)), "Belegter Arbeitsspeicher größer als ...");
}

TEST(Texts, KindLabelsInKindOrderIncludingTheirOddSpelling) {
    EXPECT_EQ(KindLabel(0), "Wartezeit von ...");
    EXPECT_EQ(KindLabel(1), "Verbindung mit Internet");
    EXPECT_EQ(KindLabel(2), "Keine Verbindung mit Internet");
    EXPECT_EQ(KindLabel(11), "Datei ... existiert");
    EXPECT_EQ(KindLabel(14), "Verzeichnis ... existiert nicht");
    EXPECT_EQ(KindLabel(15), "Angemeldeter User heisst ...");
    EXPECT_EQ(GetText(Text::ColumnCondition), "Vorraussetzung");
    EXPECT_EQ(GetText(Text::ProgramStartEditTitle), "Programstart von %FILE% bearbeiten");
}

TEST(Texts, EveryTextIsFilled) {
    for (int id = 0; id < static_cast<int>(Text::Count); ++id)
        EXPECT_FALSE(GetText(static_cast<Text>(id)).empty()) << "text " << id;
}

TEST(Texts, PlaceholderIsReplacedByTheQuotedNameEverywhere) {
    EXPECT_EQ(ReplaceFilePlaceholder(GetText(Text::SystemStartEditTitle), "Notepad"),
              "Systemstart von \"Notepad\" bearbeiten");
    EXPECT_EQ(ReplaceFilePlaceholder(GetText(Text::RemoveConfirmation), ""), "Den Eintrag \"\" wirklich entfernen?");
    EXPECT_EQ(ReplaceFilePlaceholder("%FILE%+%FILE%", "a"), "\"a\"+\"a\"");
    EXPECT_EQ(ReplaceFilePlaceholder("%file% stays", "a"), "%file% stays");
    // A name that itself looks like the placeholder is not replaced again.
    EXPECT_EQ(ReplaceFilePlaceholder("%FILE%", "%FILE%"), "\"%FILE%\"");
}
