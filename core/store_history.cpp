#include "core/store_history.h"

namespace tolvane {

namespace {

std::string Quoted(std::string_view text) { return "„" + std::string(text) + "“"; }

std::string Counted(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string Entries(std::size_t systemEntries, std::size_t programEntries) {
    return Counted(systemEntries, "Systemstart", "Systemstarts") + ", " +
           Counted(programEntries, "Programmstart", "Programmstarts");
}

}  // namespace

std::string RunStartedText(bool systemStartMode, std::size_t systemEntries, std::size_t programEntries) {
    return std::string("Tolvane gestartet ") + (systemStartMode ? "mit „-h“ (Anmeldung)" : "ohne „-h“") + ", " +
           Counted(systemEntries + programEntries, "Eintrag", "Einträge") + " (" +
           Entries(systemEntries, programEntries) + ")";
}

std::string StoreLoadedText(LoadResult result, std::string_view storePath, std::size_t systemEntries,
                            std::size_t programEntries, std::string_view backupPath) {
    switch (result) {
    case LoadResult::NoFile:
        return Quoted(storePath) + " gibt es noch nicht; die Listen sind leer";
    case LoadResult::Loaded:
        return "Einträge aus " + Quoted(storePath) + " geladen: " + Entries(systemEntries, programEntries);
    case LoadResult::LoadedDamaged:
        return Quoted(storePath) + " ist beschädigt" +
               (backupPath.empty() ? std::string(" und ließ sich nicht sichern")
                                   : " und wurde nach " + Quoted(backupPath) + " kopiert") +
               "; geladen, was vollständig lesbar war, ohne davon etwas zu starten: " +
               Entries(systemEntries, programEntries);
    case LoadResult::Unreadable:
        break;
    }
    return Quoted(storePath) + " konnte nicht gelesen werden; Tolvane versucht es in der ersten Minute erneut";
}

std::vector<std::string> StoreSavedTexts(const SaveResult& result, std::string_view storePath,
                                         std::string_view reason) {
    std::vector<std::string> texts;
    if (!result.backupPath.empty())
        texts.push_back("Alte Datei " + Quoted(storePath) + " vor dem Speichern nach " + Quoted(result.backupPath) +
                        " kopiert");
    switch (result.outcome) {
    case SaveOutcome::Saved:
        texts.push_back("Einträge in " + Quoted(storePath) + " gespeichert");
        break;
    case SaveOutcome::KeepAsideFailed:
        texts.push_back("Einträge nicht gespeichert: " + Quoted(storePath) +
                        " war beim Start nicht lesbar und ließ sich nicht sichern: " + std::string(reason));
        break;
    case SaveOutcome::WriteFailed:
        texts.push_back("Einträge nicht in " + Quoted(storePath) + " gespeichert: " + std::string(reason));
        break;
    }
    return texts;
}

std::string HistoryNotOpenedText(std::string_view historyPath, std::string_view reason) {
    return "Der Startverlauf " + Quoted(historyPath) +
           " konnte nicht geöffnet werden:\r\n" + std::string(reason) +
           "\r\n\r\nEr ist eine Textdatei und lässt sich mit jedem Editor öffnen.";
}

}  // namespace tolvane
