#include "engine/captured_run_win.h"

#include <windows.h>

#include <algorithm>

#include "core/unique_handle_win.h"
#include "core/wide_text_win.h"

namespace tolvane {

namespace {

enum class Drain { Empty, Broken, Full };

// Takes whatever the pipe holds now without blocking, up to `maxOutput`
// bytes in all; Full as soon as a byte beyond that waits in the pipe.
Drain DrainPipe(HANDLE pipe, std::string& output, std::size_t maxOutput) {
    char buffer[4096];
    for (;;) {
        DWORD available = 0;
        if (!::PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr)) return Drain::Broken;
        if (available == 0) return Drain::Empty;
        if (output.size() >= maxOutput) return Drain::Full;
        const std::size_t room = maxOutput - output.size();
        const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>({sizeof buffer, available, room}));
        DWORD read = 0;
        if (!::ReadFile(pipe, buffer, wanted, &read, nullptr)) return Drain::Broken;
        output.append(buffer, read);
    }
}

}  // namespace

std::optional<CapturedRun> RunAndCapture(const std::string& program, std::string commandLine,
                                         std::uint32_t timeoutMs, std::size_t maxOutput,
                                         const std::atomic<bool>* cancelled) {
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE readRaw = nullptr, writeRaw = nullptr;
    if (!::CreatePipe(&readRaw, &writeRaw, &inheritable, 0)) return std::nullopt;
    UniqueKernelHandle readEnd(readRaw), writeEnd(writeRaw);
    ::SetHandleInformation(readEnd.get(), HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = nullptr;
    startup.hStdOutput = writeEnd.get();
    startup.hStdError = writeEnd.get();
    PROCESS_INFORMATION info{};
    const std::wstring programPath = WideOfUtf8(program);
    std::wstring wideLine = WideOfUtf8(commandLine);
    // Detached: a console program needs no console to write into a pipe, and
    // none is made for it (no console host process for each run, none left
    // behind when it is ended).
    if (!::CreateProcessW(programPath.c_str(), wideLine.data(), nullptr, nullptr, TRUE, DETACHED_PROCESS, nullptr,
                          nullptr, &startup, &info))
        return std::nullopt;
    UniqueKernelHandle process(info.hProcess), thread(info.hThread);
    writeEnd.reset();  // the pipe breaks once the child's copy closes

    CapturedRun run;
    const DWORD begin = ::GetTickCount();
    // Reading while waiting keeps a chatty child from blocking on a full pipe;
    // each drain is bounded, so the time bound is checked however fast it writes.
    for (;;) {
        if (DrainPipe(readEnd.get(), run.output, maxOutput) == Drain::Full) {
            run.outputCut = true;
            break;
        }
        if (::WaitForSingleObject(process.get(), 10) == WAIT_OBJECT_0) {
            run.finished = true;
            break;
        }
        if (::GetTickCount() - begin >= timeoutMs || (cancelled && *cancelled)) break;
    }
    if (run.finished) {
        DWORD code = 1;
        if (::GetExitCodeProcess(process.get(), &code)) run.exitCode = code;
        // What it wrote just before ending is still in the pipe.
        if (DrainPipe(readEnd.get(), run.output, maxOutput) == Drain::Full) run.outputCut = true;
    } else {
        ::TerminateProcess(process.get(), 1);
        ::WaitForSingleObject(process.get(), 1000);
    }
    return run;
}

}  // namespace tolvane
