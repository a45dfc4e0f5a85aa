// The history file on the host's real file system: lines, the byte-order
// mark, rotation past the limit, and a file that cannot be written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "core/history_file.h"
#include "core/store_history.h"
#include "tests/core/memory_files.h"

using namespace tolvane;
namespace fs = std::filesystem;

namespace {

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

class History : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("tolvane-history-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        path = (folder / kHistoryFileName).string();
    }
    void TearDown() override { fs::remove_all(folder); }
    HistoryFile file() {
        return HistoryFile(HostFiles(), path, [this] { return time; });
    }
    fs::path folder;
    std::string path;
    LocalTime time{2026, 12, 8, 7, 5, 9};
};

}  // namespace

TEST(HistoryLines, StampedWithLocalDateAndTimeOneLineEach) {
    EXPECT_EQ(HistoryLine({2026, 1, 2, 3, 4, 5}, "Tolvane gestartet"), "02.01.2026 03:04:05  Tolvane gestartet\r\n");
    EXPECT_EQ(HistoryLine({2026, 12, 31, 23, 59, 58}, "a\r\nb\nc"), "31.12.2026 23:59:58  a  b c\r\n")
        << "a line break inside a text never splits an event";
}

TEST(HistoryLines, TheFileLivesBesideTheStore) {
    EXPECT_EQ(HistoryPathBeside("C:\\Users\\Łukasz\\tolvane.boot"), "C:\\Users\\Łukasz\\tolvane.log");
    EXPECT_EQ(HistoryPathBeside("profile/tolvane.boot"), "profile/tolvane.log");
}

TEST(HistoryLines, RotatesBeforeALineWouldTakeItPastOneMegabyte) {
    EXPECT_FALSE(HistoryMustRotate(0, 2 * kHistoryLimitBytes)) << "an empty file takes any line";
    EXPECT_FALSE(HistoryMustRotate(kHistoryLimitBytes - 10, 10));
    EXPECT_TRUE(HistoryMustRotate(kHistoryLimitBytes - 10, 11));
    EXPECT_TRUE(HistoryMustRotate(kHistoryLimitBytes + 5, 1));
}

TEST(HistoryLines, ALongTextIsCutBetweenCharactersWithAnEllipsis) {
    const struct {
        std::string text;
        std::size_t limit;
        std::string capped;
    } cases[] = {
        {"abcdef", 6, "abcdef"},
        {"abcdefg", 6, "abc…"},
        {"ab€def", 6, "ab…"},    // "€" would be cut in its middle
        {"äöüß", 6, "ä…"},
        {"äöüß", 7, "äö…"},
        {"äöüß", 8, "äöüß"},
        {"abc", 2, "…"},
    };
    for (const auto& [text, limit, capped] : cases) EXPECT_EQ(CappedText(text, limit), capped) << text;

    const std::string line = HistoryLine({2026, 1, 2, 3, 4, 5}, std::string(20'000'000, 'x'));
    EXPECT_LE(line.size(), kHistoryTextLimit + 30) << "one line can never pass the file's bound";
    EXPECT_EQ(line.substr(line.size() - 5), "…\r\n");
}

TEST_F(History, LinesAreWrittenOnlyWhenFlushedAndAppendedAfterEarlierOnes) {
    HistoryFile history = file();
    EXPECT_TRUE(history.flush()) << "nothing to write";
    EXPECT_FALSE(fs::exists(path)) << "a pass where nothing happens writes nothing";
    history.add("Systemstart „Übersicht Größe“ gestartet");
    EXPECT_FALSE(fs::exists(path)) << "nothing written before the flush";
    ASSERT_TRUE(history.flush());
    EXPECT_EQ(Read(path), "\xEF\xBB\xBF" "08.12.2026 07:05:09  Systemstart „Übersicht Größe“ gestartet\r\n");

    // A second run appends; the mark stays at the very start only.
    HistoryFile next = file();
    next.add("zweiter Lauf");
    ASSERT_TRUE(next.flush());
    const std::string text = Read(path);
    EXPECT_EQ(Count(text, "\xEF\xBB\xBF"), 1u);
    EXPECT_NE(text.find("gestartet\r\n08.12.2026 07:05:09  zweiter Lauf\r\n"), std::string::npos);
}

TEST_F(History, PastTheLimitTheFileBecomesDotOneReplacingAnOlderOne) {
    { std::ofstream(path + ".1") << "oldest"; }
    const std::string filler(kHistoryLimitBytes - 40, 'x');
    { std::ofstream(path, std::ios::binary) << filler; }
    HistoryFile history = file();
    const std::size_t fits = HistoryLine(time, "passt noch").size();
    ASSERT_LE(fits, 40u);
    history.add("passt noch");
    ASSERT_TRUE(history.flush());
    EXPECT_EQ(Read(path + ".1"), "oldest");
    EXPECT_EQ(fs::file_size(path), kHistoryLimitBytes - 40 + fits) << "just inside the limit";

    history.add("zu viel");
    ASSERT_TRUE(history.flush());
    EXPECT_EQ(Read(path), "\xEF\xBB\xBF" "08.12.2026 07:05:09  zu viel\r\n") << "a new file begins";
    const std::string older = Read(path + ".1");
    EXPECT_EQ(older.size(), kHistoryLimitBytes - 40 + fits) << "the full file, the older one replaced";
    EXPECT_NE(older.find("passt noch"), std::string::npos);
}

