// Whether Tolvane starts at logon is the user's choice ("Beim Anmelden
// starten"), kept per user in the registry so that it outlives updates of
// the program. Unset means yes, as before there was a choice.
#pragma once

#include <windows.h>

namespace tolvane {

// Where the choice lives; tests use a key of their own.
struct AutostartSetting {
    HKEY root = HKEY_CURRENT_USER;
    const wchar_t* key = L"Software\\Tolvane";
};

bool AutostartChosen(const AutostartSetting& setting = {});
// False when the choice could not be written.
bool ChooseAutostart(bool on, const AutostartSetting& setting = {});

}  // namespace tolvane
