#include "core/store_leftovers_win.h"

#include <windows.h>

#include <vector>

#include "core/temporary_names.h"
#include "core/unique_handle_win.h"
#include "core/wide_text_win.h"

namespace tolvane {

namespace {

// Only a process id that names no process at all counts as ended; one we
// may not open is someone's running process, and its file is left alone.
bool ProcessHasEnded(DWORD id) {
    UniqueKernelHandle process(::OpenProcess(SYNCHRONIZE, FALSE, id));
    if (!process) return ::GetLastError() == ERROR_INVALID_PARAMETER;
    return ::WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0;
}

}  // namespace

int RemoveSaveLeftovers(const std::string& storePath) {
    const std::size_t slash = storePath.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? std::string() : storePath.substr(0, slash + 1);
    const std::string storeName = storePath.substr(folder.size());

    std::vector<std::string> leftovers;
    WIN32_FIND_DATAW found{};
    HANDLE search = ::FindFirstFileW(WideOfUtf8(storePath + ".*.tmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        const std::string name = Utf8OfWide(found.cFileName);
        const auto writer = TemporaryFileWriter(name, storeName);
        // Our own id may be a dead earlier run's: nothing of ours is being written yet.
        if (writer && (*writer == ::GetCurrentProcessId() || ProcessHasEnded(*writer)))
            leftovers.push_back(folder + name);
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);

    int removed = 0;
    for (const std::string& path : leftovers) removed += ::DeleteFileW(WideOfUtf8(path).c_str()) ? 1 : 0;
    return removed;
}

}  // namespace tolvane
