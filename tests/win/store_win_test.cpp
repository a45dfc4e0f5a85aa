// The entry store in the real profile folder of the Wine prefix.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "app/app_win.h"
#include "core/entry_store.h"
#include "core/store_leftovers_win.h"
#include "core/temporary_names.h"
#include "core/unique_handle_win.h"
#include "engine/helper_processes_win.h"
#include "win/profile_store_aside_win.h"

using namespace tolvane;

namespace {

class ProfileStore : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(path_.empty()); }

    ProfileStoreAside aside_;
    const std::string path_ = aside_.path();
};

EntryModel Sample() {
    EntryModel model;
    model.systemStart.append(StartEntry{"Grüße", "Wartezeit von ...{30};", "-a b", "X", "C:\\A B\\x.exe"});
    model.programStart.append(StartEntry{"p", "notepad.exe", "", "", "C:\\y.txt"});
    return model;
}

}  // namespace

TEST_F(ProfileStore, LivesInTheProfileFolder) {
    char profile[MAX_PATH] = {};
    ASSERT_NE(::GetEnvironmentVariableA("USERPROFILE", profile, MAX_PATH), 0u);
    EXPECT_EQ(path_, std::string(profile) + "\\tolvane.boot");
}

TEST_F(ProfileStore, SavesAtomicallyAndLoadsBack) {
    EntryStore store(HostFiles(), path_, MakeRandomByteSource());
    ASSERT_TRUE(store.save(Sample()).saved());
    ASSERT_TRUE(store.save(Sample()).saved());  // replacing an existing file works too

    WIN32_FILE_ATTRIBUTE_DATA data{};
    ASSERT_TRUE(::GetFileAttributesExA(path_.c_str(), GetFileExInfoStandard, &data));
    const std::string plain = SealPlainStore(EncodePlainStore(Sample()));
    EXPECT_EQ(data.nFileSizeLow, plain.size() * 2);

    EntryModel loaded;
    EXPECT_EQ(store.load(loaded, true), LoadResult::Loaded);
    ASSERT_EQ(loaded.systemStart.size(), 1u);
    EXPECT_EQ(loaded.systemStart[0].entry, Sample().systemStart[0].entry);
    EXPECT_EQ(loaded.systemStart[0].pending, 1u);
    EXPECT_EQ(loaded.programStart[0].entry, Sample().programStart[0].entry);

    // No temporary file is left beside the store.
    WIN32_FIND_DATAA found{};
    HANDLE search = ::FindFirstFileA((path_ + ".*.tmp").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE);
    if (search != INVALID_HANDLE_VALUE) ::FindClose(search);
}

TEST_F(ProfileStore, ALockedStoreIsNotOverwritten) {
    EntryStore writer(HostFiles(), path_, MakeRandomByteSource());
    ASSERT_TRUE(writer.save(Sample()).saved());

    // Another program holds the file open without sharing it, as at logon.
    HANDLE lock = ::CreateFileA(path_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EntryStore store(HostFiles(), path_, MakeRandomByteSource());
    EntryModel model;
    EXPECT_EQ(store.load(model, false), LoadResult::Unreadable);
    const SaveResult refused = store.save(EntryModel{});
    EXPECT_EQ(refused.outcome, SaveOutcome::KeepAsideFailed);
    EXPECT_EQ(refused.error, DWORD(ERROR_SHARING_VIOLATION));
    ::CloseHandle(lock);

    const SaveResult keptAside = store.save(EntryModel{});
    ASSERT_TRUE(keptAside.saved());
    EXPECT_EQ(keptAside.backupPath, path_ + ".bak");
    EntryModel kept;
    EntryStore backup(HostFiles(), path_ + ".bak", MakeRandomByteSource());
    EXPECT_EQ(backup.load(kept, false), LoadResult::Loaded);
    EXPECT_EQ(kept.systemStart.size(), 1u) << "the entries of the locked file survive in the copy";
}

// The real causes of a failed save that Wine can reproduce, in a folder of
// their own: the error the user is told is the system's, the old file stays
// as it was, and no temporary file is left behind.
class FailingSaveOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = scratch_.path() + "\\tolvane.boot";
        ASSERT_TRUE(EntryStore(HostFiles(), path_, MakeRandomByteSource()).save(Sample()).saved());
        before_ = HostFiles().read(path_).bytes;
    }
    SaveResult saveChange() {
        EntryModel changed = Sample();
        changed.programStart.append(StartEntry{"neu", "x.exe", "", "", "C:\\x.exe"});
        return EntryStore(HostFiles(), path_, MakeRandomByteSource()).save(changed);
    }
    bool temporaryFileLeft() {
        WIN32_FIND_DATAA found{};
        HANDLE search = ::FindFirstFileA((path_ + ".*.tmp").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return false;
        ::FindClose(search);
        return true;
    }

    tolvane::testing::ScratchFolder scratch_{"tolvane-store-failures"};
    std::string path_, before_;
};

