#include <gtest/gtest.h>

#include <string>

#include "engine/ping_output.h"

using namespace tolvane;

namespace {

// Recorded console output of Windows' ping as it arrives through the pipe:
// in the console's code page (850 for German: "ü" is \x81, "Ü" \x9A).
const std::string kStatsEn =
    "\r\nPing statistics for 192.0.2.7:\r\n    Packets: Sent = 1, Received = 1, Lost = 0 (0% loss),\r\n"
    "Approximate round trip times in milli-seconds:\r\n    Minimum = 14ms, Maximum = 14ms, Average = 14ms\r\n";
const std::string kLostEn =
    "\r\nPing statistics for 192.0.2.7:\r\n    Packets: Sent = 1, Received = 0, Lost = 1 (100% loss),\r\n";
const std::string kStatsDe =
    "\r\nPing-Statistik f\x81r 2a00:1450:4001:82b::2004:\r\n"
    "    Pakete: Gesendet = 1, Empfangen = 1, Verloren = 0\r\n    (0% Verlust),\r\n"
    "Ca. Zeitangaben in Millisek.:\r\n    Minimum = 0ms, Maximum = 0ms, Mittelwert = 0ms\r\n";
const std::string kLostDe =
    "\r\nPing-Statistik f\x81r 192.0.2.7:\r\n"
    "    Pakete: Gesendet = 1, Empfangen = 0, Verloren = 1\r\n    (100% Verlust),\r\n";
const std::string kHeadEn4 = "\r\nPinging www.google.com [192.0.2.7] with 32 bytes of data:\r\n";
const std::string kHeadEn6 = "\r\nPinging www.google.com [2a00:1450:4001:82b::2004] with 32 bytes of data:\r\n";
const std::string kHeadDe4 = "\r\nPing wird ausgef\x81hrt f\x81r www.google.com [192.0.2.7] mit 32 Bytes Daten:\r\n";
const std::string kHeadDe6 =
    "\r\nPing wird ausgef\x81hrt f\x81r www.google.com [2a00:1450:4001:82b::2004] mit 32 Bytes Daten:\r\n";

struct Recorded {
    const char* what;
    std::string output;
    std::uint32_t exitCode;
};

bool Connected(const Recorded& r) { return PingShowsConnection({r.output, true, r.exitCode}); }

}  // namespace

TEST(PingOutput, EchoRepliesOfBothFamiliesInAnyLanguageMeanConnected) {
    const Recorded cases[] = {
        {"en v4", kHeadEn4 + "Reply from 192.0.2.7: bytes=32 time=14ms TTL=117\r\n" + kStatsEn, 0},
        {"en v4 fast", "Reply from 127.0.0.1: bytes=32 time<1ms TTL=128\r\n", 0},
        {"de v4", kHeadDe4 + "Antwort von 192.0.2.7: Bytes=32 Zeit=12ms TTL=117\r\n" + kStatsDe, 0},
        {"en v6", kHeadEn6 + "Reply from 2a00:1450:4001:82b::2004: time=14ms\r\n" + kStatsEn, 0},
        {"en v6 loopback", "\r\nPinging ::1 with 32 bytes of data:\r\nReply from ::1: time<1ms\r\n" + kStatsEn, 0},
        {"en v6 loopback slow", "Reply from ::1: time=3ms\r\n", 0},
        {"de v6", kHeadDe6 + "Antwort von 2a00:1450:4001:82b::2004: Zeit=14ms\r\n" + kStatsDe, 0},
        {"de v6 fast", kHeadDe6 + "Antwort von ::1: Zeit<1ms\r\n" + kStatsDe, 0},
        {"fr v4, blank before the unit", "R\x82ponse de 192.0.2.7\xFF: octets=32 temps=14 ms TTL=117\r\n", 0},
        {"fr v6", "R\x82ponse de ::1\xFF: temps<1ms\r\n", 0},
        {"es v6, unit cut short", "Respuesta desde ::1: tiempo<1m\r\n", 0},
        {"ru v6, cp866", "\x8E\xE2\xA2\xA5\xE2 \xAE\xE2 ::1: \xA2\xE0\xA5\xAC\xEF<1\xAC\xE1\r\n", 0},
        {"last line without line break", kHeadEn6 + "Reply from ::1: time<1ms", 0},
        // Several requests: one echo that came back is enough.
        {"timeout, then reply", kHeadEn6 + "Request timed out.\r\nReply from ::1: time=3ms\r\n", 0},
        {"reply, then timeout (de)",
         kHeadDe4 + "Antwort von 192.0.2.7: Bytes=32 Zeit=12ms TTL=117\r\n"
                    "Zeit\x81" "berschreitung der Anforderung.\r\n",
         0},
    };
    for (const Recorded& c : cases) EXPECT_TRUE(Connected(c)) << c.what << "\n" << c.output;
}

