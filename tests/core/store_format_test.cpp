#include <gtest/gtest.h>

#include "core/store_format.h"

using namespace tolvane;

namespace {
StartEntry Entry(std::string name, std::string condition = "", std::string path = "p") {
    return StartEntry{std::move(name), std::move(condition), "", "", std::move(path)};
}
RandomByte Counter() {
    return [n = std::uint8_t{0}]() mutable { return n++; };
}
}  // namespace

TEST(PlainFormat, OneHiddenEntryIsTheElevenByteRecord) {
    EntryModel model;
    model.systemStart.append(StartEntry{"a", "", "", "X", "b"});
    const std::string plain = EncodePlainStore(model);
    EXPECT_EQ(plain, std::string("\x00" "a\x01\x01\x01X\x01" "b\x01\r\n", 11));
    EXPECT_EQ(Scramble(plain, Counter()).size(), 22u);
}

TEST(PlainFormat, SystemRowsComeFirstThenProgramRows) {
    EntryModel model;
    model.programStart.append(Entry("p1", "notepad.exe"));
    model.systemStart.append(Entry("s1"));
    model.systemStart.append(Entry("s2"));
    const std::string plain = EncodePlainStore(model);
    EXPECT_EQ(plain[0], '\x00');

    EntryModel back;
    const auto report = DecodePlainStore(plain, back, 0);
    EXPECT_TRUE(report.canonical);
    EXPECT_EQ(report.rowsLoaded, 3u);
    ASSERT_EQ(back.systemStart.size(), 2u);
    EXPECT_EQ(back.systemStart[0].entry, Entry("s1"));
    EXPECT_EQ(back.systemStart[1].entry, Entry("s2"));
    ASSERT_EQ(back.programStart.size(), 1u);
    EXPECT_EQ(back.programStart[0].entry, Entry("p1", "notepad.exe"));
}

TEST(PlainFormat, EmptyListsGiveAnEmptyFile) {
    EntryModel model;
    EXPECT_EQ(EncodePlainStore(model), "");
    EXPECT_EQ(Scramble("", Counter()), "");
    const auto report = DecodePlainStore("", model, 1);
    EXPECT_EQ(report.rowsLoaded, 0u);
    EXPECT_TRUE(report.canonical);
}

TEST(PlainFormat, BytesTheFormatCannotHoldAreNeverWritten) {
    EntryModel model;
    model.systemStart.append(StartEntry{"a\x01" "b", "c\rd", "e\nf", std::string("X\0", 2), "g"});
    const std::string plain = EncodePlainStore(model);
    EXPECT_EQ(plain, std::string("\x00" "ab\x01" "cd\x01" "ef\x01X\x01g\x01\r\n", 16));
    EXPECT_TRUE(IsStorableField("C:\\x y.exe"));
    EXPECT_FALSE(IsStorableField("a\nb"));
}

TEST(PlainFormat, MarksEveryLoadedRowWithTheGivenPendingValue) {
    EntryModel model;
    model.systemStart.append(Entry("s"));
    model.programStart.append(Entry("p"));
    const std::string plain = EncodePlainStore(model);
    EntryModel pending, normal;
    DecodePlainStore(plain, pending, 1);
    DecodePlainStore(plain, normal, 0);
    EXPECT_EQ(pending.systemStart[0].pending, 1u);
    EXPECT_EQ(pending.programStart[0].pending, 1u);
    EXPECT_EQ(normal.systemStart[0].pending, 0u);
}

TEST(PlainFormat, UnknownKindBytesDropOnlyTheirLine) {
    const std::string plain = std::string("\x02" "x\x01\x01\x01\x01y\x01\r\n", 10) +
                              std::string("\x01" "n\x01t\x01\x01\x01p\x01\r\n", 11);
    EntryModel model;
    const auto report = DecodePlainStore(plain, model, 0);
    EXPECT_FALSE(report.canonical);
    EXPECT_TRUE(model.systemStart.empty());
    ASSERT_EQ(model.programStart.size(), 1u);
    EXPECT_EQ(model.programStart[0].entry, (StartEntry{"n", "t", "", "", "p"}));
}

