// What the evaluator measured per item, the check view's lines, and the
// history texts built from them.
#include <gtest/gtest.h>

#include "core/history_file.h"
#include "core/precondition_text.h"
#include "core/texts.h"
#include "engine/check_lines.h"
#include "engine/precondition_eval.h"
#include "engine/start_history.h"
#include "fake_engine_services.h"

using namespace tolvane;
using tolvane::testing::FakeMeasures;

namespace {

constexpr std::uint32_t kStart = 5000;
constexpr std::int64_t kMB = 1024 * 1024;

std::string Item(int kind, std::string_view value = "") {
    return std::string(KindLabel(kind)) + "{" + std::string(value) + "};";
}

class Readings : public ::testing::Test {
protected:
    ItemReading read(int kind, std::string_view value) { return ReadCondition(kind, value, kStart, m); }
    FakeMeasures m;
};

}  // namespace

TEST_F(Readings, EachKindTellsWhatItMeasuredInGerman) {
    m.disk = {4211 * kMB + 5, 10000 * kMB};
    m.mem = {1500ull * kMB, 8000ull * kMB};
    m.paths = {{"C:\\a.txt", PathKind::File}, {"C:\\dir", PathKind::Directory}};
    m.user = "Jürgen";
    EXPECT_EQ(read(kDiskFreeAbove, "5000").measured, "4211 MB frei");
    // 5788.99... MB: rounded up for "kleiner als", as it is compared.
    EXPECT_EQ(read(kDiskUsedBelow, "5000").measured, "5789 MB belegt");
    EXPECT_EQ(read(kMemoryFreeBelow, "1").measured, "1500 MB frei");
    EXPECT_EQ(read(kMemoryUsedAbove, "1").measured, "6500 MB belegt");
    EXPECT_EQ(read(kFileExists, "C:\\a.txt").measured, "Datei vorhanden");
    EXPECT_EQ(read(kFileMissing, "C:\\dir").measured, "Verzeichnis vorhanden");
    EXPECT_EQ(read(kDirectoryExists, "C:\\none").measured, "nicht vorhanden");
    EXPECT_EQ(read(kUserNameIs, "x").measured, "Jürgen");
    m.connected = false;
    EXPECT_EQ(read(kInternetOnline, "").measured, "nicht verbunden");
    m.connected = true;
    EXPECT_EQ(read(kInternetOffline, "").measured, "verbunden");
}

// A figure within a megabyte of the threshold: the whole number shown must
// agree with the verdict, which still compares the byte counts.
TEST_F(Readings, TheFigureShownNeverContradictsTheVerdict) {
    constexpr std::int64_t kThreshold = 591 * kMB;
    const struct {
        std::int64_t offset;  // bytes from the threshold
        bool holdsBelow, holdsAbove;
        const char* shownBelow;
        const char* shownAbove;
    } figures[] = {
        {-kMB, true, false, "590", "590"},   {-kMB + 1, true, false, "591", "590"},
        {-1, true, false, "591", "590"},     {0, true, true, "591", "591"},
        {1, false, true, "592", "591"},      {kMB / 2, false, true, "592", "591"},
        {kMB - 1, false, true, "592", "591"}, {kMB, false, true, "592", "592"},
    };
    const struct {
        int kind;
        bool below, used, disk;
    } kinds[] = {
        {kDiskFreeBelow, true, false, true},     {kDiskFreeAbove, false, false, true},
        {kDiskUsedBelow, true, true, true},      {kDiskUsedAbove, false, true, true},
        {kMemoryFreeBelow, true, false, false},  {kMemoryFreeAbove, false, false, false},
        {kMemoryUsedBelow, true, true, false},   {kMemoryUsedAbove, false, true, false},
    };
    constexpr std::int64_t kTotal = 4000 * kMB;
    for (const auto& kind : kinds) {
        for (const auto& figure : figures) {
            const std::int64_t value = kThreshold + figure.offset;
            const std::int64_t free = kind.used ? kTotal - value : value;
            m.disk = {free, kTotal};
            m.mem = {static_cast<std::uint64_t>(free), static_cast<std::uint64_t>(kTotal)};
            const ItemReading reading = read(kind.kind, "591");
            const bool holds = kind.below ? figure.holdsBelow : figure.holdsAbove;
            const std::string shown = kind.below ? figure.shownBelow : figure.shownAbove;
            SCOPED_TRACE(std::string(KindLabel(kind.kind)) + " at " + std::to_string(figure.offset));
            EXPECT_EQ(reading.outcome, holds ? ItemOutcome::Holds : ItemOutcome::Fails);
            EXPECT_EQ(reading.measured, shown + (kind.used ? " MB belegt" : " MB frei"));
            const int number = std::stoi(reading.measured);
            EXPECT_EQ(kind.below ? number <= 591 : number >= 591, holds) << reading.measured;
        }
    }
}

