#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <functional>
#include <map>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

#include "core/entry_store.h"
#include "tests/core/memory_files.h"

using namespace tolvane;

namespace {

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
    ASSERT_TRUE(store.save(TwoEntries()).saved());
    EXPECT_EQ(files.files.at(kPath).size() % 2, 0u);
    EXPECT_EQ(files.files.size(), 1u) << "no working copy or backup is left behind";
}

TEST(EntryStore, SaveThenLoadGivesTheSameRowsWithPendingMarksByMode) {
    MemoryFiles files;
    EntryStore store(files, kPath, MakeRandomByteSource());
    ASSERT_TRUE(store.save(TwoEntries()).saved());

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

TEST(EntryStore, EmptyListsSaveOnlyTheCheckRecordAndLoadEmpty) {
    MemoryFiles files;
    EntryStore store(files, kPath, MakeRandomByteSource());
    ASSERT_TRUE(store.save(EntryModel{}).saved());
    EXPECT_EQ(Unscramble(files.files.at(kPath)), SealPlainStore(""));
    EntryModel model;
    EXPECT_EQ(store.load(model, false), LoadResult::Loaded);
    EXPECT_TRUE(model.systemStart.empty() && model.programStart.empty());
}

// Each way a save fails: the old file stays, the system's code comes back,
// and the next save, once the cause is gone, writes the lists in full.
struct SaveFailure {
    const char* cause;
    std::function<void(MemoryFiles&)> make;
    std::function<void(MemoryFiles&)> clear;
    std::uint32_t error;
};

class FailingSave : public ::testing::TestWithParam<SaveFailure> {};

TEST_P(FailingSave, ReportsTheSystemsErrorKeepsTheOldFileAndTheNextSaveWritesEverything) {
    MemoryFiles files;
    EntryStore store(files, kPath, MakeRandomByteSource());
    EntryModel model = TwoEntries();
    ASSERT_TRUE(store.save(model).saved());
    const std::string before = files.files.at(kPath);

    GetParam().make(files);
    model.programStart.append(StartEntry{"first change", "x.exe", "", "", "C:\\x.exe"});
    const SaveResult failed = store.save(model);
    EXPECT_EQ(failed.outcome, SaveOutcome::WriteFailed);
    EXPECT_EQ(failed.error, GetParam().error);
    EXPECT_TRUE(failed.backupPath.empty());
    EXPECT_EQ(files.files.at(kPath), before);

    GetParam().clear(files);
    model.systemStart.append(StartEntry{"second change", "", "", "", "C:\\y.exe"});
    ASSERT_TRUE(store.save(model).saved());
    EntryModel loaded;
    ASSERT_EQ(store.load(loaded, false), LoadResult::Loaded);
    EXPECT_EQ(loaded.programStart.size(), 2u) << "the change whose save failed is written by the next one";
    EXPECT_EQ(loaded.systemStart.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(
    EntryStore, FailingSave,
    ::testing::Values(
        SaveFailure{"HeldOpenWithoutSharing", [](MemoryFiles& f) { f.heldWithoutSharing.insert(kPath); },
                    [](MemoryFiles& f) { f.heldWithoutSharing.clear(); }, 32},
        SaveFailure{"FolderNotWritable", [](MemoryFiles& f) { f.folderReadOnly = true; },
                    [](MemoryFiles& f) { f.folderReadOnly = false; }, 5},
        SaveFailure{"DirectoryAtThePath", [](MemoryFiles& f) { f.directories.insert(kPath); },
                    [](MemoryFiles& f) { f.directories.clear(); }, 5},
        SaveFailure{"ReadOnlyStore", [](MemoryFiles& f) { f.readOnly.insert(kPath); },
                    [](MemoryFiles& f) { f.readOnly.clear(); }, 5},
        SaveFailure{"DiskFull", [](MemoryFiles& f) { f.freeBytes = 10; },
                    [](MemoryFiles& f) { f.freeBytes = SIZE_MAX; }, 112}),
    [](const ::testing::TestParamInfo<SaveFailure>& failure) { return std::string(failure.param.cause); });

TEST(EntryStore, AnUnreadableFileIsNeverOverwrittenBeforeItWasKeptAside) {
    MemoryFiles files;
    files.files[kPath] = "precious";
    files.locked[kPath] = 32;
    EntryStore store(files, kPath, MakeRandomByteSource());
    EntryModel model;
    EXPECT_EQ(store.load(model, true), LoadResult::Unreadable);
    EXPECT_TRUE(model.systemStart.empty());

    // Still locked: the save must not replace it, and says why.
    const SaveResult refused = store.save(TwoEntries());
    EXPECT_EQ(refused.outcome, SaveOutcome::KeepAsideFailed);
    EXPECT_EQ(refused.error, 32u);
    EXPECT_EQ(files.replaceCount, 0);
    EXPECT_EQ(files.files.at(kPath), "precious");

    // Readable again: it is copied aside first, then replaced.
    files.locked.clear();
    const SaveResult kept = store.save(TwoEntries());
    ASSERT_TRUE(kept.saved());
    EXPECT_EQ(kept.backupPath, kPath + ".bak") << "the save tells where the old entries are";
    EXPECT_EQ(store.backupPath(), kPath + ".bak");
    EXPECT_EQ(files.files.at(kPath + ".bak"), "precious");
    EXPECT_NE(files.files.at(kPath), "precious");

    // Only once: later saves do not make more copies, nor tell of one.
    const SaveResult later = store.save(TwoEntries());
    ASSERT_TRUE(later.saved());
    EXPECT_TRUE(later.backupPath.empty());
    EXPECT_EQ(files.files.size(), 2u);
}

// A store held by a backup, sync or virus scanner at logon.
TEST(EntryStore, AStoreLockedAtStartIsLoadedWhenItBecomesReadableInTheFirstMinute) {
    MemoryFiles files;
    EntryStore writer(files, kPath, MakeRandomByteSource());
    ASSERT_TRUE(writer.save(TwoEntries()).saved());
    files.locked[kPath] = 32;

    EntryStore store(files, kPath, MakeRandomByteSource());
    EntryModel model;
    ASSERT_EQ(store.load(model, true), LoadResult::Unreadable);
    EXPECT_FALSE(store.loadIfNowReadable(model, true, 600)) << "still locked";
    EXPECT_TRUE(store.awaitsUnreadableFile());

    EXPECT_EQ(store.lastLoad(), LoadResult::Unreadable);
    files.locked.clear();
    ASSERT_TRUE(store.loadIfNowReadable(model, true, 1200));
    EXPECT_EQ(store.lastLoad(), LoadResult::Loaded) << "the program can tell a late load that found damage";
    ASSERT_EQ(model.systemStart.size(), 1u);
    ASSERT_EQ(model.programStart.size(), 1u);
    EXPECT_EQ(model.systemStart[0].entry, TwoEntries().systemStart[0].entry);
    EXPECT_EQ(model.systemStart[0].pending, 1u) << "a logon run starts what loaded late";
    EXPECT_FALSE(store.awaitsUnreadableFile());
    EXPECT_FALSE(store.loadIfNowReadable(model, true, 1800)) << "loaded once only";

    // Read cleanly after all: nothing needs to be kept aside.
    const SaveResult saved = store.save(model);
    ASSERT_TRUE(saved.saved());
    EXPECT_TRUE(saved.backupPath.empty());
    EXPECT_EQ(files.files.size(), 1u);
}

TEST(EntryStore, AChangedListIsNeverReplacedByALateLoad) {
    MemoryFiles files;
    files.files[kPath] = Scramble(EncodePlainStore(TwoEntries()), MakeRandomByteSource());
    files.locked[kPath] = 32;
    EntryStore store(files, kPath, MakeRandomByteSource());
    EntryModel model;
    ASSERT_EQ(store.load(model, false), LoadResult::Unreadable);

    model.programStart.append(StartEntry{"new", "x.exe", "", "", "C:\\x.exe"});
    EXPECT_EQ(store.save(model).outcome, SaveOutcome::KeepAsideFailed);
    files.locked.clear();
    EXPECT_FALSE(store.loadIfNowReadable(model, false, 1000));
    ASSERT_EQ(model.programStart.size(), 1u);
    EXPECT_EQ(model.programStart[0].entry.name, "new");

    // The next change keeps the old file aside before replacing it.
    const SaveResult saved = store.save(model);
    ASSERT_TRUE(saved.saved());
    EXPECT_EQ(saved.backupPath, kPath + ".bak");
    EntryModel old;
    EntryStore backup(files, kPath + ".bak", MakeRandomByteSource());
    ASSERT_EQ(backup.load(old, false), LoadResult::Loaded);
    EXPECT_EQ(old.programStart[0].entry, TwoEntries().programStart[0].entry);
}

TEST(EntryStore, AfterTheFirstMinuteTheLockedStoreIsLeftToTheFirstSave) {
    MemoryFiles files;
    files.files[kPath] = Scramble(EncodePlainStore(TwoEntries()), MakeRandomByteSource());
    files.locked[kPath] = 32;
    EntryStore store(files, kPath, MakeRandomByteSource());
    EntryModel model;
    ASSERT_EQ(store.load(model, false), LoadResult::Unreadable);
    files.locked.clear();
    EXPECT_FALSE(store.loadIfNowReadable(model, false, kUnreadableStoreRetryMs));
    EXPECT_FALSE(store.awaitsUnreadableFile());
    EXPECT_TRUE(model.systemStart.empty());
    EXPECT_EQ(store.save(model).backupPath, kPath + ".bak") << "the protection stays";
}

TEST(EntryStore, ADamagedFileLoadsWhatItCanAndIsKeptBesideAnOlderBackup) {
    MemoryFiles files;
    EntryStore store(files, kPath, MakeRandomByteSource());
    ASSERT_TRUE(store.save(TwoEntries()).saved());
    files.files[kPath] += "\x07";  // odd length: not what a save writes
    files.files[kPath + ".bak"] = "older backup";

    EntryModel model;
    EXPECT_EQ(store.load(model, false), LoadResult::LoadedDamaged);
    EXPECT_EQ(model.systemStart.size(), 1u);
    ASSERT_TRUE(store.save(model).saved());
    EXPECT_EQ(store.backupPath(), kPath + ".bak2");
    EXPECT_EQ(files.files.at(kPath + ".bak"), "older backup");
    EXPECT_EQ(files.files.at(kPath + ".bak2").size() % 2, 1u);
}

TEST(EntryStore, ADamagedStoreIsKeptAsideAtOnceAndAtLogonNoneOfItsRowsIsStarted) {
    MemoryFiles files;
    std::string plain = SealPlainStore(EncodePlainStore(TwoEntries()));
    plain[plain.find("C:\\s.exe")] = 'D';  // one byte changed: the check record no longer matches
    const std::string damaged = Scramble(plain, MakeRandomByteSource());
    files.files[kPath] = damaged;
    EntryStore store(files, kPath, MakeRandomByteSource());

    EntryModel model;
    EXPECT_EQ(store.load(model, true), LoadResult::LoadedDamaged);
    ASSERT_EQ(model.systemStart.size(), 1u) << "whole records are shown";
    EXPECT_EQ(model.systemStart[0].pending, 0u) << "nothing of a damaged store is started";
    EXPECT_EQ(model.programStart[0].pending, 0u);
    EXPECT_EQ(store.backupPath(), kPath + ".bak") << "kept aside before anything can replace it";
    EXPECT_EQ(files.files.at(kPath + ".bak"), damaged);

    const SaveResult saved = store.save(model);
    ASSERT_TRUE(saved.saved());
    EXPECT_TRUE(saved.backupPath.empty()) << "copied once, at the load";
    EXPECT_EQ(files.files.size(), 2u);
    EXPECT_EQ(store.load(model, true), LoadResult::Loaded);
    EXPECT_EQ(model.systemStart[0].pending, 1u) << "once saved, the next logon starts it";
}

TEST(EntryStore, AStoreOfAnOlderVersionWithoutCheckRecordIsIntact) {
    MemoryFiles files;
    files.files[kPath] = Scramble(EncodePlainStore(TwoEntries()), MakeRandomByteSource());
    EntryStore store(files, kPath, MakeRandomByteSource());
    EntryModel model;
    EXPECT_EQ(store.load(model, true), LoadResult::Loaded);
    EXPECT_EQ(model.systemStart[0].pending, 1u);
    EXPECT_TRUE(store.backupPath().empty());
    ASSERT_TRUE(store.save(model).saved());
    EXPECT_EQ(OpenSeal(Unscramble(files.files.at(kPath))).seal, StoreSeal::Matches) << "saved with a check record";
}

TEST(EntryStore, ADamagedStoreThatCannotBeCopiedNowIsCopiedBeforeTheFirstSave) {
    MemoryFiles files;
    files.files[kPath] = "\x07";
    files.freeBytes = 0;  // not even the copy fits
    EntryStore store(files, kPath, MakeRandomByteSource());
    EntryModel model;
    EXPECT_EQ(store.load(model, true), LoadResult::LoadedDamaged);
    EXPECT_TRUE(store.backupPath().empty());
    files.freeBytes = SIZE_MAX;
    const SaveResult saved = store.save(TwoEntries());
    ASSERT_TRUE(saved.saved());
    EXPECT_EQ(saved.backupPath, kPath + ".bak");
    EXPECT_EQ(files.files.at(kPath + ".bak"), "\x07");
}

TEST(EntryStore, RealFilesRoundTripInATemporaryFolder) {
    char folder[] = "/tmp/tolvane-store-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string path = std::string(folder) + "/tolvane.boot";
    EntryStore store(HostFiles(), path, MakeRandomByteSource());
    ASSERT_TRUE(store.save(TwoEntries()).saved());
    EntryModel model;
    EXPECT_EQ(store.load(model, false), LoadResult::Loaded);
    EXPECT_EQ(model.programStart[0].entry, TwoEntries().programStart[0].entry);
    std::remove(path.c_str());
    rmdir(folder);
}

TEST(EntryStore, RealFilesReportTheSystemsReasonAndCopyAsideWithoutOverwriting) {
    char folder[] = "/tmp/tolvane-store-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string path = std::string(folder) + "/tolvane.boot";
    ASSERT_EQ(mkdir(path.c_str(), 0700), 0);
    EntryStore store(HostFiles(), path, MakeRandomByteSource());
    const SaveResult failed = store.save(TwoEntries());
    EXPECT_EQ(failed.outcome, SaveOutcome::WriteFailed);
    EXPECT_EQ(failed.error, static_cast<std::uint32_t>(EISDIR)) << "a directory stands at the store's path";
    rmdir(path.c_str());

    ASSERT_TRUE(store.save(TwoEntries()).saved());
    EXPECT_TRUE(HostFiles().copyNew(path, path + ".bak").ok());
    EXPECT_EQ(HostFiles().copyNew(path, path + ".bak").error, static_cast<std::uint32_t>(EEXIST));
    EXPECT_EQ(HostFiles().read(path + ".bak").bytes, HostFiles().read(path).bytes);
    const std::string temp = path + ".bak." + std::to_string(getpid()) + ".tmp";
    EXPECT_FALSE(HostFiles().exists(temp)) << "the copy's temporary name is gone";
    std::remove((path + ".bak").c_str());
    std::remove(path.c_str());
    rmdir(folder);
}
