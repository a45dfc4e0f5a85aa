#include "core/history_win.h"

#include <windows.h>
#include <shellapi.h>

#include "core/message_box_win.h"
#include "core/store_history.h"
#include "core/store_location_win.h"
#include "core/system_reason_win.h"
#include "core/texts.h"
#include "core/unique_handle_win.h"
#include "core/wide_text_win.h"

namespace tolvane {

std::string HistoryFilePath() {
    const std::string store = StoreFilePath();
    return store.empty() ? std::string() : HistoryPathBeside(store);
}

LocalTime LocalTimeNow() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

void ShowHistory(const std::string& historyPath) {
    if (historyPath.empty()) return;
    const std::wstring path = WideOfUtf8(historyPath);
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
    if (::ShellExecuteExW(&execute)) return;
    const std::string reason = SystemErrorReason(::GetLastError());
    ProgramMessageBoxUtf8(HistoryNotOpenedText(historyPath, reason), std::string(fixed_text::kAppName),
                          MB_OK | MB_ICONERROR);
}

}  // namespace tolvane
