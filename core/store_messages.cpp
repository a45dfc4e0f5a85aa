#include "core/store_messages.h"

namespace tolvane {

namespace {

// Quotes as German text has them: „…“ in Windows-1252.
std::string Quoted(std::string_view text) { return "\x84" + std::string(text) + "\x93"; }

std::string NotSavedLine(std::string_view storePath) {
    return "Die Eintr\xE4ge konnten nicht in " + Quoted(storePath) + " gespeichert werden";
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
               ". Die Datei war beim Start nicht lesbar und lie\xDF sich auch jetzt nicht sichern; damit ihre "
               "Eintr\xE4ge nicht verloren gehen, wird sie nicht \xFC" "berschrieben:\r\n" +
               std::string(reason);
        break;
    case SaveOutcome::WriteFailed:
        text = NotSavedLine(storePath) + ":\r\n" + std::string(reason);
        break;
    }
    if (!text.empty()) {
        text += "\r\n\r\nDie \xC4nderung bleibt in der Liste. Tolvane versucht das Speichern bei der n\xE4" "chsten "
                "\xC4nderung und beim Beenden erneut.";
    }
    if (!result.backupPath.empty()) {
        if (!text.empty()) text += "\r\n\r\n";
        text += Quoted(storePath) +
                " konnte beim Start nicht vollst\xE4ndig gelesen werden. Damit keine Eintr\xE4ge verloren gehen, "
                "wurde die alte Datei vor dem Speichern nach " +
                Quoted(result.backupPath) + " kopiert; dort stehen die bisherigen Eintr\xE4ge.";
    }
    return text;
}

std::string QuitUnsavedText(std::string_view storePath, std::string_view reason) {
    return "Die letzten \xC4nderungen konnten nicht in " + Quoted(storePath) + " gespeichert werden:\r\n" +
           std::string(reason) +
           "\r\n\r\nWenn Tolvane jetzt beendet wird, gehen sie verloren. Trotzdem beenden?";
}

}  // namespace tolvane
