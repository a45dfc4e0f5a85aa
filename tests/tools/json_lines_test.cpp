#include <gtest/gtest.h>

#include "tools/json_lines.h"

using namespace tolvane;

TEST(JsonLines, ParsesFlatObjectsWithEscapes) {
    std::string error;
    const auto object = ParseFlatJsonObject(
        R"( {"a":"x\"y\\z","b":"\u00fc\u20ac","c":true, "d" : false, "e":"\ud83d\ude00"} )", error);
    ASSERT_TRUE(object) << error;
    EXPECT_EQ(object->strings.at("a"), "x\"y\\z");
    EXPECT_EQ(object->strings.at("b"), "ü€");
    EXPECT_EQ(object->strings.at("e"), "😀");
    EXPECT_TRUE(object->booleans.at("c"));
    EXPECT_FALSE(object->booleans.at("d"));
    EXPECT_TRUE(ParseFlatJsonObject("{}", error));
}

TEST(JsonLines, RejectsWhatIsNotOneFlatObject) {
    std::string error;
    for (const char* bad : {"", "[]", "{", R"({"a":1})", R"({"a":"x"} tail)", R"({"a":"x","a":"y"})",
                            R"({"a":{"b":"c"}})", "{\"a\":\"raw\ttab\"}", R"({"a":"\ud800"})", R"({"a":"\q"})",
                            R"({"a" "x"})", R"({"a":"x",})"}) {
        error.clear();
        EXPECT_FALSE(ParseFlatJsonObject(bad, error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
}

TEST(JsonLines, WritesStringsThatParseBack) {
    const std::string text = "quote\" back\\ tab\t nl\n ctl\x01 ü";
    std::string error;
    const auto object = ParseFlatJsonObject("{\"k\":" + JsonString(text) + "}", error);
    ASSERT_TRUE(object) << error;
    EXPECT_EQ(object->strings.at("k"), text);
    EXPECT_EQ(JsonString("a\x01"), "\"a\\u0001\"");
}
