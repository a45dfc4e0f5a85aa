#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // The runner reads the test's output until every holder of the pipe has
    // closed it: a child a test starts (a helper, or a console host Wine
    // makes for one) must not keep it open after the test has ended.
    for (DWORD which : {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE})
        ::SetHandleInformation(::GetStdHandle(which), HANDLE_FLAG_INHERIT, 0);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
