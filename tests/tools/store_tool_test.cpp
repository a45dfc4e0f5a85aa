#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "core/entry_store.h"
#include "engine/start_target.h"
#include "tools/store_tool.h"

using namespace tolvane;
namespace fs = std::filesystem;

namespace {

class StoreTool : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("tolvane-tool-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string path(const char* name) const { return (folder_ / name).string(); }
    void writeText(const char* name, const std::string& text) const {
        std::ofstream(folder_ / name, std::ios::binary) << text;
    }
    int run(std::vector<std::string> args) {
        out_.str({});
        err_.str({});
        return RunStoreTool(args, HostFiles(), out_, err_);
    }

    fs::path folder_;
    std::ostringstream out_, err_;
};

const std::string kLines =
    R"({"list":"program","name":"Editor","condition":"notepad.exe","parameters":"","hidden":"","path":"C:\\Windows\\notepad.exe"})"
    "\n"
    R"({"list":"system","name":"Grüße","condition":"Wartezeit von ...{30};Prozessorauslastung kleiner als ...{20};Programm ... läuft{vpnclient.exe};","parameters":"-a \"b\"","hidden":"X","path":"C:\\A B\\x.exe"})"
    "\n\n";

}  // namespace

TEST_F(StoreTool, PackThenDumpGivesTheRowsBackSystemListFirst) {
    writeText("in.jsonl", kLines);
    ASSERT_EQ(run({"pack", path("in.jsonl"), path("tolvane.boot")}), 0) << err_.str();
    ASSERT_EQ(run({"dump", path("tolvane.boot")}), 0) << err_.str();
    EXPECT_EQ(out_.str(),
              R"({"list":"system","name":"Grüße","condition":"Wartezeit von ...{30};Prozessorauslastung kleiner als ...{20};Programm ... läuft{vpnclient.exe};","parameters":"-a \"b\"","hidden":"X","path":"C:\\A B\\x.exe"})"
              "\n"
              R"({"list":"program","name":"Editor","condition":"notepad.exe","parameters":"","hidden":"","path":"C:\\Windows\\notepad.exe"})"
              "\n");
    EXPECT_EQ(err_.str(), "");
}

TEST_F(StoreTool, PackWritesWhatTheProgramLoads) {
    writeText("in.jsonl", kLines);
    ASSERT_EQ(run({"pack", path("in.jsonl"), path("tolvane.boot")}), 0);
    EntryStore store(HostFiles(), path("tolvane.boot"), MakeRandomByteSource());
    EntryModel model;
    EXPECT_EQ(store.load(model, false), LoadResult::Loaded);
    ASSERT_EQ(model.systemStart.size(), 1u);
    EXPECT_EQ(model.systemStart[0].entry,
              (StartEntry{"Grüße", "Wartezeit von ...{30};Prozessorauslastung kleiner als ...{20};Programm ... läuft{vpnclient.exe};", "-a \"b\"", "X", "C:\\A B\\x.exe"}));
    EXPECT_EQ(model.programStart[0].entry.condition, "notepad.exe");
    EXPECT_EQ(OpenSeal(Unscramble(HostFiles().read(path("tolvane.boot")).bytes)).seal, StoreSeal::Matches);
}

// A valid entry line with one member's raw JSON value replaced; an empty
// value leaves the member out.
std::string Line(const std::string& key = "", const std::string& value = "") {
    std::map<std::string, std::string> members = {{"list", R"("system")"}, {"name", R"("n")"},
                                                  {"condition", R"("")"}, {"parameters", R"("")"},
                                                  {"hidden", R"("")"},    {"path", R"("C:\\x.exe")"}};
    if (!key.empty()) members[key] = value;
    std::string line;
    for (const auto& [member, text] : members)
        if (!text.empty()) line += (line.empty() ? "{\"" : ",\"") + member + "\":" + text;
    return line + "}";
}

TEST_F(StoreTool, DumpReadsDamagedFilesAsTheProgramDoesAndWarns) {
    EntryModel model;
    model.systemStart.append(StartEntry{"a", "", "", "", "b"});
    const std::string plain = EncodePlainStore(model);
    const auto sameBytes = [] { return std::uint8_t{7}; };
    for (const std::string& damaged : {plain + std::string("\x02" "dropped\r\n"), SealPlainStore(plain) + "\x01x"}) {
        writeText("damaged.boot", Scramble(damaged, sameBytes));
        ASSERT_EQ(run({"dump", path("damaged.boot")}), 0);
        EXPECT_EQ(out_.str(), R"({"list":"system","name":"a","condition":"","parameters":"","hidden":"","path":"b"})" "\n");
        EXPECT_NE(err_.str().find("warning: " + path("damaged.boot") + " is damaged"), std::string::npos) << err_.str();
    }
    writeText("intact.boot", Scramble(SealPlainStore(plain), sameBytes));
    ASSERT_EQ(run({"dump", path("intact.boot")}), 0);
    EXPECT_EQ(err_.str(), "");
}

