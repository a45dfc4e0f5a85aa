#include "app/autostart_switch_win.h"

#include "core/notice_texts.h"

namespace tolvane {

namespace {

void WriteShortcut(const AutostartPlaces& places, Notifier& notify) {
    if (places.programPath.empty()) {
        notify.shortcutFailed(kProgramPathUnknown);
    } else if (WriteAutostartShortcut(places.folders, places.programPath).empty()) {
        notify.shortcutFailed(kNoStartupFolder);
    }
}

}  // namespace

bool KeepAutostart(const AutostartPlaces& places, Notifier& notify) {
    const bool on = AutostartChosen(places.setting);
    if (on) WriteShortcut(places, notify);
    return on;
}

void SwitchAutostart(bool on, const AutostartPlaces& places, Notifier& notify) {
    if (!ChooseAutostart(on, places.setting)) notify.autostartChoiceNotSaved();
    if (on) {
        WriteShortcut(places, notify);
    } else if (const std::string left = RemoveAutostartShortcut(places.folders); !left.empty()) {
        notify.shortcutNotRemoved(left);
    }
}

}  // namespace tolvane
