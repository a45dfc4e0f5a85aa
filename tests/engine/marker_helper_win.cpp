// Test helper used as target and as trigger program: records each start as
// one line "pid|creation time|module path|current folder|command line" in
// the file named by TOLVANE_MARKER_FILE, then stays alive for the
// milliseconds given as "--sleep=N", or keeps every processor busy for those
// of "--spin=N". Paths and the command line in UTF-8.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string Utf8Of(const wchar_t* text) {
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(length > 0 ? static_cast<std::size_t>(length) : 1, '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), length, nullptr, nullptr);
    utf8.pop_back();  // the terminating zero
    return utf8;
}

std::string Line() {
    FILETIME created{}, ignored{};
    ::GetProcessTimes(::GetCurrentProcess(), &created, &ignored, &ignored, &ignored);
    const unsigned long long createTime = (static_cast<unsigned long long>(created.dwHighDateTime) << 32) |
                                          created.dwLowDateTime;
    wchar_t module[MAX_PATH] = {}, folder[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, module, MAX_PATH);
    ::GetCurrentDirectoryW(MAX_PATH, folder);
    char head[64];
    std::snprintf(head, sizeof head, "%lu|%llu|", ::GetCurrentProcessId(), createTime);
    return std::string(head) + Utf8Of(module) + "|" + Utf8Of(folder) + "|" + Utf8Of(::GetCommandLineW()) + "\r\n";
}

void Record(const wchar_t* file) {
    const std::string line = Line();
    // Exclusive access: several helpers may start at once.
    for (int attempt = 0; attempt < 500; ++attempt) {
        HANDLE handle = ::CreateFileW(file, FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            ::SetFilePointer(handle, 0, nullptr, FILE_END);
            ::WriteFile(handle, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
            ::CloseHandle(handle);
            return;
        }
        ::Sleep(10);
    }
}

DWORD WINAPI Spin(void* milliseconds) {
    const DWORD begin = ::GetTickCount();
    const DWORD length = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(milliseconds));
    for (volatile unsigned counter = 0; ::GetTickCount() - begin < length;) counter = counter + 1;
    return 0;
}

void SpinOnEveryProcessor(DWORD milliseconds) {
    SYSTEM_INFO system{};
    ::GetSystemInfo(&system);
    void* argument = reinterpret_cast<void*>(static_cast<UINT_PTR>(milliseconds));
    for (DWORD other = 1; other < system.dwNumberOfProcessors; ++other)
        if (HANDLE thread = ::CreateThread(nullptr, 0, Spin, argument, 0, nullptr)) ::CloseHandle(thread);
    Spin(argument);
}

}  // namespace

int main(int argc, char** argv) {
    wchar_t file[MAX_PATH] = {};
    if (::GetEnvironmentVariableW(L"TOLVANE_MARKER_FILE", file, MAX_PATH) > 0) Record(file);
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--sleep=", 8) == 0) ::Sleep(static_cast<DWORD>(std::atol(argv[i] + 8)));
        if (std::strncmp(argv[i], "--spin=", 7) == 0) SpinOnEveryProcessor(static_cast<DWORD>(std::atol(argv[i] + 7)));
    }
    return 0;
}