TEST_F(Readings, ARuledOutLineShowsAFigureThatFailsTheThreshold) {
    m.mem = {591ull * kMB + 300, 8000ull * kMB};
    const EntryVerdict verdict = JudgeEntryPreconditions(Item(kMemoryFreeBelow, "591"), kStart, m);
    ASSERT_EQ(verdict.outcome, EntryOutcome::Failed);
    const StartEntry entry{"Sicherung", "", "", "", "C:\\s.exe"};
    EXPECT_EQ(RuledOutText(entry, *verdict.deciding),
              "Systemstart „Sicherung“ wird bis zur nächsten Anmeldung nicht gestartet: „Freier Arbeitsspeicher "
              "kleiner als ... 591“ ist nicht erfüllt, gemessen: 592 MB frei");
    EXPECT_EQ(CheckLineOf(*verdict.deciding).measured, "592 MB frei");
}

TEST_F(Readings, AWaitingTimeCountsTheSecondsLeftRoundingUp) {
    m.now = kStart + 17500;
    const ItemReading waiting = read(kWaitSeconds, "60");
    EXPECT_EQ(waiting.outcome, ItemOutcome::NotYet);
    EXPECT_EQ(waiting.secondsLeft, 43) << "42.5 s are shown as 43";
    EXPECT_EQ(waiting.measured, "seit 17 s");
    m.now = kStart + 59001;
    EXPECT_EQ(read(kWaitSeconds, "60").secondsLeft, 1);
    m.now = kStart + 60000;
    const ItemReading passed = read(kWaitSeconds, "60");
    EXPECT_EQ(passed.outcome, ItemOutcome::Holds);
    EXPECT_EQ(passed.secondsLeft, 0);
    m.now = kStart;
    EXPECT_EQ(read(kWaitSeconds, "2147483647").secondsLeft, 2147483647) << "clamped, not wrapped";
}

TEST_F(Readings, TheVerdictNamesTheItemThatDecidedIt) {
    m.now = kStart + 1000;
    m.disk = {4211 * kMB, 10000 * kMB};
    const EntryVerdict failed =
        JudgeEntryPreconditions(Item(kUserNameIs, "anna") + Item(kDiskFreeAbove, "5000") + Item(kWaitSeconds, "60"),
                                kStart, m);
    EXPECT_EQ(failed.outcome, EntryOutcome::Failed);
    ASSERT_TRUE(failed.deciding);
    EXPECT_EQ(failed.deciding->kind, kDiskFreeAbove);
    EXPECT_EQ(failed.deciding->value, "5000");

    const EntryVerdict waiting = JudgeEntryPreconditions(Item(kWaitSeconds, "60") + Item(kUserNameIs, "bob"), kStart, m);
    EXPECT_EQ(waiting.outcome, EntryOutcome::Waiting);
    ASSERT_TRUE(waiting.deciding);
    EXPECT_EQ(waiting.deciding->kind, kWaitSeconds);

    EXPECT_FALSE(JudgeEntryPreconditions(Item(kUserNameIs, "anna"), kStart, m).deciding);
}

