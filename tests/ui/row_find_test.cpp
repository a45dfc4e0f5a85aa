#include "ui/row_find.h"

#include <gtest/gtest.h>

using namespace tolvane;

namespace {

EntryList Rows(std::initializer_list<const char*> names) {
    EntryList rows;
    for (const char* name : names) rows.append({name, "", "", "", "C:\\x.exe"});
    return rows;
}

}  // namespace

TEST(FindRow, FirstLettersFromTheStartRowOnIgnoringCase) {
    const EntryList rows = Rows({"Editor", "Sicherung", "sicherung alt", "Explorer"});
    EXPECT_EQ(FindRow(rows, {"s", true, false, 0}), 1);
    EXPECT_EQ(FindRow(rows, {"SICH", true, false, 2}), 2);
    EXPECT_EQ(FindRow(rows, {"e", true, false, 1}), 3);
    EXPECT_EQ(FindRow(rows, {"x", true, true, 0}), -1);
    EXPECT_EQ(FindRow(rows, {"Editorx", true, false, 0}), -1) << "longer than the name";
}

TEST(FindRow, WrapsToTheTopOnlyWhenAsked) {
    const EntryList rows = Rows({"Editor", "Sicherung", "Explorer"});
    EXPECT_EQ(FindRow(rows, {"s", true, false, 2}), -1);
    EXPECT_EQ(FindRow(rows, {"s", true, true, 2}), 1);
    EXPECT_EQ(FindRow(rows, {"e", true, true, 1}), 2) << "rows after the start come first";
    EXPECT_EQ(FindRow(rows, {"e", true, true, 99}), 0) << "a start beyond the rows begins at the top";
}

TEST(FindRow, WholeNameUnlessPartial) {
    const EntryList rows = Rows({"Sicherung alt", "Sicherung"});
    EXPECT_EQ(FindRow(rows, {"sicherung", false, false, 0}), 1);
    EXPECT_EQ(FindRow(rows, {"sicherung", true, false, 0}), 0);
}

TEST(FindRow, LettersOfTheCodePageMatchTheirOtherCase) {
    // "Übersicht", "Œuvre", "Šala" and "Ÿ" in Windows-1252.
    const EntryList rows = Rows({"Übersicht", "Œuvre", "Šala", "Ÿ", "×mal"});
    EXPECT_EQ(FindRow(rows, {"üb", true, false, 0}), 0);
    EXPECT_EQ(FindRow(rows, {"œ", true, false, 0}), 1);
    EXPECT_EQ(FindRow(rows, {"šA", true, false, 0}), 2);
    EXPECT_EQ(FindRow(rows, {"ÿ", false, false, 0}), 3);
    EXPECT_EQ(FindRow(rows, {"÷", true, false, 0}), -1) << "the multiplication and division signs differ";
    EXPECT_EQ(FindRow(Rows({}), {"a", true, true, 0}), -1);
}