TEST(PingOutput, UnreachableTimeoutsFailuresAndLookupsMeanNotConnected) {
    const Recorded cases[] = {
        // Unreachable replies count as received: ping's exit code is 0.
        {"en v4 host unreachable",
         kHeadEn4 + "Reply from 192.168.0.1: Destination host unreachable.\r\n" + kStatsEn, 0},
        {"de v4 host unreachable", kHeadDe4 + "Antwort von 192.168.0.1: Zielhost nicht erreichbar.\r\n" + kStatsDe, 0},
        {"en v6 host unreachable", kHeadEn6 + "Reply from 2a00:1450:4001:82b::1: Destination host unreachable.\r\n", 0},
        {"de v6 host unreachable", kHeadDe6 + "Antwort von 2a00:1450:4001:82b::1: Zielhost nicht erreichbar.\r\n", 0},
        {"en net unreachable", kHeadEn4 + "Reply from 192.168.0.1: Destination net unreachable.\r\n" + kStatsEn, 0},
        {"de net unreachable", kHeadDe4 + "Antwort von 192.168.0.1: Zielnetz nicht erreichbar.\r\n" + kStatsDe, 0},
        {"en ttl expired", kHeadEn4 + "Reply from 10.0.0.1: TTL expired in transit.\r\n" + kStatsEn, 0},
        {"en timeout", kHeadEn4 + "Request timed out.\r\n" + kLostEn, 1},
        {"de timeout", kHeadDe6 + "Zeit\x81" "berschreitung der Anforderung.\r\n" + kLostDe, 1},
        {"en general failure", kHeadEn6 + "General failure.\r\n" + kLostEn, 1},
        {"en transmit failed", kHeadEn4 + "PING: transmit failed. General failure. \r\n" + kLostEn, 1},
        {"de transmit failed", kHeadDe4 + "\x9A" "bertragung fehlgeschlagen. Allgemeiner Fehler.\r\n" + kLostDe, 1},
        {"en lookup", "Ping request could not find host www.google.com. Please check the name and try again.\r\n", 1},
        {"de lookup",
         "Die Ping-Anforderung konnte Host \"www.google.com\" nicht finden. \x9A" "berpr\x81" "fen Sie den Namen, und "
         "versuchen Sie es erneut.\r\n",
         1},
        {"empty", "", 0},
        {"empty, failed", "", 1},
        {"statistics alone", kStatsEn + kStatsDe, 0},
        {"unreachable, then timeout", kHeadEn4 + "Reply from 192.168.0.1: Destination host unreachable.\r\n"
                                      "Request timed out.\r\n", 0},
        {"a figure split across lines", "Reply from ::1: time<\r\n1ms\r\n", 0},
        {"a figure without unit", "Reply from ::1: time=14\r\n", 0},
        {"TTL without a number", "Reply from 10.0.0.1: TTL=\r\n", 0},
    };
    for (const Recorded& c : cases) EXPECT_FALSE(Connected(c)) << c.what << "\n" << c.output;
}

TEST(PingOutput, AReplyCountsOnlyFromAPingThatEndedByItselfWithSuccess) {
    const std::string reply6 = kHeadEn6 + "Reply from ::1: time<1ms\r\n";
    const std::string reply4 = kHeadDe4 + "Antwort von 192.0.2.7: Bytes=32 Zeit=12ms TTL=117\r\n";
    for (const std::string& reply : {reply6, reply4}) {
        EXPECT_TRUE(PingShowsConnection({reply, true, 0}));
        EXPECT_FALSE(PingShowsConnection({reply, false, 0})) << "ended at the time or output bound";
        EXPECT_FALSE(PingShowsConnection({reply, true, 1})) << "ping itself reports no reply";
        EXPECT_FALSE(PingShowsConnection({reply, true, 0xC000013A})) << "ended from outside";
        EXPECT_TRUE(PingOutputShowsReply(reply));
    }
    EXPECT_FALSE(PingOutputShowsReply("Reply from ::1: Destination host unreachable.\r\n"));
}

TEST(PingOutput, CommandLineQuotesTheProgramAndAsksForOneEcho) {
    EXPECT_EQ(PingCommandLine("C:\\windows\\system32\\ping.exe", "127.0.0.1"),
              "\"C:\\windows\\system32\\ping.exe\" -w 1000 -n 1 127.0.0.1");
    // The target is a bare host name: ping does not take web addresses.
    EXPECT_EQ(std::string_view(kPingTarget).find("://"), std::string_view::npos);
    EXPECT_NE(PingCommandLine("ping", kPingTarget).find(" -w 1000 -n 1 "), std::string::npos);
}
