#include "engine/captured_run_win.h"

#include <windows.h>

#include "core/unique_handle_win.h"

namespace tolvane {

namespace {

// Takes whatever the pipe holds now without blocking; false once it is broken.
bool DrainPipe(HANDLE pipe, std::string& output) {
    char buffer[4096];
    for (;;) {
        DWORD available = 0;
        if (!::PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr)) return false;
        if (available == 0) return true;
        DWORD read = 0;
        if (!::ReadFile(pipe, buffer, sizeof buffer, &read, nullptr)) return false;
        output.append(buffer, read);
    }
}

}  // namespace

std::optional<CapturedRun> RunAndCapture(const std::string& program, std::string commandLine,
                                         std::uint32_t timeoutMs) {
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE readRaw = nullptr, writeRaw = nullptr;
    if (!::CreatePipe(&readRaw, &writeRaw, &inheritable, 0)) return std::nullopt;
    UniqueKernelHandle readEnd(readRaw), writeEnd(writeRaw);
    ::SetHandleInformation(readEnd.get(), HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = nullptr;
    startup.hStdOutput = writeEnd.get();
    startup.hStdError = writeEnd.get();
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                          nullptr, &startup, &info))
        return std::nullopt;
    UniqueKernelHandle process(info.hProcess), thread(info.hThread);
    writeEnd.reset();  // the pipe breaks once the child's copy closes

    CapturedRun run;
    const DWORD begin = ::GetTickCount();
    // Reading while waiting keeps a chatty child from blocking on a full pipe.
    for (;;) {
        DrainPipe(readEnd.get(), run.output);
        if (::WaitForSingleObject(process.get(), 10) == WAIT_OBJECT_0) {
            run.finished = true;
            break;
        }
        if (::GetTickCount() - begin >= timeoutMs) {
            ::TerminateProcess(process.get(), 1);
            ::WaitForSingleObject(process.get(), 1000);
            break;
        }
    }
    DrainPipe(readEnd.get(), run.output);
    return run;
}

}  // namespace tolvane
