#include "core/store_messages.h"

namespace tolvane {

namespace {

// Quotes as German text has them.
std::string Quoted(std::string_view text) { return "„" + std::string(text) + "“"; }

std::string NotSavedLine(std::string_view storePath) {
    return "Die Einträge konnten nicht in " + Quoted(storePath) + " gespeichert werden";
}

}  // namespace

std::string SystemReason(std::string_view systemText, std::uint32_t code) {
    while (!systemText.empty() && (systemText.back() == '\r' || systemText.back() == '\n' ||
                                   systemText.back() == ' ' || systemText.back() == '.'))
        systemText.remove_suffix(1);
    const std::string number = "Fehler " + std::to_string(code);
    return systemText.empty() ? number : std::string(systemText) + " (" + number + ")";
}

std::string SaveReportText(const SaveResult& result, std::string_view storePath, std::string_view reason) {
    std::string text;
    switch (result.outcome) {
    case SaveOutcome::Saved:
        break;
    case SaveOutcome::KeepAsideFailed:
        text = NotSavedLine(storePath) +
               ". Die Datei war beim Start nicht lesbar und ließ sich auch jetzt nicht sichern; damit ihre "
               "Einträge nicht verloren gehen, wird sie nicht überschrieben:\r\n" +
               std::string(reason);
        break;
    case SaveOutcome::WriteFailed:
        text = NotSavedLine(storePath) + ":\r\n" + std::string(reason);
        break;
    }
    if (!text.empty()) {
        text += "\r\n\r\nDie Änderung bleibt in der Liste. Tolvane versucht das Speichern bei der nächsten "
                "Änderung und beim Beenden erneut.";
    }
    if (!result.backupPath.empty()) {
        if (!text.empty()) text += "\r\n\r\n";
        text += Quoted(storePath) +
                " konnte beim Start nicht vollständig gelesen werden. Damit keine Einträge verloren gehen, "
                "wurde die alte Datei vor dem Speichern nach " +
                Quoted(result.backupPath) + " kopiert; dort stehen die bisherigen Einträge.";
    }
    return text;
}

std::string DamagedStoreText(std::string_view storePath, std::string_view backupPath, bool systemStartMode) {
    std::string text = Quoted(storePath) + " ist beschädigt: Die Datei ist nicht so, wie Tolvane sie schreibt. ";
    text += backupPath.empty()
                ? "Sie ließ sich nicht sichern; damit ihre Einträge nicht verloren gehen, wird sie erst "
                  "überschrieben, wenn eine Kopie gelungen ist."
                : "Damit keine Einträge verloren gehen, wurde sie nach " + Quoted(backupPath) + " kopiert.";
    text += "\r\n\r\nGeladen wurden nur die Einträge, die vollständig lesbar waren. Bitte prüfen Sie die Listen.";
    if (systemStartMode) text += " Bei dieser Anmeldung wird keiner dieser Systemstarts gestartet.";
    return text;
}

std::string QuitUnsavedText(std::string_view storePath, std::string_view reason) {
    return "Die letzten Änderungen konnten nicht in " + Quoted(storePath) + " gespeichert werden:\r\n" +
           std::string(reason) +
           "\r\n\r\nWenn Tolvane jetzt beendet wird, gehen sie verloren. Trotzdem beenden?";
}

}  // namespace tolvane
