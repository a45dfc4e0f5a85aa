#include "core/texts.h"

#include <array>
#include <cassert>

namespace tolvane {

namespace {

constexpr std::array<std::string_view, static_cast<int>(Text::Count)> kTexts = {
    "Datei",
    "Tolvane anzeigen",
    "Assistent für neuen Systemstart...",
    "Assistent für neuen Programmstart...",
    "Tolvane beenden",
    "Über",
    "Startet Anwendungen und Dateien nach vorgegebenen Bedingungen vollautomatisch.",
    "Beim Starten des Systems",
    "Beim Starten eines Programms",
    "Vorraussetzung",
    "Start bei Programm ...",
    "Parameter",
    "Unsichtbar",
    "Vollständiger Dateipfad",
    "Programm hinzufügen...",
    "Programm aus Liste entfernen",
    "Den Eintrag %FILE% wirklich entfernen?",
    "Programm editieren...",
    "Das Beenden von Tolvane führt auch zum Abbruch aller bereitgestellten Funktionen.",
    "Diese Warnung kann übrigens in den Einstellungen dauerhaft abgeschaltet werden.",

    "Systemstart von %FILE% bearbeiten",
    "Programstart von %FILE% bearbeiten",
    "Ein neues Programm kann der Liste hinzugefügt werden, das von nun an bei jedem Systemstart ausgeführt wird.",
    "Ein neues Programm kann der Liste hinzugefügt werden, das von nun an bei jedem Start eines anderen Programmes ausgeführt wird.",
    "Schritt 1: Der Name für den neuen Start wird eingegeben.",
    "Schritt 2: Das gewünschte Programm wird ausgewählt.",
    "Schritt 3: Die Vorraussetzungen zum Start werden festgelegt (Optional)",
    "Schritt 3: Das Programm, das den Start auslöst, wird festgelegt.",
    "Schritt 4: Mögliche Parameter können eingegeben werden (Optional)",
    "Schritt",
    "Name für den Start auswählen:",
    "Automatisch erstellen",
    "Hinweis:",
    "Der Name sollte dem Programm oder der Datei entsprechen, die gestartet werden soll, oder eine leicht zu merkende Abkürzung dafür sein.",
    "Zu startende Anwendung oder Datei auswählen:",
    "Vorraussetzungen für den Start festlegen:",
    "Hinzufügen...",
    "Entfernen",
    "Wert",
    "Die Vorraussetzung darf folgende Zeichen nicht enthalten: { }",
    "Gewünschte Parameter für den Start:",
    "Klicken Sie auf \"Fertig\" um den neuen Systemstart der Liste hinzuzufügen.",
    "Klicken Sie auf \"Übernehmen\" um den Systemstart zu aktualisieren.",
    "Unsichtbar starten",
    "Bitte zwischen einer Anwendung oder einem Prozessnamen wählen",
    "Prozess wählen",
    "Momentan laufende Prozesse:",
    "Anwendungen (*.exe;*.bat)",
    "Alle Dateien (*.*)",
    "Datei auswählen",
    "Verzeichnis auswählen",
    "OK",
    "Abbrechen",
    "Zurück",
    "Weiter",
    "Fertig",
    "Übernehmen",

    "Wartezeit von ...",
    "Verbindung mit Internet",
    "Keine Verbindung mit Internet",
    "Freier Festplattenspeicher kleiner als ...",
    "Freier Festplattenspeicher größer als ...",
    "Freier Arbeitsspeicher kleiner als ...",
    "Freier Arbeitsspeicher größer als ...",
    "Belegter Festplattenspeicher kleiner als ...",
    "Belegter Festplattenspeicher größer als ...",
    "Belegter Arbeitsspeicher kleiner als ...",
    "Belegter Arbeitsspeicher größer als ...",
    "Datei ... existiert",
    "Datei ... existiert nicht",
    "Verzeichnis ... existiert",
    "Verzeichnis ... existiert nicht",
    "Angemeldeter User heisst ...",
    "Prozessorauslastung kleiner als ...",
    "Programm ... läuft",
};

}  // namespace

std::string_view GetText(Text id) { return kTexts[static_cast<std::size_t>(id)]; }

std::string_view KindLabel(int kind) {
    assert(kind >= 0 && kind < kConditionKindCount);
    return kTexts[static_cast<std::size_t>(static_cast<int>(Text::FirstKindLabel) + kind)];
}

std::string WholeNumberRequest(std::uint32_t largest) {
    return "Bitte geben Sie eine ganze Zahl von 0 bis " + std::to_string(largest) + " ein.";
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
