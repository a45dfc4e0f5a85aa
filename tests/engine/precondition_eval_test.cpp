#include <gtest/gtest.h>

#include "core/precondition_text.h"
#include "core/texts.h"
#include "engine/precondition_eval.h"
#include "fake_engine_services.h"

using namespace tolvane;
using tolvane::testing::FakeMeasures;

namespace {

constexpr std::uint32_t kStart = 5000;
constexpr std::int64_t kMB = 1024 * 1024;

std::string Item(int kind, std::string_view value = "") {
    return std::string(KindLabel(kind)) + "{" + std::string(value) + "};";
}

class Preconditions : public ::testing::Test {
protected:
    EntryOutcome evaluate(std::string_view text) { return JudgeEntryPreconditions(text, kStart, m).outcome; }
    ItemOutcome item(int kind, std::string_view value) { return ReadCondition(kind, value, kStart, m).outcome; }
    FakeMeasures m;
};

}  // namespace

TEST_F(Preconditions, EmptyTextOrNoSemicolonStartsWithoutMeasuring) {
    EXPECT_EQ(evaluate(""), EntryOutcome::Start);
    // Without its ";" the item is not counted at all.
    m.user = "bob";
    EXPECT_EQ(evaluate(std::string(KindLabel(kUserNameIs)) + "{anna}"), EntryOutcome::Start);
    EXPECT_EQ(m.readings, 0);
}

TEST_F(Preconditions, WaitingTimeCountsFromProgramStartAndWraps) {
    m.now = kStart + 29999;
    EXPECT_EQ(item(kWaitSeconds, "30"), ItemOutcome::NotYet);
    m.now = kStart + 30000;
    EXPECT_EQ(item(kWaitSeconds, "30"), ItemOutcome::Holds);
    m.now = kStart;
    EXPECT_EQ(item(kWaitSeconds, "0"), ItemOutcome::Holds);
    EXPECT_EQ(item(kWaitSeconds, "abc"), ItemOutcome::Holds) << "not a number reads as 0";
    EXPECT_EQ(item(kWaitSeconds, "-5"), ItemOutcome::Holds);
    EXPECT_EQ(item(kWaitSeconds, "  +1x"), ItemOutcome::NotYet);
    // The tick counter wraps past zero between start and now.
    m.now = 0xFFFFF000u + 1500;
    EXPECT_EQ(ReadCondition(kWaitSeconds, "2", 0xFFFFF000u, m).outcome, ItemOutcome::NotYet);
    m.now = 0x00000800u;  // 0x1800 = 6144 ms later
    EXPECT_EQ(ReadCondition(kWaitSeconds, "6", 0xFFFFF000u, m).outcome, ItemOutcome::Holds);
    EXPECT_EQ(ReadCondition(kWaitSeconds, "7", 0xFFFFF000u, m).outcome, ItemOutcome::NotYet);
    // Waits too long for the 32-bit tick difference never end early.
    m.now = kStart + 1000;
    EXPECT_EQ(item(kWaitSeconds, "2147484"), ItemOutcome::NotYet);
    EXPECT_EQ(item(kWaitSeconds, "4294968"), ItemOutcome::NotYet);
    EXPECT_EQ(item(kWaitSeconds, "2147483647"), ItemOutcome::NotYet);
}

TEST_F(Preconditions, InternetKindsFollowTheConnection) {
    m.connected = true;
    EXPECT_EQ(item(kInternetOnline, ""), ItemOutcome::Holds);
    EXPECT_EQ(item(kInternetOffline, ""), ItemOutcome::Fails);
    m.connected = false;
    EXPECT_EQ(item(kInternetOnline, ""), ItemOutcome::Fails);
    EXPECT_EQ(item(kInternetOffline, ""), ItemOutcome::Holds);
    EXPECT_EQ(m.internetTests, 4) << "tested afresh for every item";
}

