#include <gtest/gtest.h>

#include "engine/ping_output.h"

using namespace tolvane;

TEST(PingOutput, OnlyAnEchoReplyMeansConnected) {
    const struct {
        const char* output;
        bool connected;
    } cases[] = {
        {"\r\nPinging www.example.test [192.0.2.7] with 32 bytes of data:\r\n"
         "Reply from 192.0.2.7: bytes=32 time=14ms TTL=117\r\n",
         true},
        {"\r\nPing wird ausgef\xFChrt f\xFCr www.example.test [192.0.2.7] mit 32 Bytes Daten:\r\n"
         "Antwort von 192.0.2.7: Bytes=32 Zeit=12ms TTL=117\r\n",
         true},
        {"Reply from 127.0.0.1: bytes=32 time=1ms TTL=64\n", true},
        {"Ping wird ausgef\xFChrt f\xFCr 192.0.2.7 mit 32 Bytes Daten:\r\n"
         "Zeit\xFC" "berschreitung der Anforderung.\r\n",
         false},
        {"Pinging 192.0.2.7 with 32 bytes of data:\r\nRequest timed out.\r\n", false},
        {"Pinging 192.0.2.7 with 32 bytes of data:\r\n"
         "Reply from 192.168.1.1: Destination host unreachable.\r\n",
         false},
        {"Antwort von 192.168.1.1: Zielhost nicht erreichbar.\r\n", false},
        {"Ping request could not find host www.example.test. Please check the name and try again.\r\n", false},
        {"Die Pinganforderung konnte Host \"www.example.test\" nicht finden.\r\n", false},
        {"", false},
        // A reply and a timeout in one run count as a timeout.
        {"Reply from 192.0.2.7: bytes=32 time=14ms TTL=117\r\nZeit\xFC" "berschreitung der Anforderung.\r\n", false},
    };
    for (const auto& c : cases) EXPECT_EQ(PingShowsConnection(c.output), c.connected) << c.output;
}

TEST(PingOutput, CommandLineQuotesTheProgramAndAsksForOneEcho) {
    EXPECT_EQ(PingCommandLine("C:\\windows\\system32\\ping.exe", "127.0.0.1"),
              "\"C:\\windows\\system32\\ping.exe\" -w 1000 -n 1 127.0.0.1");
    // The target is a bare host name: ping does not take web addresses.
    EXPECT_EQ(std::string_view(kPingTarget).find("://"), std::string_view::npos);
    EXPECT_NE(PingCommandLine("ping", kPingTarget).find(" -w 1000 -n 1 "), std::string::npos);
}
