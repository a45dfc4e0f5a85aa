#include "ui/shell_rules.h"

#include <gtest/gtest.h>

namespace tolvane {
namespace {

const WorkArea kArea{0, 0, 1024, 738};  // task bar of 30 pixels at the bottom

TEST(SnapToWorkArea, SnapsOntoEdgesFromInside) {
    EXPECT_EQ(SnapToWorkArea({7, 100, 300, 200}, kArea), (SnapRect{0, 100, 300, 200}));
    EXPECT_EQ(SnapToWorkArea({10, 100, 300, 200}, kArea), (SnapRect{0, 100, 300, 200}));
    EXPECT_EQ(SnapToWorkArea({11, 100, 300, 200}, kArea), (SnapRect{11, 100, 300, 200}));
    EXPECT_EQ(SnapToWorkArea({1024 - 305, 5, 300, 200}, kArea), (SnapRect{724, 0, 300, 200}));
    EXPECT_EQ(SnapToWorkArea({100, 738 - 209, 300, 200}, kArea), (SnapRect{100, 538, 300, 200}));
}

TEST(SnapToWorkArea, PushesWindowsPastAnEdgeFurtherOut) {
    EXPECT_EQ(SnapToWorkArea({-3, 100, 300, 200}, kArea), (SnapRect{-13, 100, 300, 200}));
    // The usual position of a maximised window.
    EXPECT_EQ(SnapToWorkArea({-8, -8, 500, 400}, kArea), (SnapRect{-18, -18, 500, 400}));
    // Wider than the work area: pushed out on the left, then its right edge
    // comes within reach of the work area's and snaps onto it.
    EXPECT_EQ(SnapToWorkArea({-8, 100, 1040, 400}, kArea).x, 1024 - 1040);
    EXPECT_EQ(SnapToWorkArea({800, 600, 300, 200}, kArea), (SnapRect{810, 610, 300, 200}));
}

TEST(SnapToWorkArea, UsesTheWorkAreaOrigin) {
    const WorkArea leftBar{60, 0, 1024, 768};
    EXPECT_EQ(SnapToWorkArea({65, 300, 200, 100}, leftBar).x, 60);
    EXPECT_EQ(SnapToWorkArea({71, 300, 200, 100}, leftBar).x, 71);
}

TEST(SplitMenuItemText, LabelAndShortcut) {
    auto parts = SplitMenuItemText("Tolvane beenden\tAlt+F4");
    EXPECT_EQ(parts.label, "Tolvane beenden");
    EXPECT_EQ(parts.shortcut, "Alt+F4");
    parts = SplitMenuItemText("Tolvane anzeigen");
    EXPECT_EQ(parts.label, "Tolvane anzeigen");
    EXPECT_EQ(parts.shortcut, "");
    parts = SplitMenuItemText("a\tb\tc");
    EXPECT_EQ(parts.label, "a");
    EXPECT_EQ(parts.shortcut, "b");
    parts = SplitMenuItemText("x\t");
    EXPECT_EQ(parts.shortcut, "");
}

TEST(UpperExtension, TakesTheLastDotOfTheFileName) {
    EXPECT_EQ(UpperExtension("C:\\Programme\\a.exe"), "EXE");
    EXPECT_EQ(UpperExtension("C:\\a.ExE"), "EXE");
    EXPECT_EQ(UpperExtension("C:\\x.tar.bat"), "BAT");
    EXPECT_EQ(UpperExtension("C:\\dir.d\\file"), "");
    EXPECT_EQ(UpperExtension("C:/dir.d/file"), "");
    EXPECT_EQ(UpperExtension("C:\\noext"), "");
    EXPECT_EQ(UpperExtension("C:\\trailing."), "");
    EXPECT_EQ(UpperExtension("C:\\umlaut.\xe4x"), "\xe4X");
}

TEST(RowIconKey, ProgramsByTheirPathDocumentsByTheirType) {
    EXPECT_EQ(RowIconKey("C:\\a\\notiz1.txt"), RowIconKey("D:\\b\\Notiz2.TXT"));
    EXPECT_NE(RowIconKey("C:\\a\\x.txt"), RowIconKey("C:\\a\\x.bat"));
    EXPECT_NE(RowIconKey("C:\\a\\one.exe"), RowIconKey("C:\\a\\two.exe"));
    EXPECT_EQ(RowIconKey("C:\\a\\one.exe"), RowIconKey("C:\\a\\one.exe"));
    // A document named like a program's type is not taken for one.
    EXPECT_NE(RowIconKey("C:\\a\\EXE"), RowIconKey("C:\\a\\b.exe"));
    EXPECT_NE(RowIconKey("C:\\exe"), RowIconKey("C:\\a.exe"));
}

TEST(FolderOfPath, KeepsTheLastSeparator) {
    EXPECT_EQ(FolderOfPath("C:\\Programme\\Tolvane.exe"), "C:\\Programme\\");
    EXPECT_EQ(FolderOfPath("Z:/tmp/x.exe"), "Z:/tmp/");
    EXPECT_EQ(FolderOfPath("x.exe"), "");
}

TEST(SnapsPlacement, OnlyTheUsersOwnMovesAreSnapped) {
    EXPECT_TRUE(SnapsPlacement({.moves = true}));
    EXPECT_FALSE(SnapsPlacement({.moves = false}));
    // Windows puts a maximised window at (-8, -8); snapping it would uncover a strip.
    EXPECT_FALSE(SnapsPlacement({.moves = true, .maximised = true}));
    EXPECT_FALSE(SnapsPlacement({.moves = true, .maximised = true, .stateChanges = true}));
    EXPECT_FALSE(SnapsPlacement({.moves = true, .minimised = true}));
    EXPECT_FALSE(SnapsPlacement({.moves = true, .stateChanges = true})) << "restored from maximised";
}

}  // namespace
}  // namespace tolvane