TEST_F(Preconditions, DiskKindsHoldOnEqualityBothWays) {
    m.disk = {100 * kMB, 300 * kMB};  // 200 MB used
    EXPECT_EQ(item(kDiskFreeBelow, "100"), ItemOutcome::Holds);
    EXPECT_EQ(item(kDiskFreeAbove, "100"), ItemOutcome::Holds);
    EXPECT_EQ(item(kDiskFreeBelow, "99"), ItemOutcome::Fails);
    EXPECT_EQ(item(kDiskFreeAbove, "101"), ItemOutcome::Fails);
    EXPECT_EQ(item(kDiskUsedBelow, "200"), ItemOutcome::Holds);
    EXPECT_EQ(item(kDiskUsedAbove, "200"), ItemOutcome::Holds);
    EXPECT_EQ(item(kDiskUsedBelow, "199"), ItemOutcome::Fails);
    EXPECT_EQ(item(kDiskUsedAbove, "201"), ItemOutcome::Fails);
    // One byte off the threshold.
    m.disk = {100 * kMB + 1, 300 * kMB};
    EXPECT_EQ(item(kDiskFreeBelow, "100"), ItemOutcome::Fails);
    EXPECT_EQ(item(kDiskUsedAbove, "200"), ItemOutcome::Fails);
}

TEST_F(Preconditions, LargeDisksAndMemoryCompareIn64Bits) {
    m.disk = {3000 * 1024 * kMB, 4000 * 1024 * kMB};  // 3000 GB free of 4000 GB
    EXPECT_EQ(item(kDiskFreeAbove, "3072000"), ItemOutcome::Holds);
    EXPECT_EQ(item(kDiskFreeAbove, "3072001"), ItemOutcome::Fails);
    m.mem = {6ull * 1024 * kMB, 16ull * 1024 * kMB};  // 6 GB available of 16 GB
    EXPECT_EQ(item(kMemoryFreeAbove, "6144"), ItemOutcome::Holds);
    EXPECT_EQ(item(kMemoryFreeAbove, "6145"), ItemOutcome::Fails);
    EXPECT_EQ(item(kMemoryFreeBelow, "2048"), ItemOutcome::Fails);
    EXPECT_EQ(item(kMemoryUsedAbove, "10240"), ItemOutcome::Holds);
    EXPECT_EQ(item(kMemoryUsedBelow, "10240"), ItemOutcome::Holds);
    EXPECT_EQ(item(kMemoryUsedBelow, "10239"), ItemOutcome::Fails);
    EXPECT_EQ(item(kMemoryUsedAbove, "10241"), ItemOutcome::Fails);
}

TEST_F(Preconditions, MinusOneMegabyteMakesEveryAboveHoldAndEveryBelowFail) {
    m.disk = {0, 0};
    m.mem = {0, 0};
    for (int kind = kDiskFreeBelow; kind <= kMemoryUsedAbove; ++kind) {
        const bool above = kind == kDiskFreeAbove || kind == kMemoryFreeAbove || kind == kDiskUsedAbove ||
                           kind == kMemoryUsedAbove;
        EXPECT_EQ(item(kind, "-1"), above ? ItemOutcome::Holds : ItemOutcome::Fails) << KindLabel(kind);
        // Not a number reads as 0: zero free space sits exactly on it.
        EXPECT_EQ(item(kind, "x"), ItemOutcome::Holds) << KindLabel(kind);
    }
    m.mem = {8ull * 1024 * kMB, 16ull * 1024 * kMB};
    EXPECT_EQ(item(kMemoryFreeAbove, "-1"), ItemOutcome::Holds);
    EXPECT_EQ(item(kMemoryFreeBelow, "-1"), ItemOutcome::Fails);
}

