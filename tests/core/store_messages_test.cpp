#include <gtest/gtest.h>

#include "core/store_messages.h"

using namespace tolvane;

namespace {

const std::string kStore = "C:\\Users\\me\\tolvane.boot";

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

TEST(StoreMessages, TheSystemsReasonLosesItsLineEndAndKeepsTheCode) {
    EXPECT_EQ(SystemReason("Zugriff verweigert\r\n", 5), "Zugriff verweigert (Fehler 5)");
    EXPECT_EQ(SystemReason("", 112), "Fehler 112");
    EXPECT_EQ(SystemReason(" \r\n", 112), "Fehler 112");
}

TEST(StoreMessages, AFailedSaveNamesTheFileAndTheReasonAndSaysTheChangeIsKept) {
    const SaveResult failed{SaveOutcome::WriteFailed, 32, {}};
    const std::string text = SaveReportText(failed, kStore, "Sharing violation (Fehler 32)");
    EXPECT_TRUE(Has(text, "Die Einträge konnten nicht in „" + kStore + "“ gespeichert werden"));
    EXPECT_TRUE(Has(text, "Sharing violation (Fehler 32)"));
    EXPECT_TRUE(Has(text, "beim Beenden erneut"));
    EXPECT_FALSE(Has(text, ".bak"));
}

TEST(StoreMessages, ARefusedCopyAsideSaysWhyTheFileIsNotOverwritten) {
    const SaveResult refused{SaveOutcome::KeepAsideFailed, 32, {}};
    const std::string text = SaveReportText(refused, kStore, "Sharing violation (Fehler 32)");
    EXPECT_TRUE(Has(text, "„" + kStore + "“"));
    EXPECT_TRUE(Has(text, "nicht überschrieben"));
    EXPECT_TRUE(Has(text, "Sharing violation (Fehler 32)"));
    EXPECT_NE(text, SaveReportText({SaveOutcome::WriteFailed, 32, {}}, kStore, "Sharing violation (Fehler 32)"));
}

TEST(StoreMessages, ASaveThatKeptTheOldFileAsideTellsWhereItIs) {
    EXPECT_EQ(SaveReportText(SaveResult{}, kStore, ""), "") << "an ordinary save tells nothing";

    const SaveResult kept{SaveOutcome::Saved, 0, kStore + ".bak2"};
    const std::string text = SaveReportText(kept, kStore, "");
    EXPECT_TRUE(Has(text, "„" + kStore + ".bak2“"));
    EXPECT_FALSE(Has(text, "nicht in")) << "nothing failed";

    // Copied aside, then the write failed: both are told.
    const SaveResult both{SaveOutcome::WriteFailed, 112, kStore + ".bak"};
    const std::string twice = SaveReportText(both, kStore, "Disk full (Fehler 112)");
    EXPECT_TRUE(Has(twice, "Disk full (Fehler 112)"));
    EXPECT_TRUE(Has(twice, "„" + kStore + ".bak“"));
}

TEST(StoreMessages, QuittingWithUnsavedChangesAsks) {
    const std::string text = QuitUnsavedText(kStore, "Access denied (Fehler 5)");
    EXPECT_TRUE(Has(text, "„" + kStore + "“"));
    EXPECT_TRUE(Has(text, "Access denied (Fehler 5)"));
    EXPECT_TRUE(Has(text, "Trotzdem beenden?"));
}

TEST(StoreMessages, APathOutsideTheCodePageIsNamedAsItIs) {
    // UTF-8 for C:\Users\Łukasz\中文\tolvane.boot: a Windows-1252 text would show "?" here.
    const std::string store = "C:\\Users\\\xC5\x81ukasz\\\xE4\xB8\xAD\xE6\x96\x87\\tolvane.boot";
    const SaveResult failed{SaveOutcome::WriteFailed, 5, store + ".bak"};
    const std::string text = SaveReportText(failed, store, "Zugriff verweigert (Fehler 5)");
    EXPECT_TRUE(Has(text, "„" + store + "“")) << text;
    EXPECT_TRUE(Has(text, "„" + store + ".bak“")) << text;
    EXPECT_TRUE(Has(QuitUnsavedText(store, "x"), "„" + store + "“"));
    EXPECT_TRUE(Has(text, "Die \xC3\x84nderung bleibt")) << "the German text is UTF-8 too";
}

TEST(StoreMessages, ADamagedStoreIsNamedWithWhereItsCopyIsAndThatNothingStarts) {
    const std::string kept = DamagedStoreText(kStore, kStore + ".bak", true);
    EXPECT_TRUE(Has(kept, "„" + kStore + "“ ist beschädigt")) << kept;
    EXPECT_TRUE(Has(kept, "nach „" + kStore + ".bak“ kopiert")) << kept;
    EXPECT_TRUE(Has(kept, "keiner dieser Systemstarts gestartet")) << kept;
    EXPECT_FALSE(Has(DamagedStoreText(kStore, kStore + ".bak", false), "gestartet")) << "no logon, nothing to start";
    const std::string notKept = DamagedStoreText(kStore, "", false);
    EXPECT_TRUE(Has(notKept, "ließ sich nicht sichern")) << notKept;
    EXPECT_FALSE(Has(notKept, "kopiert")) << notKept;
}
