#include "engine/process_list_win.h"

#include <windows.h>
#include <psapi.h>

#include "core/path_text.h"
#include "core/unique_handle_win.h"
#include "core/wide_text_win.h"
#include "engine/process_source_win.h"

namespace tolvane {

std::string ProcessNameOfId(unsigned long processId) {
    if (processId == 0) return "IDLE";
    // The path is readable for 64-bit processes too; the module functions
    // fail on them from this 32-bit program.
    const std::string path = ProcessPathOfId(processId);
    if (!path.empty()) return std::string(FilePart(path));
    const UniqueKernelHandle process(
        ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
    if (!process) return {};
    HMODULE first = nullptr;  // left empty, the main module is meant
    DWORD needed = 0;
    ::EnumProcessModules(process.get(), &first, sizeof first, &needed);
    wchar_t name[256] = {};
    const DWORD length = ::GetModuleBaseNameW(process.get(), first, name, 255);
    const std::string result = Utf8OfWide(std::wstring_view(name, length));
    return result == "?" ? "System" : result;
}

std::vector<std::string> RunningProcessNames() {
    // Grown until the list fits: every process is listed, however many run.
    std::vector<DWORD> ids(1024);
    DWORD bytes = 0;
    for (;;) {
        if (!::EnumProcesses(ids.data(), static_cast<DWORD>(ids.size() * sizeof(DWORD)), &bytes)) return {};
        if (bytes < ids.size() * sizeof(DWORD)) break;
        ids.resize(ids.size() * 2);
    }
    std::vector<std::string> names;
    names.reserve(bytes / sizeof(DWORD));
    for (DWORD i = 0; i < bytes / sizeof(DWORD); ++i) names.push_back(ProcessNameOfId(ids[i]));
    return names;
}

}  // namespace tolvane
