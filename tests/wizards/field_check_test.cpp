#include <gtest/gtest.h>

#include "wizards/field_check.h"

using namespace tolvane;

namespace {

// UTF-8 as a Unicode field hands it over.
const std::string kGreeting = "Gr\xC3\xBC\xC3\x9F" "e";                  // Grüße
const std::string kOmega = "\xCE\xA9";                                   // Ω
const std::string kChinese = "\xE4\xB8\xAD\xE6\x96\x87";                 // 中文
const std::string kEuroDash = "\xE2\x82\xAC \xE2\x80\x93 \xC5\x93";      // € – œ, all in Windows-1252

FieldFault FaultOf(const std::string& text) { return CheckFieldText(text).fault; }

}  // namespace

TEST(FieldCheck, TextWindows1252HoldsIsConvertedByteForByte) {
    EXPECT_EQ(CheckFieldText(kGreeting).text, kGreeting);
    EXPECT_EQ(CheckFieldText(kEuroDash).text, kEuroDash);
    EXPECT_EQ(CheckFieldText("C:\\Tools\\a b.exe").text, "C:\\Tools\\a b.exe");
    EXPECT_EQ(CheckFieldText("a\tb").fault, FieldFault::None) << "a tab splits no row";
    EXPECT_EQ(CheckFieldText("").fault, FieldFault::None);
}

TEST(FieldCheck, CharactersOutsideWindows1252AreRefusedNotReplaced) {
    // What the ANSI fields made of them: "O" and "??".
    EXPECT_EQ(FaultOf(kGreeting + " " + kOmega + " " + kChinese), FieldFault::OutsideCodePage);
    EXPECT_EQ(FaultOf(kOmega), FieldFault::OutsideCodePage);
    EXPECT_EQ(FaultOf("C:\\" + kChinese + ".exe"), FieldFault::OutsideCodePage);
    EXPECT_EQ(FaultOf("\xF0\x9F\x98\x80"), FieldFault::OutsideCodePage) << "a character beyond U+FFFF";
    EXPECT_EQ(FaultOf("\xEF\xBF\xBD"), FieldFault::OutsideCodePage) << "a lone surrogate read from the field";
    EXPECT_EQ(FaultOf("\xC1\x81"), FieldFault::OutsideCodePage) << "overlong UTF-8";
}

TEST(FieldCheck, LineBreaksAndControlBytesTheStoreSplitsOnAreRefusedNotCut) {
    EXPECT_EQ(FaultOf("-a\r\n-b"), FieldFault::LineBreak);
    EXPECT_EQ(FaultOf("name\n"), FieldFault::LineBreak);
    EXPECT_EQ(FaultOf("\rname"), FieldFault::LineBreak);
    EXPECT_EQ(FaultOf("a\x01" "b"), FieldFault::LineBreak);
    EXPECT_EQ(FaultOf(std::string("a\0b", 3)), FieldFault::LineBreak);
    EXPECT_EQ(FaultOf(kOmega + "\n"), FieldFault::LineBreak) << "the invisible fault is named first";
}

TEST(FieldCheck, TheMessageNamesTheField) {
    EXPECT_EQ(FieldFaultMessage(Field::Name, FieldFault::OutsideCodePage),
              "Der Name enthält Zeichen, die Tolvane nicht speichern kann.");
    EXPECT_EQ(FieldFaultMessage(Field::Parameters, FieldFault::OutsideCodePage),
              "Die Parameter enthalten Zeichen, die Tolvane nicht speichern kann.");
    EXPECT_EQ(FieldFaultMessage(Field::Path, FieldFault::LineBreak),
              "Der Pfad enthält einen Zeilenumbruch, den Tolvane nicht speichern kann.");
    const std::string picked = FieldFaultMessage(Field::PickedFile, FieldFault::OutsideCodePage);
    EXPECT_EQ(picked.rfind("Der Pfad der gewählten Datei enthält Zeichen, die Tolvane nicht speichern kann.", 0),
              0u)
        << picked;
    // Every field has its own subject, so the user knows where to look.
    const Field all[] = {Field::Name,       Field::Path,           Field::Trigger,    Field::Parameters,
                         Field::ConditionValue, Field::PickedFile, Field::PickedFolder};
    for (const Field a : all) {
        for (const Field b : all) {
            if (a == b) continue;
            EXPECT_NE(FieldFaultMessage(a, FieldFault::OutsideCodePage), FieldFaultMessage(b, FieldFault::OutsideCodePage));
        }
    }
}

TEST(StorableEntry, ConvertsEveryFieldOrNamesTheFirstOneItCannotHold) {
    EntryTexts texts{kGreeting, "notepad.exe", "-x \xE2\x82\xAC", "C:\\Gr\xC3\xBC\xC3\x9F" "e.exe", true};
    const auto ok = StorableEntry(texts, Field::Trigger);
    ASSERT_TRUE(std::holds_alternative<StartEntry>(ok));
    EXPECT_EQ(std::get<StartEntry>(ok),
              (StartEntry{kGreeting, "notepad.exe", "-x \xE2\x82\xAC", "X", "C:\\" + kGreeting + ".exe"}));

    auto refusal = [](const EntryTexts& t, Field condition) {
        const auto result = StorableEntry(t, condition);
        return std::holds_alternative<FieldRefusal>(result) ? std::get<FieldRefusal>(result).field : Field::Name;
    };
    EntryTexts bad = texts;
    bad.parameters = "-p " + kChinese;
    EXPECT_EQ(refusal(bad, Field::Trigger), Field::Parameters);
    bad.condition = kOmega + ".exe";
    EXPECT_EQ(refusal(bad, Field::Trigger), Field::Trigger) << "in the order the window shows them";
    bad.path = "C:\\" + kOmega;
    EXPECT_EQ(refusal(bad, Field::Trigger), Field::Path);
    bad.name = "a\r\nb";
    const auto named = StorableEntry(bad, Field::Trigger);
    ASSERT_TRUE(std::holds_alternative<FieldRefusal>(named));
    EXPECT_EQ(std::get<FieldRefusal>(named).field, Field::Name);
    EXPECT_EQ(std::get<FieldRefusal>(named).fault, FieldFault::LineBreak);
    EXPECT_TRUE(std::get<StartEntry>(StorableEntry({"n", "", "", "p", false}, Field::ConditionValue)).hidden.empty());
}
