// Where the focus goes in the entry windows and what Enter does.
#include <gtest/gtest.h>

#include "wizards/dialog_keys.h"

using namespace tolvane;

namespace {

constexpr FocusCandidate kField{true, true};
constexpr FocusCandidate kButton{false, true};
constexpr FocusCandidate kHiddenField{true, false};
constexpr FocusCandidate kDisabledButton{false, false};

}  // namespace

TEST(InitialFocus, TakesTheFirstUsableFieldEvenAfterButtons) {
    // Step 2: path field, "...", then "Zurück" and the disabled "Weiter".
    EXPECT_EQ(InitialFocus({kField, kButton, kButton, kDisabledButton}, 3), 0u);
    // Step 1 with "Automatisch erstellen": the name field is disabled.
    EXPECT_EQ(InitialFocus({kHiddenField, kField, kButton, kButton}, 3), 1u);
    // A button of the page comes before the field in tab order.
    EXPECT_EQ(InitialFocus({kButton, kHiddenField, kField, kButton}, 3), 2u);
}

TEST(InitialFocus, APageWithoutFieldsFocusesItsDefaultButton) {
    // Intro: "Abbrechen" stands first, but Enter should go on, not cancel.
    EXPECT_EQ(InitialFocus({kButton, kButton}, 1), 1u);
    // A disabled default leaves the first usable control.
    EXPECT_EQ(InitialFocus({kDisabledButton, kButton, kDisabledButton}, 2), 1u);
    EXPECT_EQ(InitialFocus({kButton, kButton}, std::nullopt), 0u);
    EXPECT_EQ(InitialFocus({kButton}, 7), 0u);  // a default that is not among them
}

TEST(InitialFocus, NothingUsableMeansNoFocus) {
    EXPECT_EQ(InitialFocus({}, std::nullopt), std::nullopt);
    EXPECT_EQ(InitialFocus({kHiddenField, kDisabledButton}, 1), std::nullopt);
}

TEST(FocusHandoff, GoesBackToTheNearestUsableControlElseForward) {
    // List, "Hinzufügen...", "Entfernen" (now disabled), "Zurück", "Weiter".
    EXPECT_EQ(FocusHandoff({kField, kButton, kDisabledButton, kButton, kButton}, 2), 1u);
    // Skips unusable controls on the way back.
    EXPECT_EQ(FocusHandoff({kField, kDisabledButton, kHiddenField, kDisabledButton}, 3), 0u);
    // Nothing before it: forward.
    EXPECT_EQ(FocusHandoff({kDisabledButton, kHiddenField, kButton}, 0), 2u);
    EXPECT_EQ(FocusHandoff({kDisabledButton, kDisabledButton}, 0), std::nullopt);
    // A lost index beyond the list still looks back from its end.
    EXPECT_EQ(FocusHandoff({kField, kDisabledButton}, 5), 0u);
}

TEST(EnterKey, PressesTheDefaultOnlyWhileItIsUsable) {
    EXPECT_EQ(DecideEnter(false, false, true), EnterAction::PressDefault);
    EXPECT_EQ(DecideEnter(false, false, false), EnterAction::Nothing);
}

TEST(EnterKey, AFocusedButtonOrAnOpenListComesFirst) {
    EXPECT_EQ(DecideEnter(false, true, true), EnterAction::PressFocused);
    EXPECT_EQ(DecideEnter(false, true, false), EnterAction::PressFocused);
    EXPECT_EQ(DecideEnter(true, false, true), EnterAction::LeaveToControl);
    EXPECT_EQ(DecideEnter(true, false, false), EnterAction::LeaveToControl);
}
