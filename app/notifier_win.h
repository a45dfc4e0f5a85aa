// The one path from a failure to the user. Each kind of failure decides here
// whether it becomes a message box, a balloon or only a history line; the
// rest of the program only says what went wrong.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "core/entry_store.h"
#include "engine/start_history.h"
#include "ui/message_box_win.h"

namespace tolvane {

struct Notifier {
    // The three ways to the user; tests replace the first two.
    AskUser ask;  // a message box (UTF-8); the program's own when empty
    std::function<bool(const std::string& title, const std::string& text)> balloon;
    std::function<void(const std::string& line)> record;  // a history line, written at once
    // At logon nobody may be at the screen: what is not a question waits as a balloon.
    bool logonRun = false;

    // A save and what became of it; the lines are already in the history.
    void saveReported(const SaveResult& result, const std::string& storePath, const std::string& reason);
    // After a failed save at quit: true when the user quits all the same.
    bool quitUnsaved(const std::string& storePath, const std::string& reason);
    // Starts that failed together; their lines are already in the history.
    void startsFailed(const FailureNotice& notice);
    // The autostart shortcut could not be written.
    void shortcutFailed(const std::string& reason);
    // "Beim Anmelden starten" was switched, but not all of it took effect.
    void shortcutNotRemoved(const std::string& linkPath);
    void autostartChoiceNotSaved();
    // The store did not read as Tolvane writes it and was kept aside; the
    // history line is already written.
    void storeDamaged(const std::string& storePath, const std::string& backupPath);
    // The history could not be opened for the user.
    void historyNotOpened(const std::string& historyPath, const std::string& reason);

private:
    int box(const std::string& text, UINT flags);
};

}  // namespace tolvane