TEST_F(FailingSaveOnDisk, StoreHeldOpenWithoutSharing) {
    UniqueFileHandle lock(::CreateFileA(path_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(lock);
    const SaveResult result = saveChange();
    EXPECT_EQ(result.outcome, SaveOutcome::WriteFailed);
    // Wine reports the refused replace as access denied.
    EXPECT_TRUE(result.error == ERROR_ACCESS_DENIED || result.error == ERROR_SHARING_VIOLATION) << result.error;
    EXPECT_FALSE(temporaryFileLeft());
    lock.reset();
    EXPECT_EQ(HostFiles().read(path_).bytes, before_);
    EXPECT_TRUE(saveChange().saved()) << "the next save, with the file free, succeeds";
}

TEST_F(FailingSaveOnDisk, ReadOnlyStore) {
    ASSERT_TRUE(::SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_READONLY));
    const SaveResult result = saveChange();
    ::SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(result.outcome, SaveOutcome::WriteFailed);
    EXPECT_EQ(result.error, DWORD(ERROR_ACCESS_DENIED));
    EXPECT_FALSE(temporaryFileLeft());
    EXPECT_EQ(HostFiles().read(path_).bytes, before_);
}

TEST_F(FailingSaveOnDisk, DirectoryAtTheStoresPath) {
    ASSERT_TRUE(::DeleteFileA(path_.c_str()));
    ASSERT_TRUE(::CreateDirectoryA(path_.c_str(), nullptr));
    const SaveResult result = saveChange();
    EXPECT_EQ(result.outcome, SaveOutcome::WriteFailed);
    EXPECT_EQ(result.error, DWORD(ERROR_ACCESS_DENIED));
    EXPECT_FALSE(temporaryFileLeft());
    EXPECT_NE(::GetFileAttributesA(path_.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    ::RemoveDirectoryA(path_.c_str());
}

// Leftovers of saves killed midway in earlier runs.
class SaveLeftovers : public ::testing::Test {
protected:
    void SetUp() override { store_ = scratch_.path() + "\\tolvane.boot"; }
    void TearDown() override {
        for (PROCESS_INFORMATION& process : processes_) {
            ::TerminateProcess(process.hProcess, 0);
            ::CloseHandle(process.hProcess);
            ::CloseHandle(process.hThread);
        }
    }
    // A process that never runs a line: alive until ended.
    DWORD suspendedProcess() {
        char system[MAX_PATH] = {};
        ::GetSystemDirectoryA(system, MAX_PATH);
        std::string line = std::string(system) + "\\cmd.exe /c exit";
        STARTUPINFOA startup{sizeof startup};
        PROCESS_INFORMATION process{};
        if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED | CREATE_NO_WINDOW,
                              nullptr, nullptr, &startup, &process))
            return 0;
        processes_.push_back(process);
        return process.dwProcessId;
    }
    std::string make(const std::string& name) {
        const std::string path = scratch_.path() + "\\" + name;
        UniqueFileHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        EXPECT_TRUE(file) << name;
        return path;
    }
    bool exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

    tolvane::testing::ScratchFolder scratch_{"tolvane-leftovers"};
    std::string store_;
    std::vector<PROCESS_INFORMATION> processes_;
};

TEST_F(SaveLeftovers, OnlyFilesOfEndedWritersAreRemoved) {
    const DWORD running = suspendedProcess();
    const DWORD ended = suspendedProcess();
    ASSERT_NE(running, 0u);
    ASSERT_NE(ended, 0u);
    // Ended, with its handle still open so that the id is not given out again.
    ASSERT_TRUE(::TerminateProcess(processes_.back().hProcess, 0));
    ASSERT_EQ(::WaitForSingleObject(processes_.back().hProcess, 5000), WAIT_OBJECT_0);

    const std::string store = make("tolvane.boot");
    const std::string ofRunning = make("tolvane.boot." + std::to_string(running) + ".tmp");
    const std::string backupOfRunning = make("tolvane.boot.bak." + std::to_string(running) + ".tmp");
    const std::string ofEnded = make("tolvane.boot." + std::to_string(ended) + ".tmp");
    const std::string backupOfEnded = make("tolvane.boot.bak2." + std::to_string(ended) + ".tmp");
    const std::string ofNobody = make("tolvane.boot.4294967290.tmp");
    const std::string notOurs = make("tolvane.boot.notes.tmp");

    EXPECT_EQ(RemoveSaveLeftovers(store_), 3);
    EXPECT_FALSE(exists(ofEnded));
    EXPECT_FALSE(exists(backupOfEnded));
    EXPECT_FALSE(exists(ofNobody));
    EXPECT_TRUE(exists(ofRunning)) << "another running copy may be in the middle of a save";
    EXPECT_TRUE(exists(backupOfRunning));
    EXPECT_TRUE(exists(notOurs));
    EXPECT_TRUE(exists(store));
}


// A copy aside killed midway: the backup's name holds a whole copy or
// nothing, and the next start removes what the copy left.
TEST_F(SaveLeftovers, ACopyAsideKilledMidwayLeavesNoTruncatedBackup) {
    const std::string store = make("tolvane.boot");
    constexpr DWORD kSize = 128u << 20;  // long enough to be caught while copying
    {
        UniqueFileHandle file(::CreateFileA(store.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        ASSERT_TRUE(file);
        ASSERT_NE(::SetFilePointer(file.get(), kSize, nullptr, FILE_BEGIN), INVALID_SET_FILE_POINTER);
        ASSERT_TRUE(::SetEndOfFile(file.get()));
    }
    const auto size = [](const std::string& path) -> long long {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
        return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    };
    const std::string helper = tolvane::testing::TestProgramFolder() + "\\tolvane_copy_aside_helper.exe";

    int caughtMidway = 0;
    for (int attempt = 0; attempt < 5 && caughtMidway == 0; ++attempt) {
        const std::string backup = store + ".bak" + (attempt ? std::to_string(attempt + 1) : "");
        UniqueKernelHandle copier = tolvane::testing::Spawn(helper, "\"" + store + "\" \"" + backup + "\"");
        ASSERT_TRUE(copier);
        const std::string temp = TemporaryNameBeside(backup, ::GetProcessId(copier.get()));
        // Kill it as soon as anything of the copy is on disk.
        const DWORD begin = ::GetTickCount();
        while (size(temp) <= 0 && size(backup) <= 0 && ::GetTickCount() - begin < 10000 &&
               ::WaitForSingleObject(copier.get(), 0) == WAIT_TIMEOUT)
            ::Sleep(1);
        ::TerminateProcess(copier.get(), 9);
        ASSERT_EQ(::WaitForSingleObject(copier.get(), 5000), WAIT_OBJECT_0);

        const long long kept = size(backup);
        EXPECT_TRUE(kept == -1 || kept == kSize) << "a truncated backup of " << kept << " bytes";
        if (kept == -1 && size(temp) >= 0) ++caughtMidway;
        copier.reset();  // its id no longer names a process
        EXPECT_EQ(RemoveSaveLeftovers(store_), kept == -1 && size(temp) >= 0 ? 1 : 0);
        EXPECT_EQ(size(temp), -1);
        ::DeleteFileA(backup.c_str());
    }
    EXPECT_GT(caughtMidway, 0) << "every copy ended before it could be killed";
}
