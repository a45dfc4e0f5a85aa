#include <gtest/gtest.h>

#include <climits>

#include "core/precondition_text.h"
#include "core/texts.h"

using namespace tolvane;

namespace {
std::string Label(int kind) { return std::string(KindLabel(kind)); }
}  // namespace

TEST(ConditionText, EncodesLabelBraceValueBraceSemicolonWithNothingBetween) {
    EXPECT_EQ(EncodeConditions({}), "");
    EXPECT_EQ(EncodeConditions({{Label(0), "30"}, {Label(1), ""}}),
              "Wartezeit von ...{30};Verbindung mit Internet{};");
}

TEST(ConditionText, DecodesItemsInOrderKeepingRepeatedKinds) {
    const std::string text = Label(0) + "{30};" + Label(11) + "{C:\\a b\\x.txt};" + Label(0) + "{5};";
    const auto items = DecodeConditions(text);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0], (ConditionItem{Label(0), "30"}));
    EXPECT_EQ(items[1], (ConditionItem{Label(11), "C:\\a b\\x.txt"}));
    EXPECT_EQ(items[2], (ConditionItem{Label(0), "5"}));
    EXPECT_EQ(EncodeConditions(items), text);
}

TEST(ConditionText, MalformedPiecesDecodeAsTheRulesSay) {
    EXPECT_TRUE(DecodeConditions("Wartezeit von ...{30}").empty()) << "no ';' holds no item";
    EXPECT_TRUE(DecodeConditions("").empty());

    // No "{": empty label. No "}": the label stays, the value is empty.
    auto items = DecodeConditions("plain;Wartezeit von ...{30;");
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0], (ConditionItem{"", ""}));
    EXPECT_EQ(items[1], (ConditionItem{"Wartezeit von ...", ""}));

    // A ";" inside a value splits the item in two.
    items = DecodeConditions(Label(11) + "{C:\\a;b};");
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0], (ConditionItem{Label(11), ""}));
    EXPECT_EQ(items[1], (ConditionItem{"", ""}));

    // "}" before "{" gives an empty value; text after the last ";" is ignored.
    items = DecodeConditions("a}b{c;tail{x}");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0], (ConditionItem{"a}b", ""}));

    // Only the first "}" ends the value.
    items = DecodeConditions("L{a}b}c;");
    EXPECT_EQ(items[0].value, "a");
}

TEST(ConditionText, KindsAreFoundByExactLabelOnly) {
    for (int kind = 0; kind < kConditionKindCount; ++kind) EXPECT_EQ(FindConditionKind(KindLabel(kind)), kind);
    EXPECT_FALSE(FindConditionKind("wartezeit von ...").has_value());
    EXPECT_FALSE(FindConditionKind("Wartezeit von ..").has_value());
    EXPECT_FALSE(FindConditionKind("").has_value());
}

TEST(ConditionText, ValueKindsFollowTheTable) {
    EXPECT_TRUE(KindTakesNumber(kWaitSeconds));
    EXPECT_FALSE(KindTakesNumber(kInternetOnline) || KindTakesText(kInternetOnline));
    EXPECT_FALSE(KindTakesNumber(kInternetOffline) || KindTakesText(kInternetOffline));
    for (int kind = kDiskFreeBelow; kind <= kMemoryUsedAbove; ++kind) EXPECT_TRUE(KindTakesNumber(kind));
    for (int kind = kFileExists; kind <= kUserNameIs; ++kind) EXPECT_TRUE(KindTakesText(kind));
}

TEST(ConditionText, ValuesWithBracesOrSemicolonsAreRefused) {
    EXPECT_EQ(CheckConditionValue("C:\\Daten\\x.txt"), ValueProblem::None);
    EXPECT_EQ(CheckConditionValue(""), ValueProblem::None);
    EXPECT_EQ(CheckConditionValue("a{b"), ValueProblem::Brace);
    EXPECT_EQ(CheckConditionValue("}"), ValueProblem::Brace);
    EXPECT_EQ(CheckConditionValue("C:\\a;b"), ValueProblem::Semicolon);
}

