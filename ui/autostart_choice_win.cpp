#include "ui/autostart_choice_win.h"

#include "core/unique_handle_win.h"

namespace tolvane {

namespace {

constexpr wchar_t kValue[] = L"StartAtLogon";

}  // namespace

bool AutostartChosen(const AutostartSetting& setting) {
    DWORD on = 1, size = sizeof on;
    const LSTATUS read =
        ::RegGetValueW(setting.root, setting.key, kValue, RRF_RT_REG_DWORD, nullptr, &on, &size);
    return read != ERROR_SUCCESS || on != 0;
}

bool ChooseAutostart(bool on, const AutostartSetting& setting) {
    HKEY raw = nullptr;
    if (::RegCreateKeyExW(setting.root, setting.key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &raw, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const UniqueRegistryKey key(raw);
    const DWORD value = on ? 1 : 0;
    return ::RegSetValueExW(key.get(), kValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value) ==
           ERROR_SUCCESS;
}

}  // namespace tolvane
