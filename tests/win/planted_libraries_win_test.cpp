// Libraries come from the system folder only: copies of the program and of
// the store tool with libraries of system names planted beside them never
// load those, whatever Wine's load order.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "win/tolvane_process_win.h"

using namespace tolvane;
using namespace tolvane::test;

namespace {

// Wine's own user32 and shlwapi load version.dll and shcore.dll before the
// program's first line, which Windows does not: planting is tested with
// libraries loaded later.
const wchar_t* const kPlanted[] = {L"uxtheme.dll", L"dwmapi.dll"};
const std::wstring kFolder = L"C:\\tolvane-planted";

// Wine's load order for the planted names set native-first for one program,
// as a user may set it; its settings reach that program's processes.
class NativeFirst {
public:
    explicit NativeFirst(const std::wstring& program)
        : key_(L"Software\\Wine\\AppDefaults\\" + program + L"\\DllOverrides") {
        HKEY key = nullptr;
        if (::RegCreateKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                              nullptr) != ERROR_SUCCESS)
            return;
        for (const wchar_t* name : kPlanted) {
            const std::wstring library(name, lstrlenW(name) - 4);  // without ".dll"
            ::RegSetValueExW(key, library.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(L"native,builtin"),
                             sizeof L"native,builtin");
        }
        ::RegCloseKey(key);
    }
    ~NativeFirst() { ::RegDeleteKeyW(HKEY_CURRENT_USER, key_.c_str()); }
    NativeFirst(const NativeFirst&) = delete;
    NativeFirst& operator=(const NativeFirst&) = delete;

private:
    std::wstring key_;
};

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class PlantedLibraries : public ::testing::Test {
protected:
    void SetUp() override {
        Clear();
        ASSERT_TRUE(::CreateDirectoryW(kFolder.c_str(), nullptr));
        ASSERT_TRUE(::CopyFileW(BuiltProgramPath(TOLVANE_EXE).c_str(), program.c_str(), FALSE));
        ASSERT_TRUE(::CopyFileW(BuiltProgramPath(TOLVANE_STORE_EXE).c_str(), storeTool.c_str(), FALSE));
        for (const wchar_t* name : kPlanted)
            ASSERT_TRUE(::CopyFileW(BuiltProgramPath(PLANTED_LIBRARY).c_str(), (kFolder + L"\\" + name).c_str(), FALSE));
    }
    void TearDown() override { Clear(); }

    void ExpectNoneLoaded() {
        for (const wchar_t* name : kPlanted)
            EXPECT_FALSE(Exists(kFolder + L"\\" + name + L".loaded")) << "loaded: " << Utf8Of(name);
    }
    static std::string Utf8Of(const wchar_t* name) { return std::string(name, name + lstrlenW(name)); }

    const std::wstring program = kFolder + L"\\Tolvane.exe";
    const std::wstring storeTool = kFolder + L"\\tolvane-store.exe";

private:
    static void Clear() {
        WIN32_FIND_DATAW found{};
        const HANDLE search = ::FindFirstFileW((kFolder + L"\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do ::DeleteFileW((kFolder + L"\\" + found.cFileName).c_str());
            while (::FindNextFileW(search, &found));
            ::FindClose(search);
        }
        ::RemoveDirectoryW(kFolder.c_str());
    }
};

// The window shown: the common controls, and with them theming, are loaded.
TEST_F(PlantedLibraries, StayOutOfTheProgramWhateverTheLoadOrder) {
    for (bool nativeFirst : {false, true}) {
        SCOPED_TRACE(nativeFirst ? "native first" : "Wine's own order");
        std::unique_ptr<NativeFirst> order(nativeFirst ? new NativeFirst(L"Tolvane.exe") : nullptr);
        ProgramProcess copy;
        ASSERT_TRUE(copy.start(program, L""));
        HWND main = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (main = MainWindowOf(copy.info.dwProcessId)) != nullptr; }));
        EXPECT_TRUE(WaitFor([&] { return ::IsWindowVisible(main) != 0; }));
        EXPECT_TRUE(QuitAfterConfirmation(copy, main));
        ExpectNoneLoaded();
    }
}

TEST_F(PlantedLibraries, StayOutOfTheStoreTool) {
    NativeFirst order(L"tolvane-store.exe");
    ProgramProcess tool;
    ASSERT_TRUE(tool.start(storeTool, L"dump " + kFolder + L"\\none.boot"));
    EXPECT_NE(tool.wait(20000), DWORD(STILL_ACTIVE));
    ExpectNoneLoaded();
}

}  // namespace