TEST(LenientNumber, ReadsLikeTheUserExpects) {
    EXPECT_EQ(ReadLenientNumber("30"), 30);
    EXPECT_EQ(ReadLenientNumber(" \t 42abc"), 42);
    EXPECT_EQ(ReadLenientNumber("-1"), -1);
    EXPECT_EQ(ReadLenientNumber("+7"), 7);
    EXPECT_EQ(ReadLenientNumber("007"), 7);
    EXPECT_EQ(ReadLenientNumber("abc"), 0);
    EXPECT_EQ(ReadLenientNumber(""), 0);
    EXPECT_EQ(ReadLenientNumber("-"), 0);
    EXPECT_EQ(ReadLenientNumber("--5"), 0);
    EXPECT_EQ(ReadLenientNumber(" 1 2"), 1);
    EXPECT_EQ(ReadLenientNumber("2147483647"), INT32_MAX);
    EXPECT_EQ(ReadLenientNumber("-2147483648"), INT32_MIN);
    EXPECT_EQ(ReadLenientNumber("2147483648"), INT32_MIN) << "overflow wraps";
    EXPECT_EQ(ReadLenientNumber("4294967297"), 1);
}

TEST(ConditionText, AcceptsExactlyWhatTheEditorWrites) {
    std::string all;
    for (int kind = 0; kind < kConditionKindCount; ++kind)
        all += EncodeConditions(
            {{Label(kind), KindTakesNumber(kind) ? std::to_string(LargestNumberOf(kind)) : KindTakesText(kind) ? "C:\\x" : ""}});
    for (const std::string& text : {std::string(), all, Label(0) + "{};", Label(15) + "{" + std::string(50, 'u') + "};"})
        EXPECT_EQ(CheckConditionText(text, 50).fault, ConditionTextFault::None) << text;
}

TEST(ConditionText, NamesTheFirstItemThatNoEditorCouldHaveWritten) {
    const std::string wait = Label(kWaitSeconds);
    const std::string online = Label(kInternetOnline);
    const std::string user = Label(kUserNameIs);
    const struct {
        std::string text;
        ConditionTextFault fault;
        std::size_t item;
    } cases[] = {
        {wait + "{3000000000};", ConditionTextFault::NotPlainNumber, 0},  // would wrap to no wait
        {wait + "{2147483648};", ConditionTextFault::NotPlainNumber, 0},
        {wait + "{-5};", ConditionTextFault::NotPlainNumber, 0},
        {wait + "{ 5};", ConditionTextFault::NotPlainNumber, 0},
        {wait + "{5s};", ConditionTextFault::NotPlainNumber, 0},
        {wait + "{600}", ConditionTextFault::NotClosed, 0},
        {wait + "{600};" + wait + "{1}", ConditionTextFault::NotClosed, 1},
        {wait + "{600};x", ConditionTextFault::NotClosed, 1},
        {wait + "{600", ConditionTextFault::NotClosed, 0},
        {wait + "600;", ConditionTextFault::NotClosed, 0},
        {"Unbekannt{1};", ConditionTextFault::UnknownKind, 0},
        {"{-5};", ConditionTextFault::UnknownKind, 0},
        {wait + " {5};", ConditionTextFault::UnknownKind, 0},
        {online + "{1};", ConditionTextFault::UnexpectedValue, 0},
        {user + "{a{b};", ConditionTextFault::Brace, 0},
        {user + "{a}b};", ConditionTextFault::Brace, 0},
        {user + "{a;b};", ConditionTextFault::Semicolon, 0},
        {user + "{" + std::string(51, 'u') + "};", ConditionTextFault::TooLong, 0},
        {wait + "{1};" + Label(kProcessorLoadBelow) + "{101};", ConditionTextFault::NotPlainNumber, 1},
    };
    for (const auto& [text, fault, item] : cases) {
        const ConditionTextCheck check = CheckConditionText(text, 50);
        EXPECT_EQ(check.fault, fault) << text;
        EXPECT_EQ(check.item, item) << text;
    }
}

TEST(ConditionText, PlainNumbersAreDigitsUpToTheLargestInt) {
    for (const char* yes : {"", "0", "007", "2147483647"}) EXPECT_TRUE(IsPlainNumber(yes)) << yes;
    for (const char* no : {"2147483648", "99999999999999999999999", "-1", "+1", " 1", "1 ", "1e3"})
        EXPECT_FALSE(IsPlainNumber(no)) << no;
}