TEST_F(Readings, CheckingMeasuresEveryItemWhereThePassStopsAtTheFirst) {
    m.now = kStart + 1000;
    const std::string text = Item(kWaitSeconds, "60") + Item(kFileExists, "C:\\none") + "Unbekannt{1};" +
                             Item(kUserNameIs, "anna");
    EXPECT_EQ(JudgeEntryPreconditions(text, kStart, m).outcome, EntryOutcome::Waiting);
    EXPECT_EQ(m.readings, 1) << "the pass stops at the wait";
    const std::vector<ItemReading> all = CheckPreconditions(text, kStart, m);
    ASSERT_EQ(all.size(), 3u) << "unknown labels are left out";
    EXPECT_EQ(all[0].outcome, ItemOutcome::NotYet);
    EXPECT_EQ(all[1].outcome, ItemOutcome::Fails);
    EXPECT_EQ(all[2].outcome, ItemOutcome::Holds);
    EXPECT_TRUE(CheckPreconditions("", kStart, m).empty());
}

TEST_F(Readings, CheckLinesShowTheItemTheValueAndTheState) {
    m.now = kStart + 18000;
    const std::vector<CheckLine> lines = CheckLinesOf(CheckPreconditions(
        Item(kWaitSeconds, "60") + Item(kFileExists, "C:\\Daten\\Größe.txt") + Item(kInternetOnline) +
            Item(kFileMissing, "C:\\x"),
        kStart, m));
    m.paths = {{"C:\\Daten\\Größe.txt", PathKind::File}};
    const std::vector<CheckLine> found = CheckLinesOf(CheckPreconditions(
        Item(kFileExists, "C:\\Daten\\Größe.txt"), kStart, m));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], (CheckLine{"Wartezeit von ... 60", "seit 18 s", "wartet (noch 42 s)"}));
    EXPECT_EQ(lines[1], (CheckLine{"Datei ... existiert C:\\Daten\\Größe.txt", "nicht vorhanden", "nicht erfüllt"}));
    EXPECT_EQ(lines[2], (CheckLine{"Verbindung mit Internet", "verbunden", "erfüllt"})) << "no value to show";
    EXPECT_EQ(lines[3].state, "erfüllt");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].measured, "Datei vorhanden");
}

TEST(HistoryTexts, NamesAreUtf8AndEachOutcomeSaysWhatHappened) {
    const StartEntry entry{"Übersicht Größe", "", "-a", "", "C:\\Tools\\ü.exe"};
    StartReport report{StartCause::SystemStart, entry, "\"C:\\Tools\\ü.exe\" -a", {}, 3400};
    EXPECT_EQ(StartedText(report),
              "Systemstart „Übersicht Größe“ gestartet, 3 s nach dem Start von Tolvane: \"C:\\Tools\\ü.exe\" -a");
    report.cause = StartCause::Trigger;
    report.triggerPath = "C:\\Windows\\notepad.exe";
    EXPECT_EQ(StartedText(report), "Programmstart „Übersicht Größe“ gestartet, ausgelöst durch "
                                   "C:\\Windows\\notepad.exe: \"C:\\Tools\\ü.exe\" -a");
    report.cause = StartCause::Manual;
    EXPECT_EQ(StartedText(report), "„Übersicht Größe“ mit „Jetzt starten“ gestartet: \"C:\\Tools\\ü.exe\" -a");
    EXPECT_EQ(StartFailedText(report, "Datei nicht gefunden (Fehler 2)"),
              "Start fehlgeschlagen: „Übersicht Größe“, \"C:\\Tools\\ü.exe\" -a: Datei nicht gefunden (Fehler 2)");

    const ItemReading disk{kDiskFreeAbove, "5000", ItemOutcome::Fails, "4211 MB frei", 0};
    EXPECT_EQ(RuledOutText(entry, disk),
              "Systemstart „Übersicht Größe“ wird bis zur nächsten Anmeldung nicht gestartet: „Freier "
              "Festplattenspeicher größer als ... 5000“ ist nicht erfüllt, gemessen: 4211 MB frei");
    const ItemReading wait{kWaitSeconds, "60", ItemOutcome::NotYet, "seit 0 s", 60};
    EXPECT_EQ(WaitingText(entry, wait), "Systemstart „Übersicht Größe“ wartet auf „Wartezeit von ... 60“ (noch 60 s)");
}

