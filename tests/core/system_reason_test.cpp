// The system's message texts with their inserts filled.
#include <gtest/gtest.h>

#include "core/system_reason.h"

using namespace tolvane;

TEST(SystemReason, InsertsAreFilledAndEscapesResolved) {
    const struct {
        const char* text;
        const char* filled;
    } cases[] = {
        {"%1 ist keine zulässige Win32-Anwendung.", "Die Datei ist keine zulässige Win32-Anwendung."},
        {"Bad EXE format for %1.", "Bad EXE format for die Datei."},
        {"Das Betriebssystem kann %1 nicht ausführen.", "Das Betriebssystem kann die Datei nicht ausführen."},
        {"Fehler. %1 fehlt, %2 auch.", "Fehler. Die Datei fehlt, die Datei auch."},
        {"%1!s! kann nicht im Win32-Modus ausgeführt werden.", "Die Datei kann nicht im Win32-Modus ausgeführt werden."},
        {"Eintrag %12 fehlt.", "Eintrag die Datei fehlt."},
        {"100%% belegt%n", "100% belegt "},
        {"Zeile%r%nzwei%tdrei%b.", "Zeile zwei drei ."},
        {"Punkt%. Ausruf%!", "Punkt. Ausruf!"},
        {"Ende%0 danach", "Ende"},
        {"Nichts einzusetzen.", "Nichts einzusetzen."},
        {"Am Ende %", "Am Ende %"},
        {"Offenes %1!s Format", "Offenes die Datei!s Format"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(FillMessageInserts(c.text), c.filled) << c.text;
}

TEST(SystemReason, TheInsertCanBeTheFilesName) {
    EXPECT_EQ(FillMessageInserts("%1 ist keine zulässige Win32-Anwendung.", "„tool.exe“"),
              "„tool.exe“ ist keine zulässige Win32-Anwendung.");
}