TEST_F(History, AFileThatCannotBeWrittenKeepsItsLinesForTheNextTry) {
    fs::create_directory(path);  // a folder in the file's place
    HistoryFile history = file();
    history.add("eins");
    history.add("zwei");
    EXPECT_FALSE(history.flush());
    EXPECT_EQ(history.waitingLines(), 2u);
    fs::remove(path);
    EXPECT_TRUE(history.flush());
    EXPECT_EQ(history.waitingLines(), 0u);
    const std::string text = Read(path);
    EXPECT_NE(text.find("eins\r\n"), std::string::npos);
    EXPECT_NE(text.find("zwei\r\n"), std::string::npos);
}

TEST_F(History, ALongOutageKeepsTheNewestLinesAndSaysHowManyWereLost) {
    fs::create_directory(path);
    HistoryFile history = file();
    for (std::size_t i = 0; i < kHistoryBacklogLines + 3; ++i) history.add("Ereignis " + std::to_string(i));
    EXPECT_FALSE(history.flush());
    EXPECT_EQ(history.waitingLines(), kHistoryBacklogLines);
    fs::remove(path);
    ASSERT_TRUE(history.flush());
    const std::string text = Read(path);
    EXPECT_NE(text.find("3 ältere Ereignisse gingen verloren"), std::string::npos);
    EXPECT_EQ(text.find("Ereignis 2\r\n"), std::string::npos);
    EXPECT_NE(text.find("Ereignis 3\r\n"), std::string::npos);
    EXPECT_NE(text.find("Ereignis 502\r\n"), std::string::npos);
}

TEST(StoreHistory, RunAndStoreLinesNameTheFileTheCountsAndTheReason) {
    EXPECT_EQ(RunStartedText(true, 3, 1),
              "Tolvane gestartet mit „-h“ (Anmeldung), 4 Einträge (3 Systemstarts, 1 Programmstart)");
    EXPECT_EQ(RunStartedText(false, 1, 0), "Tolvane gestartet ohne „-h“, 1 Eintrag (1 Systemstart, 0 Programmstarts)");
    const std::string store = "C:\\Users\\me\\tolvane.boot";
    EXPECT_EQ(StoreLoadedText(LoadResult::Loaded, store, 2, 5),
              "Einträge aus „C:\\Users\\me\\tolvane.boot“ geladen: 2 Systemstarts, 5 Programmstarts");
    EXPECT_NE(StoreLoadedText(LoadResult::Unreadable, store, 0, 0).find("nicht gelesen"), std::string::npos);
    EXPECT_EQ(StoreLoadedText(LoadResult::LoadedDamaged, store, 1, 0, store + ".bak"),
              "„C:\\Users\\me\\tolvane.boot“ ist beschädigt und wurde nach „C:\\Users\\me\\tolvane.boot.bak“ "
              "kopiert; geladen, was vollständig lesbar war, ohne davon etwas zu starten: 1 Systemstart, 0 Programmstarts");
    EXPECT_NE(StoreLoadedText(LoadResult::LoadedDamaged, store, 1, 0).find("ließ sich nicht sichern"), std::string::npos);

    EXPECT_EQ(StoreSavedTexts({}, store, ""), std::vector<std::string>{"Einträge in „C:\\Users\\me\\tolvane.boot“ gespeichert"});
    const std::vector<std::string> kept =
        StoreSavedTexts({SaveOutcome::WriteFailed, 32, store + ".bak"}, store, "Freigabeverletzung (Fehler 32)");
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0], "Alte Datei „C:\\Users\\me\\tolvane.boot“ vor dem Speichern nach "
                       "„C:\\Users\\me\\tolvane.boot.bak“ kopiert");
    EXPECT_EQ(kept[1], "Einträge nicht in „C:\\Users\\me\\tolvane.boot“ gespeichert: Freigabeverletzung (Fehler 32)");
    const std::vector<std::string> refused = StoreSavedTexts({SaveOutcome::KeepAsideFailed, 5, {}}, store, "x (Fehler 5)");
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_NE(refused[0].find("nicht gespeichert"), std::string::npos);
    EXPECT_NE(refused[0].find("x (Fehler 5)"), std::string::npos);
}

TEST(StoreHistory, AHistoryThatCannotBeOpenedIsNamedWithTheReason) {
    const std::string text = HistoryNotOpenedText("C:\\Users\\Łukasz\\tolvane.log", "Keine Zuordnung (Fehler 1155)");
    EXPECT_NE(text.find("„C:\\Users\\Łukasz\\tolvane.log“ konnte nicht geöffnet werden:\r\nKeine Zuordnung (Fehler 1155)"),
              std::string::npos)
        << text;
}

