// Tolvane's own files where a user or folder name lies outside the code
// page: the store in such a folder, the store's place taken from such a
// profile folder, and the autostart shortcut of a Tolvane started from one.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/app_win.h"
#include "core/store_location_win.h"
#include "core/entry_store.h"
#include "core/store_leftovers_win.h"
#include "core/wide_text_win.h"
#include "ui/autostart_shortcut_win.h"
#include "ui/main_window_win.h"
#include "wait_for_win.h"
#include "win/profile_store_aside_win.h"

using namespace tolvane;

namespace {

// "Łódź-中文": Windows-1252 holds none of Ł, ź and the two Chinese letters.
const std::wstring kForeignName = L"tolvane-\x0141\x00F3" L"d\x017A-\x4E2D\x6587";

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void MakeFile(const std::wstring& path, const char* bytes) {
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ::WriteFile(file, bytes, lstrlenA(bytes), &written, nullptr);
    ::CloseHandle(file);
}

// A folder under C:\ named outside the code page, emptied and removed at the end.
class ForeignFolder {
public:
    explicit ForeignFolder(const std::wstring& name) : path_(L"C:\\" + name) {
        clear();
        ::CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~ForeignFolder() { clear(); }
    ForeignFolder(const ForeignFolder&) = delete;
    ForeignFolder& operator=(const ForeignFolder&) = delete;

    const std::wstring& path() const { return path_; }
    std::string utf8() const { return Utf8OfWide(path_); }

private:
    void clear() {
        WIN32_FIND_DATAW found{};
        HANDLE search = ::FindFirstFileW((path_ + L"\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                    ::DeleteFileW((path_ + L"\\" + found.cFileName).c_str());
            } while (::FindNextFileW(search, &found));
            ::FindClose(search);
        }
        ::RemoveDirectoryW(path_.c_str());
    }
    std::wstring path_;
};

EntryModel Sample() {
    EntryModel model;
    model.systemStart.append(StartEntry{"Grüße", "Wartezeit von ...{30};", "-a b", "X", "C:\\A B\\x.exe"});
    model.programStart.append(StartEntry{"p", "notepad.exe", "", "", "C:\\y.txt"});
    return model;
}

// Sets a text value of the prefix's registry for the test's time and puts
// the old one back.
class RegistryValueAside {
public:
    RegistryValueAside(HKEY root, const wchar_t* key, const wchar_t* name, const std::wstring& value) : name_(name) {
        if (::RegOpenKeyExW(root, key, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key_) != ERROR_SUCCESS) return;
        wchar_t old[1024] = {};
        DWORD size = sizeof old;
        had_ = ::RegQueryValueExW(key_, name, nullptr, &type_, reinterpret_cast<BYTE*>(old), &size) == ERROR_SUCCESS;
        old_ = old;
        set_ = Set(REG_SZ, value);
    }
    ~RegistryValueAside() {
        if (!key_) return;
        if (had_) Set(type_, old_);
        ::RegCloseKey(key_);
    }
    RegistryValueAside(const RegistryValueAside&) = delete;
    RegistryValueAside& operator=(const RegistryValueAside&) = delete;
    bool set() const { return set_; }

private:
    bool Set(DWORD type, const std::wstring& value) {
        const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
        return ::RegSetValueExW(key_, name_, 0, type, reinterpret_cast<const BYTE*>(value.c_str()), bytes) ==
               ERROR_SUCCESS;
    }
    HKEY key_ = nullptr;
    const wchar_t* name_;
    std::wstring old_;
    DWORD type_ = REG_SZ;
    bool had_ = false, set_ = false;
};

}  // namespace

TEST(WidePaths, TheStoreIsWrittenReadKeptAsideAndTidiedInAFolderOutsideTheCodePage) {
    ForeignFolder folder(kForeignName);
    ASSERT_TRUE(Exists(folder.path()));
    const std::wstring wide = folder.path() + L"\\tolvane.boot";
    const std::string path = Utf8OfWide(wide);

    EntryStore store(HostFiles(), path, MakeRandomByteSource());
    ASSERT_TRUE(store.save(Sample()).saved());
    EXPECT_TRUE(Exists(wide)) << "written under the folder's real name";
    EntryModel loaded;
    ASSERT_EQ(store.load(loaded, false), LoadResult::Loaded);
    ASSERT_EQ(loaded.systemStart.size(), 1u);
    EXPECT_EQ(loaded.systemStart[0].entry, Sample().systemStart[0].entry);

    // A damaged file is copied aside there as soon as it is read.
    MakeFile(wide, "odd");
    ASSERT_EQ(store.load(loaded, false), LoadResult::LoadedDamaged);
    EXPECT_EQ(store.backupPath(), path + ".bak");
    EXPECT_TRUE(Exists(wide + L".bak"));
    ASSERT_TRUE(store.save(Sample()).saved());

    // A killed save's leftover there is found and removed at the next start.
    MakeFile(wide + L".4294967290.tmp", "x");
    EXPECT_EQ(RemoveSaveLeftovers(path), 1);
    EXPECT_FALSE(Exists(wide + L".4294967290.tmp"));
    EXPECT_TRUE(Exists(wide));
}

TEST(WidePaths, TheStoreLivesInAProfileFolderOutsideTheCodePage) {
    // Wine puts a user's profile at the profiles folder plus the user's name;
    // a profiles folder C:\\Łódź-中文 makes the profile folder's name foreign.
    ForeignFolder profiles(kForeignName);
    wchar_t user[256] = {};
    DWORD length = 256;
    ASSERT_TRUE(::GetUserNameW(user, &length));
    const std::wstring profile = profiles.path() + L"\\" + user;
    ::CreateDirectoryW(profile.c_str(), nullptr);
    std::string path;
    {
        RegistryValueAside moved(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows NT\\CurrentVersion\\ProfileList",
                                 L"ProfilesDirectory", profiles.path());
        ASSERT_TRUE(moved.set());
        path = StoreFilePath();
    }
    EXPECT_NE(StoreFilePath(), path) << "the profile folder is back";

    EXPECT_EQ(path, Utf8OfWide(profile) + "\\tolvane.boot");
    EntryStore store(HostFiles(), path, MakeRandomByteSource());
    EXPECT_TRUE(store.save(Sample()).saved());
    EXPECT_TRUE(Exists(profile + L"\\tolvane.boot"));
    EntryModel loaded;
    EXPECT_EQ(store.load(loaded, false), LoadResult::Loaded);
    EXPECT_EQ(loaded.programStart.size(), 1u);
    ::DeleteFileW((profile + L"\\tolvane.boot").c_str());
    ::RemoveDirectoryW(profile.c_str());
}

TEST(WidePaths, TolvaneStartedFromAFolderOutsideTheCodePagePointsItsShortcutThere) {
    ProfileStoreAside store;  // the run at logon must find no entries to start
    ForeignFolder folder(kForeignName);
    std::string built = "Z:" TOLVANE_EXE;
    for (char& c : built)
        if (c == '/') c = '\\';
    const std::wstring program = folder.path() + L"\\Tolvane.exe";
    ASSERT_TRUE(::CopyFileW(WideOfUtf8(built).c_str(), program.c_str(), FALSE));

    const std::string link = ResolveStartupFolders().common + "\\Tolvane.lnk";
    ::DeleteFileW(WideOfUtf8(link).c_str());
    std::wstring line = L"\"" + program + L"\" -h";
    STARTUPINFOW startup{sizeof startup};
    PROCESS_INFORMATION info{};
    ASSERT_TRUE(::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info));

    ShellLinkFields fields;
    const bool written = test::WaitFor([&] { return ReadShellLink(link, fields); }, 10000);
    ::TerminateProcess(info.hProcess, 0);
    ::WaitForSingleObject(info.hProcess, 10000);
    ::CloseHandle(info.hProcess);
    ::CloseHandle(info.hThread);
    ::DeleteFileW(WideOfUtf8(link).c_str());  // it would point into a folder that is gone

    ASSERT_TRUE(written) << "no shortcut was written";
    EXPECT_EQ(::lstrcmpiW(WideOfUtf8(fields.target).c_str(), program.c_str()), 0) << fields.target;
    EXPECT_EQ(::lstrcmpiW(WideOfUtf8(fields.workingDirectory).c_str(), (folder.path() + L"\\").c_str()), 0)
        << fields.workingDirectory;
    EXPECT_EQ(fields.arguments, "-h");
}
