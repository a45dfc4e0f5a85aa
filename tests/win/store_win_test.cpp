// The entry store in the real profile folder of the Wine prefix.
#include <gtest/gtest.h>
#include <windows.h>

#include "core/app_win.h"
#include "core/entry_store.h"
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
    model.systemStart.append(StartEntry{"Gr\xFC\xDF" "e", "Wartezeit von ...{30};", "-a b", "X", "C:\\A B\\x.exe"});
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
    const std::string plain = EncodePlainStore(Sample());
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
    EXPECT_FALSE(store.save(EntryModel{}).saved());
    ::CloseHandle(lock);

    ASSERT_TRUE(store.save(EntryModel{}).saved());
    EXPECT_EQ(store.backupPath(), path_ + ".bak");
    EntryModel kept;
    EntryStore backup(HostFiles(), path_ + ".bak", MakeRandomByteSource());
    EXPECT_EQ(backup.load(kept, false), LoadResult::Loaded);
    EXPECT_EQ(kept.systemStart.size(), 1u) << "the entries of the locked file survive in the copy";
}