TEST(HistoryTexts, AFailedStartIsRecordedAndShownWithTheSystemsReason) {
    HistoryEvents events;
    std::vector<std::string> recorded, shown;
    events.record = [&](const std::string& text) { recorded.push_back(text); };
    events.reasonOf = [](std::uint32_t error) { return "Zugriff verweigert (Fehler " + std::to_string(error) + ")"; };
    std::vector<FailedStart> failures;
    events.failed = [&](FailedStart failure) { failures.push_back(std::move(failure)); };
    const StartReport report{StartCause::Manual, {"Mäuse", "", "", "", "C:\\m.exe"}, "\"C:\\m.exe\"", {}, 0};
    events.started(report);
    EXPECT_TRUE(failures.empty()) << "a start that worked shows nothing";
    events.startFailed(report, 5);
    ASSERT_EQ(recorded.size(), 2u);
    const FailureNotice notice = StartFailuresNotice(failures);
    shown = {notice.title, notice.text};
    EXPECT_NE(recorded[1].find("Zugriff verweigert (Fehler 5)"), std::string::npos);
    EXPECT_EQ(shown, (std::vector<std::string>{"Start fehlgeschlagen",
                                               "„Mäuse“ konnte nicht gestartet werden:\r\nZugriff verweigert (Fehler 5)"}));
}

TEST(HistoryTexts, FailedStartsThatCameTogetherAreNamedAllInOneNotice) {
    const auto failure = [](const char* name, const char* reason) {
        return FailedStart{{StartCause::SystemStart, {name, "", "", "", "C:\\x.exe"}, {}, {}, 0}, reason};
    };
    std::vector<FailedStart> failures{failure("A", "weg (Fehler 2)"), failure("B", "Zugriff verweigert (Fehler 5)"),
                                      failure("C", "weg (Fehler 2)")};
    const FailureNotice notice = StartFailuresNotice(failures);
    EXPECT_EQ(notice.title, "3 Starts fehlgeschlagen");
    EXPECT_EQ(notice.text.find("„A“, „B“ und „C“ konnten nicht gestartet werden:"), 0u) << notice.text;
    EXPECT_NE(notice.text.find("„B“: Zugriff verweigert (Fehler 5)"), std::string::npos) << notice.text;
    // Forty long names still stand before the first reason, all of them.
    failures.assign(40, failure("Ein recht langer Name", "weg"));
    EXPECT_LT(StartFailuresNotice(failures).text.find("konnten nicht"), StartFailuresNotice(failures).text.find("weg"));
}

TEST(HistoryTexts, AHugeNameOrCommandLineIsCutSoTheReasonStillEndsTheLine) {
    std::string huge;
    for (int i = 0; i < 10'000'000; ++i) huge += "ä";
    const StartReport report{StartCause::Trigger, {huge, "", "", "", "C:\\x.exe"}, huge, huge, 0};
    const ItemReading item{kFileExists, huge, ItemOutcome::Fails, huge, 0};
    for (const std::string& text : {StartedText(report), StartFailedText(report, "Datei nicht gefunden (Fehler 2)"),
                                    RuledOutText(report.entry, item), WaitingText(report.entry, item)}) {
        EXPECT_LT(text.size(), kHistoryTextLimit) << text.substr(0, 40);
        EXPECT_NE(text.find("ää…"), std::string::npos) << "cut between characters";
    }
    EXPECT_EQ(StartFailedText(report, "Datei nicht gefunden (Fehler 2)").find("Datei nicht gefunden (Fehler 2)"),
              StartFailedText(report, "Datei nicht gefunden (Fehler 2)").size() - 31);
}