TEST(PlainFormat, EveryLineEndEndsARecord) {
    for (const std::string& end : {std::string("\r\n"), std::string("\r"), std::string("\n"), std::string(1, '\0'),
                                  std::string()}) {
        const std::string record = std::string("\x00" "a\x01\x01\x01\x01" "b\x01", 8);
        EntryModel model;
        DecodePlainStore(record + end + record + end, model, 0);
        ASSERT_EQ(model.systemStart.size(), end.empty() ? 1u : 2u) << "line end of size " << end.size();
        EXPECT_EQ(model.systemStart[0].entry.path, "b");
    }
}

TEST(PlainFormat, ShortLinesGiveEmptyFields) {
    EntryModel model;
    const auto report = DecodePlainStore(std::string("\x00" "only\x01" "cond\r\n\x01", 14), model, 0);
    EXPECT_FALSE(report.canonical);
    ASSERT_EQ(model.systemStart.size(), 1u);
    EXPECT_EQ(model.systemStart[0].entry, (StartEntry{"only", "cond", "", "", ""}));
    // A kind byte at the very end makes a row of empty fields, as the loader reads it.
    ASSERT_EQ(model.programStart.size(), 1u);
    EXPECT_EQ(model.programStart[0].entry, StartEntry{});
}

TEST(PlainFormat, PiecesBeyondTheFifthAreIgnored) {
    EntryModel model;
    const auto report = DecodePlainStore(std::string("\x00" "1\x01" "2\x01" "3\x01" "4\x01" "5\x01" "6\x01\r\n", 16),
                                         model, 0);
    EXPECT_FALSE(report.canonical);
    EXPECT_EQ(model.systemStart[0].entry, (StartEntry{"1", "2", "3", "4", "5"}));
}

TEST(Scrambling, RoundTripsAndUsesTheRandomBytes) {
    std::string plain;
    for (int b = 0; b < 256; ++b) plain += static_cast<char>(b);
    const std::string stored = Scramble(plain, Counter());
    ASSERT_EQ(stored.size(), 512u);
    EXPECT_EQ(Unscramble(stored), plain);
    // Pair i is (r, x + r - K) with r counting up from 0.
    EXPECT_EQ(static_cast<std::uint8_t>(stored[2]), 1);
    EXPECT_EQ(static_cast<std::uint8_t>(stored[3]), static_cast<std::uint8_t>(1 + 1 - kScrambleKey));
}

TEST(Scrambling, TwoSavesOfTheSameListsDiffer) {
    const std::string plain(100, 'x');
    const RandomByte random = Counter();
    EXPECT_NE(Scramble(plain, random), Scramble(plain, random));
}

TEST(Scrambling, ALoneLastBytePairsWithZero) {
    const std::string stored = "\x05";
    EXPECT_EQ(Unscramble(stored), std::string(1, static_cast<char>(static_cast<std::uint8_t>(0 - 5 + kScrambleKey))));
}

namespace {

EntryModel ThreeEntries() {
    EntryModel model;
    model.systemStart.append(Entry("s1", "Wartezeit von ...{30};"));
    model.systemStart.append(Entry("s2"));
    model.programStart.append(Entry("p1", "notepad.exe"));
    return model;
}

// Stored bytes as a save writes them now, and as versions before the check record did.
std::string SealedStore() { return Scramble(SealPlainStore(EncodePlainStore(ThreeEntries())), Counter()); }
std::string OldStore() { return Scramble(EncodePlainStore(ThreeEntries()), Counter()); }

std::size_t Rows(const EntryModel& model) { return model.systemStart.size() + model.programStart.size(); }

}  // namespace

TEST(StoreSeal, TheCheckRecordComesFirstAndHoldsTheCrcOfTheRows) {
    EXPECT_EQ(Crc32("123456789"), 0xCBF43926u) << "the common CRC-32";
    EXPECT_EQ(SealPlainStore(""), std::string("\x02" "00000000\x01\r\n"));
    const std::string rows = EncodePlainStore(ThreeEntries());
    const std::string sealed = SealPlainStore(rows);
    const OpenedSeal opened = OpenSeal(sealed);
    EXPECT_EQ(opened.seal, StoreSeal::Matches);
    EXPECT_EQ(opened.rows, rows);
    EXPECT_EQ(OpenSeal(rows).seal, StoreSeal::None);
}

