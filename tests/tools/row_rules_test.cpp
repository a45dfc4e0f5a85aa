#include <gtest/gtest.h>

#include "core/cp1252.h"
#include "engine/start_target.h"
#include "tools/json_row.h"
#include "tools/row_rules.h"

using namespace tolvane;

namespace {

JsonFields Fields(std::string name = "n", std::string parameters = "", std::string path = "C:\\x.exe") {
    return {{"list", "program"},    {"name", std::move(name)}, {"condition", "a.exe"},
            {"parameters", std::move(parameters)}, {"hidden", ""}, {"path", std::move(path)}};
}

}  // namespace

TEST(JsonRow, NamesTheMemberWhoseValueIsWrong) {
    const struct {
        const char* line;
        std::optional<std::string> field;
    } cases[] = {
        {"{\"a\":\"x\",\"path\":\"\xC1\x81\"}", "path"},  // ill-formed UTF-8 inside the value
        {R"({"a":"x","b":"\ud800"})", "b"},              // unpaired surrogate escape
        {R"({"a":"x","b":{"c":"d"}})", "b"},
        {R"({"a":"x","a":"y"})", "a"},                   // the parser alone would keep "y"
        {R"({"":false})", ""},
        {R"({"a":"x" "b":"y"})", std::nullopt},          // between members: the line's fault
        {R"(["a"])", std::nullopt},
        {"\xEF\xBB\xBF{\"a\":\"x\"}", std::nullopt},
    };
    for (const auto& [line, field] : cases) {
        LineRefusal refusal;
        EXPECT_FALSE(ParseJsonFields(line, refusal)) << line;
        EXPECT_EQ(refusal.field, field) << line;
        EXPECT_FALSE(refusal.reason.empty()) << line;
    }
}

TEST(JsonRow, ParseErrorsLeaveOutTheBytesTheyStumbledOn) {
    LineRefusal refusal;
    ASSERT_FALSE(ParseJsonFields("{\"name\":\"\xC1\x81\"}", refusal));
    EXPECT_EQ(refusal.reason.find('\xC1'), std::string::npos) << refusal.reason;
    EXPECT_NE(refusal.reason.find("UTF-8"), std::string::npos) << refusal.reason;
}

TEST(RowRules, BoundsTheCommandLineAsTheStartBuildsIt) {
    LineRefusal refusal;
    // Quoted path (10), blank, parameters: exactly the limit, then one more.
    const std::string fits(kMaxCommandLineLength - 11, 'p');
    EXPECT_TRUE(RowOfFields(Fields("n", fits), refusal));
    EXPECT_FALSE(RowOfFields(Fields("n", fits + "p"), refusal));
    EXPECT_EQ(refusal.field, "parameters");
    // A path already in quotes is not quoted again.
    const std::string quoted = "\"" + std::string(kMaxCommandLineLength - 2, 'q') + "\"";
    EXPECT_TRUE(RowOfFields(Fields("n", "", quoted), refusal));
    // Without parameters it is the path alone that is too long.
    EXPECT_FALSE(RowOfFields(Fields("n", "", std::string(kMaxCommandLineLength - 1, 'q')), refusal));
    EXPECT_EQ(refusal.field, "path");
    EXPECT_NE(refusal.reason.find("32767"), std::string::npos) << refusal.reason;
}

TEST(RowRules, EveryStorableByteSurvivesDumpAndPack) {
    // The five bytes Windows-1252 leaves undefined included: Tolvane can hold
    // them, so a dump of its store must pack again unchanged.
    std::string bytes;
    for (int b = 2; b < 256; ++b)
        if (b != '\r' && b != '\n') bytes += static_cast<char>(b);
    const std::string all = Cp1252ToUtf8(bytes);  // as the program reads them from its store
    const StartEntry entry{all, "Wartezeit von ...{30};", "", "X", "C:\\" + all};
    const std::string line = JsonLine(FieldsOfRow(ListKind::SystemStart, entry));
    LineRefusal refusal;
    const auto fields = ParseJsonFields(line, refusal);
    ASSERT_TRUE(fields) << refusal.reason;
    const auto row = RowOfFields(*fields, refusal);
    ASSERT_TRUE(row) << (refusal.field ? *refusal.field : "") << ": " << refusal.reason;
    EXPECT_EQ(row->kind, ListKind::SystemStart);
    EXPECT_EQ(row->entry, entry);
}
