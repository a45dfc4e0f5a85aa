#include "core/texts.h"

#include <array>
#include <cassert>

namespace tolvane {

namespace {

// Windows-1252 bytes written as escapes so the table does not depend on the
// source file's encoding. A literal is split where the byte after an escape
// is itself a hex digit ("\xDC" "ber"), which would otherwise extend it.
constexpr std::array<std::string_view, static_cast<int>(Text::Count)> kTexts = {
    "Datei",
    "Tolvane anzeigen",
    "Assistent f\xFCr neuen Systemstart...",
    "Assistent f\xFCr neuen Programmstart...",
    "Tolvane beenden",
    "\xDC" "ber",
    "Startet Anwendungen und Dateien nach vorgegebenen Bedingungen vollautomatisch.",
    "Beim Starten des Systems",
    "Beim Starten eines Programms",
    "Vorraussetzung",
    "Start bei Programm ...",
    "Parameter",
    "Unsichtbar",
    "Vollst\xE4ndiger Dateipfad",
    "Programm hinzuf\xFCgen...",
    "Programm aus Liste entfernen",
    "Den Eintrag %FILE% wirklich entfernen?",
    "Programm editieren...",
    "Das Beenden von Tolvane f\xFChrt auch zum Abbruch aller bereitgestellten Funktionen.",
    "Diese Warnung kann \xFC" "brigens in den Einstellungen dauerhaft abgeschaltet werden.",

    "Systemstart von %FILE% bearbeiten",
    "Programstart von %FILE% bearbeiten",
    "Ein neues Programm kann der Liste hinzugef\xFCgt werden, das von nun an bei jedem Systemstart ausgef\xFChrt wird.",
    "Ein neues Programm kann der Liste hinzugef\xFCgt werden, das von nun an bei jedem Start eines anderen Programmes ausgef\xFChrt wird.",
    "Schritt 1: Der Name f\xFCr den neuen Start wird eingegeben.",
    "Schritt 2: Das gew\xFCnschte Programm wird ausgew\xE4hlt.",
    "Schritt 3: Die Vorraussetzungen zum Start werden festgelegt (Optional)",
    "Schritt 3: Das Programm, das den Start ausl\xF6st, wird festgelegt.",
    "Schritt 4: M\xF6gliche Parameter k\xF6nnen eingegeben werden (Optional)",
    "Schritt",
    "Name f\xFCr den Start ausw\xE4hlen:",
    "Automatisch erstellen",
    "Hinweis:",
    "Der Name sollte dem Programm oder der Datei entsprechen, die gestartet werden soll, oder eine leicht zu merkende Abk\xFCrzung daf\xFCr sein.",
    "Zu startende Anwendung oder Datei ausw\xE4hlen:",
    "Vorraussetzungen f\xFCr den Start festlegen:",
    "Hinzuf\xFCgen...",
    "Entfernen",
    "Wert",
    "Die Vorraussetzung darf folgende Zeichen nicht enthalten: { }",
    "Gew\xFCnschte Parameter f\xFCr den Start:",
    "Klicken Sie auf \"Fertig\" um den neuen Systemstart der Liste hinzuzuf\xFCgen.",
    "Klicken Sie auf \"\xDC" "bernehmen\" um den Systemstart zu aktualisieren.",
    "Unsichtbar starten",
    "Bitte zwischen einer Anwendung oder einem Prozessnamen w\xE4hlen",
    "Prozess w\xE4hlen",
    "Momentan laufende Prozesse:",
    "Anwendungen (*.exe;*.bat)",
    "Alle Dateien (*.*)",
    "Datei ausw\xE4hlen",
    "Verzeichnis ausw\xE4hlen",
    "OK",
    "Abbrechen",
    "Zur\xFC" "ck",
    "Weiter",
    "Fertig",
    "\xDC" "bernehmen",

    "Wartezeit von ...",
    "Verbindung mit Internet",
    "Keine Verbindung mit Internet",
    "Freier Festplattenspeicher kleiner als ...",
    "Freier Festplattenspeicher gr\xF6\xDF" "er als ...",
    "Freier Arbeitsspeicher kleiner als ...",
    "Freier Arbeitsspeicher gr\xF6\xDF" "er als ...",
    "Belegter Festplattenspeicher kleiner als ...",
    "Belegter Festplattenspeicher gr\xF6\xDF" "er als ...",
    "Belegter Arbeitsspeicher kleiner als ...",
    "Belegter Arbeitsspeicher gr\xF6\xDF" "er als ...",
    "Datei ... existiert",
    "Datei ... existiert nicht",
    "Verzeichnis ... existiert",
    "Verzeichnis ... existiert nicht",
    "Angemeldeter User heisst ...",
};

}  // namespace

std::string_view GetText(Text id) { return kTexts[static_cast<std::size_t>(id)]; }

std::string_view KindLabel(int kind) {
    assert(kind >= 0 && kind < kConditionKindCount);
    return kTexts[static_cast<std::size_t>(static_cast<int>(Text::FirstKindLabel) + kind)];
}

std::string ReplaceFilePlaceholder(std::string_view text, std::string_view entryName) {
    constexpr std::string_view kPlaceholder = "%FILE%";
    std::string quoted;
    quoted.reserve(entryName.size() + 2);
    quoted.append(1, '"').append(entryName).append(1, '"');

    std::string result;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(kPlaceholder, from)) != std::string_view::npos;) {
        result.append(text.substr(from, at - from)).append(quoted);
        from = at + kPlaceholder.size();
    }
    result.append(text.substr(from));
    return result;
}

}  // namespace tolvane
