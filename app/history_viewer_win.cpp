#include "app/history_viewer_win.h"

#include <windows.h>
#include <shellapi.h>

#include "core/notice_texts.h"
#include "core/system_reason_win.h"
#include "core/unique_handle_win.h"
#include "core/wide_text_win.h"

namespace tolvane {

void ShowHistory(const std::string& historyPath, Notifier& notify) {
    if (historyPath.empty()) return;
    const std::wstring path = WideOfUtf8(historyPath);
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    // The shell would open a folder in Explorer, as if it were the history.
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        notify.historyNotOpened(historyPath, kHistoryIsAFolder);
        return;
    }
    // OPEN_ALWAYS leaves an existing history as it is.
    UniqueFileHandle(::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    SHELLEXECUTEINFOW execute{};
    execute.cbSize = sizeof execute;
    // Tolvane's own message instead of the shell's, naming the file.
    execute.fMask = SEE_MASK_FLAG_NO_UI;
    execute.lpVerb = L"open";
    execute.lpFile = path.c_str();
    execute.nShow = SW_SHOWNORMAL;
    ::SetLastError(0);
    if (::ShellExecuteExW(&execute)) return;
    const DWORD error = ::GetLastError();
    // Without a program for the file the shell says so only in hInstApp.
    const bool noAssociation =
        reinterpret_cast<INT_PTR>(execute.hInstApp) == SE_ERR_NOASSOC || error == ERROR_NO_ASSOCIATION;
    notify.historyNotOpened(historyPath, noAssociation ? std::string(kNoProgramForHistory)
                                                       : SystemErrorReason(error != 0 ? error : ERROR_GEN_FAILURE));
}

}  // namespace tolvane
