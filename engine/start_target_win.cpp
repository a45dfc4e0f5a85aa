#include "engine/start_target_win.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include "core/unique_handle_win.h"
#include "engine/system_folder_win.h"

namespace tolvane {

namespace {

// The last error, never 0: a failure without a code still counts as one.
std::uint32_t LastError() {
    const DWORD error = ::GetLastError();
    return error != 0 ? error : ERROR_GEN_FAILURE;
}

bool CreateTargetProcess(const std::string& target, const std::string& parameters, bool hidden) {
    std::string commandLine = BuildCommandLine(target, parameters);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = hidden ? SW_HIDE : SW_SHOWNORMAL;
    const DWORD flags = NORMAL_PRIORITY_CLASS | (hidden ? DETACHED_PROCESS : 0);
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr, &startup,
                          &info))
        return false;
    UniqueKernelHandle process(info.hProcess), thread(info.hThread);
    return true;
}

LaunchResult OpenWithShell(const std::string& target, const std::string& parameters, bool hidden) {
    const std::string folder = WorkingDirectoryOf(target);
    SHELLEXECUTEINFOA execute{};
    execute.cbSize = sizeof execute;
    // No error box: a failed start is silent and must not stop the pass.
    // The engine's threads run no message loop: the shell finishes before it
    // returns, and gets COM on the thread for the call.
    execute.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC;
    execute.lpVerb = "open";
    execute.lpFile = target.c_str();
    execute.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    execute.lpDirectory = folder.empty() ? nullptr : folder.c_str();
    execute.nShow = hidden ? SW_HIDE : SW_SHOWNORMAL;
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const bool opened = ::ShellExecuteExA(&execute) != FALSE;
    const std::uint32_t error = opened ? 0 : LastError();
    if (SUCCEEDED(com)) ::CoUninitialize();
    if (!opened) return {error};
    UniqueKernelHandle process(execute.hProcess);
    return {};
}

}  // namespace

LaunchResult StartTarget(const std::string& target, const std::string& parameters, bool hidden) {
    const std::string path = PathAsTheUserSeesIt(target);
    if (CreateTargetProcess(path, parameters, hidden)) return {};
    return OpenWithShell(path, parameters, hidden);
}

}  // namespace tolvane