TEST_F(StoreTool, AProgramStartsConditionIsItsTriggerNotAPreconditionText) {
    writeText("in.jsonl", R"({"list":"program","name":"n","condition":"{-5};","parameters":"","hidden":"","path":"C:\\x.exe"})");
    EXPECT_EQ(run({"pack", path("in.jsonl"), path("tolvane.boot")}), 0) << err_.str();
}

TEST_F(StoreTool, ExplainsItselfOnWrongUseAndMissingFiles) {
    EXPECT_EQ(run({}), 2);
    EXPECT_NE(err_.str().find("usage"), std::string::npos);
    EXPECT_EQ(run({"dump"}), 2);
    EXPECT_EQ(run({"dump", path("missing.boot")}), 1);
    EXPECT_NE(err_.str().find("cannot read"), std::string::npos);
}

// Each line is refused with its line number and the member it concerns, and
// no store is written: every row must be one Tolvane itself could write.
TEST_F(StoreTool, PackRefusesWhatTheProgramWouldNeverWrite) {
    const std::string tooLong(kMaxCommandLineLength, 'a');
    const struct {
        std::string line;
        const char* named;
    } cases[] = {
        {Line("hidden", R"(" ")"), "\"hidden\": must be \"X\" or empty"},  // starts hidden, looks empty
        {Line("hidden", R"("x")"), "\"hidden\": must be \"X\" or empty"},
        {Line("hidden", "true"), "\"hidden\": must be a string"},
        {Line("name", "\"\xC1\x81\""), "\"name\": "},             // overlong "A"
        {Line("path", "\"C:\\\\\xC0\x80.exe\""), "\"path\": "},  // overlong NUL
        {Line("parameters", "\"" + tooLong + "\""), "\"parameters\": makes a command line of"},
        {Line("parameters", ""), "\"parameters\": is missing"},
        {Line("list", R"("elsewhere")"), "\"list\": must be \"system\" or \"program\""},
        {Line("condition", R"(["a"])"), "\"condition\": must be a string"},
        {Line("path", R"("a\rb")"), "\"path\": holds a line break"},
        {Line("name", R"("a\u0000")"), "\"name\": holds a line break, NUL or 0x01"},
        {Line("nmae", R"("a")"), "\"nmae\": is not a member"},
        {Line("name", R"("\u2028")"), "\"name\": holds a character that Windows-1252 cannot"},
        {"\xEF\xBB\xBF" + Line(), "a byte-order mark"},  // only the file's first line may have one
        {"not json", "column 2: "},
        // A system start's condition exactly as the editor writes it.
        {Line("condition", R"("Wartezeit von ...{3000000000};")"), "\"condition\": item 1 must have a whole number"},
        {Line("condition", R"("Wartezeit von ...{1};Wartezeit von ...{600}")"), "\"condition\": item 2 is not closed"},
        {Line("condition", R"("Unbekannt{1};")"), "\"condition\": item 1 is not one of Tolvane's preconditions"},
        {Line("condition", R"("{-5};")"), "\"condition\": item 1 is not one of Tolvane's preconditions"},
        {Line("condition", R"("Verbindung mit Internet{ja};")"), "\"condition\": item 1 takes no value"},
        {Line("condition", R"("Prozessorauslastung kleiner als ...{101};")"),
         "\"condition\": item 1 must have a whole number from 0 to 100"},
        {Line("condition", "\"Angemeldeter User heisst ...{" + std::string(kLongestField + 1, 'u') + "};\""),
         "\"condition\": item 1 has a value longer than the 32767 characters"},
        {Line("name", "\"" + std::string(kLongestField + 1, 'n') + "\""), "\"name\": is 32768 characters long"},
    };
    for (const auto& [line, named] : cases) {
        writeText("bad.jsonl", kLines + line + "\n");
        EXPECT_EQ(run({"pack", path("bad.jsonl"), path("out.boot")}), 1) << line;
        EXPECT_NE(err_.str().find("bad.jsonl:4: " + std::string(named)), std::string::npos) << err_.str();
        EXPECT_FALSE(fs::exists(path("out.boot"))) << line;
    }
}

TEST_F(StoreTool, PackAcceptsAByteOrderMarkAtTheStartOfTheFile) {
    writeText("in.jsonl", "\xEF\xBB\xBF" + kLines);
    ASSERT_EQ(run({"pack", path("in.jsonl"), path("tolvane.boot")}), 0) << err_.str();
    ASSERT_EQ(run({"dump", path("tolvane.boot")}), 0);
    EXPECT_EQ(out_.str().substr(0, 25), R"({"list":"system","name":")") << out_.str();
    EXPECT_NE(out_.str().find(R"("name":"Editor")"), std::string::npos) << "the first line is read too";
}
