#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // The runner reads the test's output until every holder of the pipe has
    // closed it. Wine's console host for a console child started here (the
    // stub ping) may outlive the test, and would hold an inherited pipe open.
    for (DWORD which : {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE})
        ::SetHandleInformation(::GetStdHandle(which), HANDLE_FLAG_INHERIT, 0);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
