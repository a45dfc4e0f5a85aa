// "Beim Anmelden starten" carried out: the choice kept and the shortcut in
// the startup folder written or removed to match it.
#pragma once

#include <string>

#include "app/notifier_win.h"
#include "ui/autostart_choice_win.h"
#include "ui/autostart_shortcut_win.h"

namespace tolvane {

struct AutostartPlaces {
    StartupFolders folders;
    AutostartSetting setting;
    std::string programPath;  // empty when unknown
};

// At start: the shortcut is written again only while the user wants it, so
// that a moved program is still found. Returns the choice.
bool KeepAutostart(const AutostartPlaces& places, Notifier& notify);
// The user switched the item: keeps the new choice and writes or removes the
// shortcut at once. Each failure is told.
void SwitchAutostart(bool on, const AutostartPlaces& places, Notifier& notify);

}  // namespace tolvane
