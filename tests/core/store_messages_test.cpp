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
    EXPECT_TRUE(Has(text, "Die Eintr\xE4ge konnten nicht in \x84" + kStore + "\x93 gespeichert werden"));
    EXPECT_TRUE(Has(text, "Sharing violation (Fehler 32)"));
    EXPECT_TRUE(Has(text, "beim Beenden erneut"));
    EXPECT_FALSE(Has(text, ".bak"));
}

TEST(StoreMessages, ARefusedCopyAsideSaysWhyTheFileIsNotOverwritten) {
    const SaveResult refused{SaveOutcome::KeepAsideFailed, 32, {}};
    const std::string text = SaveReportText(refused, kStore, "Sharing violation (Fehler 32)");
    EXPECT_TRUE(Has(text, "\x84" + kStore + "\x93"));
    EXPECT_TRUE(Has(text, "nicht \xFC" "berschrieben"));
    EXPECT_TRUE(Has(text, "Sharing violation (Fehler 32)"));
    EXPECT_NE(text, SaveReportText({SaveOutcome::WriteFailed, 32, {}}, kStore, "Sharing violation (Fehler 32)"));
}

TEST(StoreMessages, ASaveThatKeptTheOldFileAsideTellsWhereItIs) {
    EXPECT_EQ(SaveReportText(SaveResult{}, kStore, ""), "") << "an ordinary save tells nothing";

    const SaveResult kept{SaveOutcome::Saved, 0, kStore + ".bak2"};
    const std::string text = SaveReportText(kept, kStore, "");
    EXPECT_TRUE(Has(text, "\x84" + kStore + ".bak2\x93"));
    EXPECT_FALSE(Has(text, "nicht in")) << "nothing failed";

    // Copied aside, then the write failed: both are told.
    const SaveResult both{SaveOutcome::WriteFailed, 112, kStore + ".bak"};
    const std::string twice = SaveReportText(both, kStore, "Disk full (Fehler 112)");
    EXPECT_TRUE(Has(twice, "Disk full (Fehler 112)"));
    EXPECT_TRUE(Has(twice, "\x84" + kStore + ".bak\x93"));
}

TEST(StoreMessages, QuittingWithUnsavedChangesAsks) {
    const std::string text = QuitUnsavedText(kStore, "Access denied (Fehler 5)");
    EXPECT_TRUE(Has(text, "\x84" + kStore + "\x93"));
    EXPECT_TRUE(Has(text, "Access denied (Fehler 5)"));
    EXPECT_TRUE(Has(text, "Trotzdem beenden?"));
}