namespace {

LocalTime Noon() { return {2026, 12, 8, 12, 0, 0}; }

}  // namespace

TEST(HistoryOnAFullDisk, TheNextWriteGoesOnExactlyWhereOneStopped) {
    const std::string path = "profile/tolvane.log";
    // Each cut point: inside the mark, inside a line, between lines, at the end of the lost-lines note.
    for (std::size_t room : {0u, 2u, 10u, 43u, 55u, 95u, 138u}) {
        MemoryFiles files;
        HistoryFile history(files, path, Noon);
        for (const char* text : {"Tolvane gestartet", "Systemstart „A“ gestartet", "Einträge gespeichert"}) history.add(text);
        files.freeBytes = room;
        EXPECT_FALSE(history.flush()) << room;
        files.freeBytes = SIZE_MAX;
        history.add("danach");
        ASSERT_TRUE(history.flush()) << room;
        EXPECT_EQ(files.files[path], "\xEF\xBB\xBF" "08.12.2026 12:00:00  Tolvane gestartet\r\n"
                                     "08.12.2026 12:00:00  Systemstart „A“ gestartet\r\n"
                                     "08.12.2026 12:00:00  Einträge gespeichert\r\n"
                                     "08.12.2026 12:00:00  danach\r\n")
            << "room for " << room << " bytes";
        EXPECT_EQ(history.waitingLines(), 0u);
    }
}

TEST(HistoryOnAFullDisk, ALostLinesNoteCutInTheMiddleIsFinishedNotRepeated) {
    const std::string path = "profile/tolvane.log";
    MemoryFiles files;
    files.locked[path] = 32;
    HistoryFile history(files, path, Noon);
    for (std::size_t i = 0; i < kHistoryBacklogLines + 2; ++i) history.add("Ereignis " + std::to_string(i));
    EXPECT_FALSE(history.flush());
    files.locked.clear();
    files.freeBytes = 200;  // the mark, the note and part of the lines after it
    EXPECT_FALSE(history.flush());
    files.freeBytes = SIZE_MAX;
    ASSERT_TRUE(history.flush());
    const std::string& text = files.files[path];
    EXPECT_EQ(Count(text, "2 ältere Ereignisse gingen verloren"), 1u) << text.substr(0, 200);
    EXPECT_EQ(Count(text, "Ereignis 501\r\n"), 1u);
    EXPECT_EQ(Count(text, "\r\n"), kHistoryBacklogLines + 1);
}

TEST(HistoryRotation, WhenTheOlderFileIsHeldTheFileBeginsAnewAndSaysSoOnce) {
    const std::string path = "profile/tolvane.log";
    MemoryFiles files;
    files.files[path + ".1"] = "oldest";
    files.heldOpen.insert(path + ".1");
    HistoryFile history(files, path, Noon,
                        [](std::uint32_t error) { return "Freigabeverletzung (Fehler " + std::to_string(error) + ")"; });
    const std::string note = "08.12.2026 12:00:00  Der volle Startverlauf ließ sich nicht nach „profile/tolvane.log.1“ "
                             "verschieben: Freigabeverletzung (Fehler 32); er beginnt neu, seine älteren Zeilen sind "
                             "verloren\r\n";
    auto fillAndFlush = [&](const std::string& text) {
        files.files[path] += std::string(kHistoryLimitBytes, 'x');
        history.add(text);
        EXPECT_TRUE(history.flush()) << text;
        EXPECT_LE(files.files[path].size(), kHistoryLimitBytes) << text;
        return files.files[path];
    };

    EXPECT_EQ(fillAndFlush("eins"), "\xEF\xBB\xBF" + note + "08.12.2026 12:00:00  eins\r\n");
    EXPECT_EQ(fillAndFlush("zwei"), "\xEF\xBB\xBF" "08.12.2026 12:00:00  zwei\r\n") << "told once, not at each rotation";
    EXPECT_EQ(files.files[path + ".1"], "oldest");

    files.heldOpen.clear();
    EXPECT_EQ(fillAndFlush("drei"), "\xEF\xBB\xBF" "08.12.2026 12:00:00  drei\r\n");
    EXPECT_NE(files.files[path + ".1"].find("zwei"), std::string::npos) << "rotation works again";
    files.heldOpen.insert(path + ".1");
    EXPECT_EQ(fillAndFlush("vier"), "\xEF\xBB\xBF" + note + "08.12.2026 12:00:00  vier\r\n")
        << "a new failure is told again";
}

TEST(HistoryRotation, WhenTheFileCanNeitherMoveNorBeginAnewNothingIsWrittenPastTheBound) {
    const std::string path = "profile/tolvane.log";
    MemoryFiles files;
    files.files[path] = std::string(kHistoryLimitBytes - 5, 'x');
    files.heldOpen.insert(path);
    files.readOnly.insert(path);
    HistoryFile history(files, path, Noon);
    history.add("eins");
    EXPECT_FALSE(history.flush());
    EXPECT_EQ(files.files[path].size(), kHistoryLimitBytes - 5);
    EXPECT_EQ(history.waitingLines(), 1u) << "kept for the next try";
}