TEST_F(Preconditions, PathKindsTellFilesFromDirectories) {
    m.paths = {{"C:\\a.txt", PathKind::File}, {"C:\\dir", PathKind::Directory}};
    const struct {
        int kind;
        const char* path;
        ItemOutcome expected;
    } cases[] = {
        {kFileExists, "C:\\a.txt", ItemOutcome::Holds},      {kFileExists, "C:\\dir", ItemOutcome::Fails},
        {kFileExists, "C:\\none", ItemOutcome::Fails},       {kFileMissing, "C:\\a.txt", ItemOutcome::Fails},
        {kFileMissing, "C:\\dir", ItemOutcome::Holds},       {kFileMissing, "C:\\none", ItemOutcome::Holds},
        {kDirectoryExists, "C:\\dir", ItemOutcome::Holds},   {kDirectoryExists, "C:\\a.txt", ItemOutcome::Fails},
        {kDirectoryExists, "", ItemOutcome::Fails},          {kDirectoryMissing, "C:\\dir", ItemOutcome::Fails},
        {kDirectoryMissing, "C:\\a.txt", ItemOutcome::Holds}, {kDirectoryMissing, "C:\\none", ItemOutcome::Holds},
    };
    for (const auto& c : cases) EXPECT_EQ(item(c.kind, c.path), c.expected) << KindLabel(c.kind) << " " << c.path;
}

TEST_F(Preconditions, UserNameComparesExactly) {
    EXPECT_EQ(item(kUserNameIs, "anna"), ItemOutcome::Holds);
    EXPECT_EQ(item(kUserNameIs, "Anna"), ItemOutcome::Fails);
    EXPECT_EQ(item(kUserNameIs, "anna "), ItemOutcome::Fails);
    EXPECT_EQ(item(kUserNameIs, ""), ItemOutcome::Fails);
}

TEST_F(Preconditions, WalkStopsAtTheFirstItemThatDoesNotHold) {
    m.now = kStart + 1000;
    m.connected = false;
    // Internet first: tested at every pass until the wait is over.
    EXPECT_EQ(evaluate(Item(kInternetOffline) + Item(kWaitSeconds, "60")), EntryOutcome::Waiting);
    EXPECT_EQ(m.internetTests, 1);
    // Wait first: no test before it has elapsed.
    EXPECT_EQ(evaluate(Item(kWaitSeconds, "60") + Item(kInternetOnline)), EntryOutcome::Waiting);
    EXPECT_EQ(m.internetTests, 1);
    // A failing item ends the walk before a later wait.
    EXPECT_EQ(evaluate(Item(kInternetOnline) + Item(kWaitSeconds, "60")), EntryOutcome::Failed);
    // A wait placed last after holding items waits.
    EXPECT_EQ(evaluate(Item(kUserNameIs, "anna") + Item(kWaitSeconds, "60")), EntryOutcome::Waiting);
    m.now = kStart + 60000;
    EXPECT_EQ(evaluate(Item(kUserNameIs, "anna") + Item(kWaitSeconds, "60")), EntryOutcome::Start);
    EXPECT_EQ(evaluate(Item(kUserNameIs, "anna") + Item(kUserNameIs, "bob")), EntryOutcome::Failed);
}

TEST_F(Preconditions, MalformedAndUnknownItemsAreIgnored) {
    m.user = "anna";
    EXPECT_EQ(evaluate("Unbekannt{1};"), EntryOutcome::Start);
    EXPECT_EQ(evaluate("ohne Klammer;"), EntryOutcome::Start);
    EXPECT_EQ(evaluate(";;;"), EntryOutcome::Start);
    EXPECT_EQ(evaluate("angemeldeter user heisst ...{bob};"), EntryOutcome::Start) << "labels are case-sensitive";
    EXPECT_EQ(m.readings, 0);
    // A ";" inside the value splits the item: the first piece has no "}" and
    // so an empty value, the second has no "{" and is ignored.
    EXPECT_EQ(evaluate(std::string(KindLabel(kUserNameIs)) + "{an;na};"), EntryOutcome::Failed);
    m.user = "";
    EXPECT_EQ(evaluate(std::string(KindLabel(kUserNameIs)) + "{an;na};"), EntryOutcome::Start);
    // Text after the last ";" does not count.
    EXPECT_EQ(evaluate(Item(kUserNameIs, "") + std::string(KindLabel(kUserNameIs)) + "{x}"), EntryOutcome::Start);
}
