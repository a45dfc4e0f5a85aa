// A library or function imported at first call that cannot be had ends the
// program with a message naming it, instead of an unhandled exception.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "win/tolvane_process_win.h"

using namespace tolvane::test;

namespace {

struct Missing {
    const wchar_t* what;
    const wchar_t* named;
};

TEST(MissingLibrary, EndsWithAMessageNamingIt) {
    const Missing cases[] = {
        {L"library", L"Die Windows-Bibliothek \x201Etolvane-absent.dll\x201C lie\xDF sich nicht laden."},
        {L"function", L"Der Windows-Bibliothek \x201Ekernel32.dll\x201C fehlt die Funktion "
                      L"\x201ETolvaneAbsentFromKernel\x201C."},
    };
    for (const Missing& missing : cases) {
        SCOPED_TRACE(std::string(missing.what, missing.what + lstrlenW(missing.what)));
        ProgramProcess helper;
        ASSERT_TRUE(helper.start(BuiltProgramPath(MISSING_LIBRARY_HELPER), missing.what));
        HWND box = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (box = FindBox(helper.info.dwProcessId)) != nullptr; }));
        EXPECT_EQ(BoxText(box).find(missing.named), 0u);
        ::PostMessageA(box, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(helper.wait(10000), 1u);
    }
}

}  // namespace
