#include <gtest/gtest.h>

#include "core/cp1252.h"
#include "core/texts.h"

using namespace tolvane;

// The store keeps conditions in Windows-1252: a label must come out as the
// very bytes that stores written before hold, or their items stop matching.
TEST(Texts, KindLabelsAreStoredAsTheBytesEarlierStoresHold) {
    EXPECT_EQ(Utf8ToCp1252(KindLabel(4)), "Freier Festplattenspeicher gr\xF6\xDF" "er als ...");
    EXPECT_EQ(Utf8ToCp1252(KindLabel(10)), "Belegter Arbeitsspeicher gr\xF6\xDF" "er als ...");
    for (int kind = 0; kind < kConditionKindCount; ++kind)
        EXPECT_TRUE(Utf8ToCp1252(KindLabel(kind))) << "label " << kind;
}

// A source file saved in another encoding would garble every umlaut.
TEST(Texts, EveryTextIsUtf8ThatWindows1252CanShow) {
    for (int id = 0; id < static_cast<int>(Text::Count); ++id)
        EXPECT_TRUE(Utf8ToCp1252(GetText(static_cast<Text>(id)))) << "text " << id;
    EXPECT_EQ(GetText(Text::AboutWord), "\xC3\x9C" "ber");
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
