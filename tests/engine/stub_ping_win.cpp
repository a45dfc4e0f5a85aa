// Stands in for ping.exe in the internet tests: prints the canned output
// named by TOLVANE_STUB_PING and records its command line and id in the file
// named by TOLVANE_STUB_PING_LOG. Never touches the network.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

void Print(const std::string& text) {
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace

int main() {
    char log[MAX_PATH] = {};
    if (::GetEnvironmentVariableA("TOLVANE_STUB_PING_LOG", log, MAX_PATH) > 0) {
        if (FILE* file = std::fopen(log, "wb")) {
            std::fprintf(file, "%lu\n%s", ::GetCurrentProcessId(), ::GetCommandLineA());
            std::fclose(file);
        }
    }
    char mode[64] = {};
    ::GetEnvironmentVariableA("TOLVANE_STUB_PING", mode, sizeof mode);
    const std::string head = "\r\nPinging 127.0.0.1 with 32 bytes of data:\r\n";
    if (!std::strcmp(mode, "reply-en")) {
        Print(head + "Reply from 127.0.0.1: bytes=32 time<1ms TTL=128\r\n");
    } else if (!std::strcmp(mode, "reply-de")) {
        Print("\r\nPing wird ausgef\xFChrt f\xFCr 127.0.0.1 mit 32 Bytes Daten:\r\n"
              "Antwort von 127.0.0.1: Bytes=32 Zeit<1ms TTL=128\r\n");
    } else if (!std::strcmp(mode, "timeout-de")) {
        Print("\r\nPing wird ausgef\xFChrt f\xFCr 127.0.0.1 mit 32 Bytes Daten:\r\n"
              "Zeit\xFC" "berschreitung der Anforderung.\r\n");
    } else if (!std::strcmp(mode, "unreachable")) {
        Print(head + "Reply from 127.0.0.1: Destination host unreachable.\r\n");
    } else if (!std::strcmp(mode, "hang")) {
        Print(head);
        ::Sleep(60000);
    } else if (!std::strcmp(mode, "flood")) {
        // Far more than a pipe buffer holds, then the reply.
        const std::string filler(1000, '.');
        for (int i = 0; i < 300; ++i) Print(filler + "\r\n");
        Print("Reply from 127.0.0.1: bytes=32 time<1ms TTL=128\r\n");
    }
    return 0;
}
