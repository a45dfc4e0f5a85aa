#include <gtest/gtest.h>

#include "core/texts.h"
#include "ui/balloon_text.h"
#include "ui/check_lines.h"
#include "ui/row_menu.h"

namespace tolvane {
namespace {

std::vector<RowCommand> Commands(ListKind kind) {
    std::vector<RowCommand> commands;
    for (const RowMenuItem& item : RowMenuItems(kind)) commands.push_back(item.command);
    return commands;
}

TEST(RowMenuItems, OnlySystemStartRowsOfferTheCheck) {
    using C = RowCommand;
    EXPECT_EQ(Commands(ListKind::SystemStart),
              (std::vector<C>{C::StartNow, C::CheckPreconditions, C::None, C::Edit, C::Remove}));
    EXPECT_EQ(Commands(ListKind::ProgramStart), (std::vector<C>{C::StartNow, C::None, C::Edit, C::Remove}));
    const auto items = RowMenuItems(ListKind::SystemStart);
    EXPECT_EQ(items[0].text, "Jetzt starten");
    EXPECT_EQ(items[1].text, "Vorraussetzungen prüfen");
    EXPECT_EQ(items[3].text, GetText(Text::LinkEdit));
    EXPECT_EQ(items[4].text, GetText(Text::LinkRemove));
    EXPECT_TRUE(items[2].text.empty());
}

TEST(CommandOfKey, EnterEditsDeleteRemovesOnlyOnTheListOfAnEnabledWindow) {
    RowKeyState state;
    state.listHasFocus = true;
    state.windowEnabled = true;
    state.key = kKeyReturn;
    EXPECT_EQ(CommandOfKey(state), RowCommand::Edit);
    state.key = kKeyDelete;
    EXPECT_EQ(CommandOfKey(state), RowCommand::Remove);
    state.key = 'A';
    EXPECT_EQ(CommandOfKey(state), RowCommand::None);

    for (auto change : {+[](RowKeyState& s) { s.listHasFocus = false; }, +[](RowKeyState& s) { s.windowEnabled = false; },
                        +[](RowKeyState& s) { s.shift = true; }, +[](RowKeyState& s) { s.control = true; },
                        +[](RowKeyState& s) { s.alt = true; }}) {
        for (unsigned key : {kKeyReturn, kKeyDelete}) {
            RowKeyState other = state;
            other.key = key;
            change(other);
            EXPECT_EQ(CommandOfKey(other), RowCommand::None) << key;
        }
    }
}

TEST(OpensRowMenu, ShiftF10AndTheContextMenuKeyOnTheListOfAnEnabledWindow) {
    RowKeyState state;
    state.key = kKeyF10;
    state.shift = true;
    state.listHasFocus = true;
    state.windowEnabled = true;
    EXPECT_TRUE(OpensRowMenu(state));
    RowKeyState plain = state;
    plain.shift = false;
    EXPECT_FALSE(OpensRowMenu(plain));  // F10 alone is the menu bar's
    RowKeyState withControl = state;
    withControl.control = true;
    EXPECT_FALSE(OpensRowMenu(withControl));
    RowKeyState underWizard = state;
    underWizard.windowEnabled = false;
    EXPECT_FALSE(OpensRowMenu(underWizard));
    RowKeyState enter = state;
    enter.key = kKeyReturn;
    EXPECT_FALSE(OpensRowMenu(enter));
    RowKeyState apps = plain;
    apps.key = kKeyApps;
    EXPECT_TRUE(OpensRowMenu(apps));
    apps.listHasFocus = false;
    EXPECT_FALSE(OpensRowMenu(apps));
}

TEST(ContextRow, MouseTakesTheRowUnderThePointerKeyboardTheSelectedOne) {
    EXPECT_EQ(ContextRow(false, 2, 0, 3), 2);
    EXPECT_EQ(ContextRow(false, -1, 0, 3), std::nullopt);  // empty space, whatever is selected
    EXPECT_EQ(ContextRow(true, -1, 1, 3), 1);
    EXPECT_EQ(ContextRow(true, 2, -1, 3), std::nullopt);   // nothing selected
    EXPECT_EQ(ContextRow(false, 3, 0, 3), std::nullopt);   // a row that is gone
    EXPECT_EQ(ContextRow(true, -1, 0, 0), std::nullopt);
}

TEST(KeyboardMenuSpot, OpensAtTheRowAndStaysInsideTheList) {
    const Box client{0, 0, 480, 280};
    EXPECT_EQ(KeyboardMenuSpot({0, 40, 480, 57}, client), (Spot{16, 57}));
    // Scrolled sideways: the row begins left of the list.
    EXPECT_EQ(KeyboardMenuSpot({-300, 40, 180, 57}, client), (Spot{0, 57}));
    // A row half below the visible part.
    EXPECT_EQ(KeyboardMenuSpot({0, 270, 480, 287}, client), (Spot{16, 279}));
}

TEST(CutForBalloon, CutsBetweenCharactersCountingUtf16Units) {
    EXPECT_EQ(CutForBalloon("kurz", 63), "kurz");
    EXPECT_EQ(CutForBalloon(std::string(63, 'a'), 63), std::string(63, 'a'));
    EXPECT_EQ(CutForBalloon(std::string(64, 'a'), 63), std::string(60, 'a') + "...");
    // "ä" is two bytes but one unit; a character beyond U+FFFF is two units.
    const std::string umlauts = std::string(10, 'a') + "\xC3\xA4\xC3\xA4";
    EXPECT_EQ(CutForBalloon(umlauts, 12), umlauts);
    EXPECT_EQ(CutForBalloon(umlauts, 11), std::string(8, 'a') + "...");
    const std::string emoji = std::string(4, 'a') + "\xF0\x9F\x98\x80" + "b";
    EXPECT_EQ(CutForBalloon(emoji, 7), emoji);
    EXPECT_EQ(CutForBalloon(emoji, 6), "aaa...");
    // Never half a character before the dots.
    EXPECT_EQ(CutForBalloon("ab\xC3\xA4\xC3\xA4xyz", 6), "ab\xC3\xA4...");
}

TEST(CheckLines, AnEntryWithoutPreconditionsSaysSo) {
    const std::vector<CheckLine> given{{"Wartezeit von ...: 30", "12 s", "wartet"}};
    ASSERT_EQ(LinesToShow(given).size(), 1u);
    EXPECT_EQ(LinesToShow(given)[0].state, "wartet");
    const std::vector<CheckLine> none = LinesToShow({});
    ASSERT_EQ(none.size(), 1u);
    EXPECT_EQ(none[0].precondition, "Keine Vorraussetzungen");
    EXPECT_EQ(CheckViewTitle("Müller"), "Vorraussetzungen prüfen: \"Müller\"");
}

}  // namespace
}  // namespace tolvane
