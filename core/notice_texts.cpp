#include "core/notice_texts.h"

namespace tolvane {

std::string ShortcutFailedText(std::string_view reason) {
    return "Tolvane konnte seine Verknüpfung „Tolvane.lnk“ in keinem Autostart-Ordner anlegen:\r\n" +
           std::string(reason) + "\r\n\r\nTolvane wird bei der nächsten Anmeldung nicht von selbst gestartet.";
}

std::string ShortcutNotRemovedText(std::string_view linkPath) {
    return "Tolvane konnte seine Verknüpfung „" + std::string(linkPath) +
           "“ nicht entfernen.\r\n\r\nTolvane wird bei der nächsten Anmeldung weiterhin von selbst gestartet.";
}

std::string ShortcutFailedHistoryText(std::string_view reason) {
    return "Verknüpfung „Tolvane.lnk“ nicht angelegt, Tolvane startet nicht bei der Anmeldung: " +
           std::string(reason);
}

}  // namespace tolvane
