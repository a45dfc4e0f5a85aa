#include "engine/start_target_win.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include "core/unique_handle_win.h"
#include "core/wide_text_win.h"
#include "engine/system_folder_win.h"

namespace tolvane {

namespace {

// The last error, never 0: a failure without a code still counts as one.
std::uint32_t LastError() {
    const DWORD error = ::GetLastError();
    return error != 0 ? error : ERROR_GEN_FAILURE;
}

std::uint32_t CreateTargetProcess(const std::string& target, const std::string& parameters, bool hidden) {
    std::wstring commandLine = WideOfUtf8(BuildCommandLine(target, parameters));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = hidden ? SW_HIDE : SW_SHOWNORMAL;
    const DWORD flags = NORMAL_PRIORITY_CLASS | (hidden ? DETACHED_PROCESS : 0);
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr, &startup,
                          &info))
        return LastError();
    UniqueKernelHandle process(info.hProcess), thread(info.hThread);
    return 0;
}

std::uint32_t StartWithShell(const std::string& target, const std::string& parameters, bool hidden, bool elevated) {
    const std::wstring file = WideOfUtf8(target), arguments = WideOfUtf8(parameters),
                       folder = WideOfUtf8(WorkingDirectoryOf(target));
    SHELLEXECUTEINFOW execute{};
    execute.cbSize = sizeof execute;
    // No error box: a failed start must not stop the pass. The consent for
    // administrator rights is no error box and must still be asked. The
    // engine's threads run no message loop: the shell finishes before it
    // returns, and gets COM on the thread for the call.
    execute.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | (elevated ? 0 : SEE_MASK_FLAG_NO_UI);
    execute.lpVerb = elevated ? L"runas" : L"open";
    execute.lpFile = file.c_str();
    execute.lpParameters = arguments.empty() ? nullptr : arguments.c_str();
    execute.lpDirectory = folder.empty() ? nullptr : folder.c_str();
    execute.nShow = hidden ? SW_HIDE : SW_SHOWNORMAL;
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    // Cleared, so that a failure without a result code does not report what
    // the try as a program left behind.
    ::SetLastError(0);
    const bool opened = ::ShellExecuteExW(&execute) != FALSE;
    const std::uint32_t error =
        opened ? 0 : ShellStartError(::GetLastError(), reinterpret_cast<std::intptr_t>(execute.hInstApp));
    if (SUCCEEDED(com)) ::CoUninitialize();
    if (!opened) return error;
    UniqueKernelHandle process(execute.hProcess);
    return 0;
}

}  // namespace

LaunchResult StartTargetBy(StartWay way, const std::string& target, const std::string& parameters, bool hidden) {
    switch (way) {
    case StartWay::Process:
        return {CreateTargetProcess(target, parameters, hidden)};
    case StartWay::Shell:
    case StartWay::ElevatedShell:
        return {StartWithShell(target, parameters, hidden, way == StartWay::ElevatedShell)};
    case StartWay::GiveUp:
        break;
    }
    return {ERROR_GEN_FAILURE};
}

LaunchResult StartTarget(const std::string& target, const std::string& parameters, bool hidden) {
    if (!FitsStartPath(target)) return {kErrorPathTooLong};
    const std::string path = PathAsTheUserSeesIt(target);
    const std::uint32_t error = CreateTargetProcess(path, parameters, hidden);
    if (error == 0) return {};
    return StartTargetBy(NextWay(StartWay::Process, error), path, parameters, hidden);
}

}  // namespace tolvane
