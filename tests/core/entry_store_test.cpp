#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>
#include <unistd.h>

#include "core/entry_store.h"

using namespace tolvane;

namespace {

// Files in memory, with switches for the failures a real disk can have.
class MemoryFiles final : public FileAccess {
public:
    std::map<std::string, std::string> files;
    std::set<std::string> locked;  // exist but cannot be opened
    bool failReplace = false;
    int replaceCount = 0;

    FileRead read(const std::string& path) override {
        if (locked.count(path)) return {FileState::Unreadable, {}};
        auto it = files.find(path);
        if (it == files.end()) return {FileState::Missing, {}};
        return {FileState::Read, it->second};
    }
    bool replaceAtomically(const std::string& path, std::string_view bytes) override {
        ++replaceCount;
        if (failReplace || locked.count(path)) return false;
        files[path] = std::string(bytes);
        return true;
    }
    bool copyNew(const std::string& from, const std::string& to) override {
        if (locked.count(from) || files.count(to) || !files.count(from)) return false;
        files[to] = files[from];
        return true;
    }
    bool exists(const std::string& path) override { return files.count(path) || locked.count(path); }
};

const std::string kPath = "profile/tolvane.boot";

EntryModel TwoEntries() {
    EntryModel model;
    model.systemStart.append(StartEntry{"s", "Wartezeit von ...{30};", "-x", "X", "C:\\s.exe"});
    model.programStart.append(StartEntry{"p", "notepad.exe", "", "", "C:\\p.exe"});
    return model;
}

}  // namespace

TEST(EntryStore, FirstRunHasNoFileAndTheFirstSaveCreatesIt) {
    MemoryFiles files;
    EntryStore store(files, kPath, MakeRandomByteSource());
    EntryModel model;
    EXPECT_EQ(store.load(model, true), LoadResult::NoFile);
    EXPECT_TRUE(model.systemStart.empty() && model.programStart.empty());
    EXPECT_FALSE(files.exists(kPath));
    ASSERT_TRUE(store.save(TwoEntries()));
    EXPECT_EQ(files.files.at(kPath).size() % 2, 0u);
    EXPECT_EQ(files.files.size(), 1u) << "no working copy or backup is left behind";
}

TEST(EntryStore, SaveThenLoadGivesTheSameRowsWithPendingMarksByMode) {
    MemoryFiles files;
    EntryStore store(files, kPath, MakeRandomByteSource());
    ASSERT_TRUE(store.save(TwoEntries()));

    EntryModel logon;
    EXPECT_EQ(store.load(logon, true), LoadResult::Loaded);
    ASSERT_EQ(logon.systemStart.size(), 1u);
    EXPECT_EQ(logon.systemStart[0].entry, TwoEntries().systemStart[0].entry);
    EXPECT_EQ(logon.systemStart[0].pending, 1u);
    EXPECT_EQ(logon.programStart[0].pending, 1u);

    EntryModel normal;
    normal.systemStart.append(StartEntry{"stale"});
    store.load(normal, false);
    ASSERT_EQ(normal.systemStart.size(), 1u) << "the load replaces what the lists held";
    EXPECT_EQ(normal.systemStart[0].pending, 0u);
}

TEST(EntryStore, EmptyListsSaveAnEmptyFileThatLoadsEmpty) {
    MemoryFiles files;
    EntryStore store(files, kPath, MakeRandomByteSource());
    ASSERT_TRUE(store.save(EntryModel{}));
    EXPECT_EQ(files.files.at(kPath), "");
    EntryModel model;
    EXPECT_EQ(store.load(model, false), LoadResult::Loaded);
    EXPECT_TRUE(model.systemStart.empty() && model.programStart.empty());
}

TEST(EntryStore, AFailedSaveLeavesTheOldFileAlone) {
    MemoryFiles files;
    EntryStore store(files, kPath, MakeRandomByteSource());
    ASSERT_TRUE(store.save(TwoEntries()));
    const std::string before = files.files.at(kPath);
    files.failReplace = true;
    EXPECT_FALSE(store.save(EntryModel{}));
    EXPECT_EQ(files.files.at(kPath), before);
}

TEST(EntryStore, AnUnreadableFileIsNeverOverwrittenBeforeItWasKeptAside) {
    MemoryFiles files;
    files.files[kPath] = "precious";
    files.locked.insert(kPath);
    EntryStore store(files, kPath, MakeRandomByteSource());
    EntryModel model;
    EXPECT_EQ(store.load(model, true), LoadResult::Unreadable);
    EXPECT_TRUE(model.systemStart.empty());

    // Still locked: the save must not replace it.
    EXPECT_FALSE(store.save(TwoEntries()));
    EXPECT_EQ(files.replaceCount, 0);
    EXPECT_EQ(files.files.at(kPath), "precious");

    // Readable again: it is copied aside first, then replaced.
    files.locked.clear();
    ASSERT_TRUE(store.save(TwoEntries()));
    EXPECT_EQ(store.backupPath(), kPath + ".bak");
    EXPECT_EQ(files.files.at(kPath + ".bak"), "precious");
    EXPECT_NE(files.files.at(kPath), "precious");

    // Only once: later saves do not make more copies.
    ASSERT_TRUE(store.save(TwoEntries()));
    EXPECT_EQ(files.files.size(), 2u);
}

TEST(EntryStore, ADamagedFileLoadsWhatItCanAndIsKeptBesideAnOlderBackup) {
    MemoryFiles files;
    EntryStore store(files, kPath, MakeRandomByteSource());
    ASSERT_TRUE(store.save(TwoEntries()));
    files.files[kPath] += "\x07";  // odd length: not what a save writes
    files.files[kPath + ".bak"] = "older backup";

    EntryModel model;
    EXPECT_EQ(store.load(model, false), LoadResult::LoadedDamaged);
    EXPECT_EQ(model.systemStart.size(), 1u);
    ASSERT_TRUE(store.save(model));
    EXPECT_EQ(store.backupPath(), kPath + ".bak2");
    EXPECT_EQ(files.files.at(kPath + ".bak"), "older backup");
    EXPECT_EQ(files.files.at(kPath + ".bak2").size() % 2, 1u);
}

TEST(EntryStore, RealFilesRoundTripInATemporaryFolder) {
    char folder[] = "/tmp/tolvane-store-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string path = std::string(folder) + "/tolvane.boot";
    EntryStore store(HostFiles(), path, MakeRandomByteSource());
    ASSERT_TRUE(store.save(TwoEntries()));
    EntryModel model;
    EXPECT_EQ(store.load(model, false), LoadResult::Loaded);
    EXPECT_EQ(model.programStart[0].entry, TwoEntries().programStart[0].entry);
    std::remove(path.c_str());
    rmdir(folder);
}
