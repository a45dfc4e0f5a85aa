#include "core/history_win.h"

#include <windows.h>

#include "core/store_history.h"
#include "core/store_location_win.h"

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

}  // namespace tolvane
