// Calls, at first use, a function of a library that does not exist
// ("library") or one that kernel32 lacks ("function"), with the program's
// own failure hook linked in. Without a manifest, so the hook's message box
// needs no common controls.
#include <windows.h>

#include <cstring>

// Not dllimport: those calls would skip the delay-load thunks.
extern "C" void WINAPI TolvaneFromAbsentLibrary();
extern "C" void WINAPI TolvaneAbsentFromKernel();

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    if (std::strcmp(argv[1], "library") == 0) TolvaneFromAbsentLibrary();
    if (std::strcmp(argv[1], "function") == 0) TolvaneAbsentFromKernel();
    return 0;
}
