#include "app/notifier_win.h"

#include "core/notice_texts.h"
#include "core/store_history.h"
#include "core/store_messages.h"
#include "core/texts.h"

namespace tolvane {

int Notifier::box(const std::string& text, UINT flags) {
    const std::string title(fixed_text::kAppName);
    return ask ? ask(text, title, flags) : ProgramMessageBox(text, title, flags);
}

void Notifier::saveReported(const SaveResult& result, const std::string& storePath, const std::string& reason) {
    const std::string text = SaveReportText(result, storePath, reason);
    // A save the user must know of: a box even at logon, since the change
    // that was not saved is in front of the user.
    if (!text.empty()) box(text, MB_OK | (result.saved() ? MB_ICONINFORMATION : MB_ICONERROR));
}

bool Notifier::quitUnsaved(const std::string& storePath, const std::string& reason) {
    return box(QuitUnsavedText(storePath, reason), MB_OKCANCEL | MB_ICONERROR | MB_DEFBUTTON2) == IDOK;
}

void Notifier::startsFailed(const FailureNotice& notice) {
    if (balloon) balloon(notice.title, notice.text);
}

void Notifier::shortcutFailed(const std::string& reason) {
    if (record) record(ShortcutFailedHistoryText(reason));
    // At logon Tolvane did start; the user learns it from the history.
    if (!logonRun) box(ShortcutFailedText(reason), MB_OK | MB_ICONWARNING);
}

void Notifier::shortcutNotRemoved(const std::string& linkPath) {
    box(ShortcutNotRemovedText(linkPath), MB_OK | MB_ICONWARNING);
}

void Notifier::autostartChoiceNotSaved() { box(kAutostartChoiceNotSaved, MB_OK | MB_ICONWARNING); }

void Notifier::storeDamaged(const std::string& storePath, const std::string& backupPath) {
    const std::string text = DamagedStoreText(storePath, backupPath, logonRun);
    // At logon a box would wait unseen; the balloon tells it when the user comes.
    if (logonRun && balloon && balloon(std::string(fixed_text::kAppName), text)) return;
    box(text, MB_OK | MB_ICONWARNING);
}

void Notifier::historyNotOpened(const std::string& historyPath, const std::string& reason) {
    box(HistoryNotOpenedText(historyPath, reason), MB_OK | MB_ICONERROR);
}

}  // namespace tolvane