TEST(StoreSeal, IntactStoresOfEveryVersionLoadWithTheirMarks) {
    for (const std::string& stored : {SealedStore(), OldStore(), std::string()}) {
        EntryModel model;
        const StoredDecode decoded = DecodeStoredFile(stored, model, 1);
        EXPECT_FALSE(decoded.damaged) << stored.size();
        EXPECT_EQ(decoded.rowsLoaded, Rows(model));
        for (const EntryRow& row : model.systemStart.rows()) EXPECT_EQ(row.pending, 1u);
    }
    EntryModel model;
    DecodeStoredFile(OldStore(), model, 1);
    EXPECT_EQ(model.systemStart[0].entry, ThreeEntries().systemStart[0].entry);
}

TEST(StoreSeal, EveryTruncationOfASealedStoreIsDamagedAndStartsNothing) {
    const std::string stored = SealedStore();
    for (std::size_t length = 1; length < stored.size(); ++length) {
        EntryModel model;
        const StoredDecode decoded = DecodeStoredFile(stored.substr(0, length), model, 1);
        EXPECT_TRUE(decoded.damaged) << "cut at " << length;
        EXPECT_LE(Rows(model), 3u);
        for (const EntryRow& row : model.systemStart.rows()) EXPECT_EQ(row.pending, 0u) << "cut at " << length;
    }
}

TEST(StoreSeal, TruncationsOfAnOldStoreInsideARecordAreDamaged) {
    // Without a check record a cut at a record's end looks like a shorter
    // store; every other cut leaves half a record or half a byte pair.
    const std::string stored = OldStore();
    const std::string plain = EncodePlainStore(ThreeEntries());
    for (std::size_t length = 1; length < stored.size(); ++length) {
        const bool atRecordEnd = length % 2 == 0 && plain[length / 2 - 1] == '\n';
        EntryModel model;
        EXPECT_EQ(DecodeStoredFile(stored.substr(0, length), model, 1).damaged, !atRecordEnd) << "cut at " << length;
    }
}

TEST(StoreSeal, RandomBytesAreDamagedAndGiveOnlyWholeRecordsUnmarked) {
    std::uint32_t state = 12345;
    for (int round = 0; round < 50; ++round) {
        std::string stored(2000 + round, '\0');
        for (char& c : stored) c = static_cast<char>((state = state * 1103515245u + 12345u) >> 16);
        EntryModel model;
        const StoredDecode decoded = DecodeStoredFile(stored, model, 1);
        EXPECT_TRUE(decoded.damaged) << round;
        EXPECT_EQ(decoded.rowsLoaded, Rows(model));
        for (const EntryRow& row : model.systemStart.rows()) EXPECT_EQ(row.pending, 0u);
        for (const EntryRow& row : model.programStart.rows()) EXPECT_EQ(row.pending, 0u);
    }
}

TEST(StoreSeal, AChangedByteBreaksTheSealButWholeRecordsStillLoad) {
    std::string plain = SealPlainStore(EncodePlainStore(ThreeEntries()));
    plain[plain.find("s2")] = 'x';
    EntryModel model;
    const StoredDecode decoded = DecodeStoredFile(Scramble(plain, Counter()), model, 1);
    EXPECT_TRUE(decoded.damaged);
    ASSERT_EQ(model.systemStart.size(), 2u);
    EXPECT_EQ(model.systemStart[1].entry.name, "x2");
    EXPECT_EQ(model.systemStart[1].pending, 0u);
}

TEST(PlainFormat, OnlyWholeRecordsWhenAsked) {
    const std::string plain = std::string("\x00" "a\x01\x01\x01\x01" "p\x01\r\n", 10) + std::string("\x01" "b\x01" "c", 5);
    EntryModel every, whole;
    EXPECT_EQ(DecodePlainStore(plain, every, 0).rowsLoaded, 2u);
    EXPECT_EQ(DecodePlainStore(plain, whole, 0, RowFilter::WholeRecordsOnly).rowsLoaded, 1u);
    EXPECT_EQ(whole.systemStart[0].entry.name, "a");
}
