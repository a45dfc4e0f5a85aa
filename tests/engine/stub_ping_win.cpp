// Stands in for ping.exe in the internet tests: prints the canned output
// named by TOLVANE_STUB_PING, ends with the exit code Windows' ping gives for
// it (0 when anything came back, unreachable replies included; 1 otherwise)
// and records its command line and id in the file named by
// TOLVANE_STUB_PING_LOG. Never touches the network.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

bool Print(const std::string& text) {
    DWORD written = 0;
    return ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written,
                       nullptr) != 0;
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
    // German text in the console's code page 850, as the real ping writes it.
    const std::string head = "\r\nPinging 127.0.0.1 with 32 bytes of data:\r\n";
    const std::string head6 = "\r\nPinging ::1 with 32 bytes of data:\r\n";
    const std::string headDe6 = "\r\nPing wird ausgef\x81hrt f\x81r ::1 mit 32 Bytes Daten:\r\n";
    const std::string statsDe =
        "\r\nPing-Statistik f\x81r ::1:\r\n    Pakete: Gesendet = 1, Empfangen = 1, Verloren = 0\r\n";
    if (!std::strcmp(mode, "reply-en")) {
        Print(head + "Reply from 127.0.0.1: bytes=32 time<1ms TTL=128\r\n");
    } else if (!std::strcmp(mode, "reply-de")) {
        Print("\r\nPing wird ausgef\x81hrt f\x81r 127.0.0.1 mit 32 Bytes Daten:\r\n"
              "Antwort von 127.0.0.1: Bytes=32 Zeit<1ms TTL=128\r\n");
    } else if (!std::strcmp(mode, "reply-v6-en")) {
        Print(head6 + "Reply from ::1: time<1ms\r\n\r\nPing statistics for ::1:\r\n"
                      "    Packets: Sent = 1, Received = 1, Lost = 0 (0% loss),\r\n"
                      "Approximate round trip times in milli-seconds:\r\n"
                      "    Minimum = 0ms, Maximum = 0ms, Average = 0ms\r\n");
    } else if (!std::strcmp(mode, "reply-v6-de")) {
        Print(headDe6 + "Antwort von ::1: Zeit=3ms\r\n" + statsDe);
    } else if (!std::strcmp(mode, "reply-exit1")) {
        Print(head6 + "Reply from ::1: time<1ms\r\n");
        return 1;
    } else if (!std::strcmp(mode, "timeout-de")) {
        Print(headDe6 + "Zeit\x81" "berschreitung der Anforderung.\r\n");
        return 1;
    } else if (!std::strcmp(mode, "unreachable")) {
        Print(head + "Reply from 127.0.0.1: Destination host unreachable.\r\n");
    } else if (!std::strcmp(mode, "unreachable-v6-de")) {
        Print(headDe6 + "Antwort von ::1: Zielhost nicht erreichbar.\r\n" + statsDe);
    } else if (!std::strcmp(mode, "lookup-en")) {
        Print("Ping request could not find host www.google.com. Please check the name and try again.\r\n");
        return 1;
    } else if (!std::strcmp(mode, "hang")) {
        Print(head);
        ::Sleep(60000);
    } else if (!std::strcmp(mode, "flood")) {
        // A reply, then output without end, until the pipe breaks or the
        // process is ended.
        Print(head + "Reply from 127.0.0.1: bytes=32 time<1ms TTL=128\r\n");
        const std::string filler(65534, '.');
        while (Print(filler + "\r\n")) {
        }
        return 0;
    } else if (std::strcmp(mode, "empty") != 0) {
        return 2;  // an unknown mode: a test's typo must not read as an answer
    }
    return 0;
}
