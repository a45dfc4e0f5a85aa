#include "helper_processes_win.h"

#include <fstream>
#include <sstream>

#include "core/wide_text_win.h"

namespace tolvane::testing {

namespace {

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAW found{};
    HANDLE search = ::FindFirstFileW(WideOfUtf8(folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = Utf8OfWide(found.cFileName);
            if (name == "." || name == "..") continue;
            const std::string path = folder + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                ::DeleteFileW(WideOfUtf8(path).c_str());
            }
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
    }
    ::RemoveDirectoryW(WideOfUtf8(folder).c_str());
}

}  // namespace

std::string TestProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::string folder = Utf8OfWide(path);
    return folder.substr(0, folder.rfind('\\'));
}

ScratchFolder::ScratchFolder(const std::string& name) {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    path_ = Utf8OfWide(temp) + name + "-" + std::to_string(::GetCurrentProcessId());
    RemoveTree(path_);
    ::CreateDirectoryW(WideOfUtf8(path_).c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() { RemoveTree(path_); }

std::string ScratchFolder::subfolder(const std::string& relative) const {
    std::string path = path_;
    std::stringstream parts(relative);
    for (std::string part; std::getline(parts, part, '\\');) {
        path += "\\" + part;
        ::CreateDirectoryW(WideOfUtf8(path).c_str(), nullptr);
    }
    return path;
}

bool CopyMarkerHelper(const std::string& path) {
    const std::wstring helper = WideOfUtf8(TestProgramFolder() + "\\tolvane_marker_helper.exe");
    return ::CopyFileW(helper.c_str(), WideOfUtf8(path).c_str(), FALSE) != 0;
}

UniqueKernelHandle Spawn(const std::string& program, const std::string& arguments) {
    std::wstring commandLine = WideOfUtf8("\"" + program + "\" " + arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(WideOfUtf8(program).c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &info))
        return {};
    ::CloseHandle(info.hThread);
    return UniqueKernelHandle(info.hProcess);
}

void EndProcess(UniqueKernelHandle& process) {
    if (!process) return;
    ::TerminateProcess(process.get(), 0);
    ::WaitForSingleObject(process.get(), 5000);
    process.reset();
}

void UseMarkerFile(const std::string& file) {
    ::DeleteFileW(WideOfUtf8(file).c_str());
    ::SetEnvironmentVariableW(L"TOLVANE_MARKER_FILE", WideOfUtf8(file).c_str());
}

std::vector<MarkerLine> ReadMarkers(const std::string& file) {
    std::vector<MarkerLine> lines;
    std::ifstream in(file, std::ios::binary);
    for (std::string text; std::getline(in, text);) {
        if (!text.empty() && text.back() == '\r') text.pop_back();
        std::stringstream fields(text);
        MarkerLine line;
        std::string pid, created;
        std::getline(fields, pid, '|');
        std::getline(fields, created, '|');
        std::getline(fields, line.module, '|');
        std::getline(fields, line.folder, '|');
        std::getline(fields, line.commandLine);
        line.pid = std::stoul(pid);
        line.createTime = std::stoull(created);
        lines.push_back(line);
    }
    return lines;
}

std::vector<MarkerLine> WaitForMarkers(const std::string& file, std::size_t count, DWORD timeoutMs) {
    const DWORD begin = ::GetTickCount();
    for (;;) {
        std::vector<MarkerLine> lines = ReadMarkers(file);
        if (lines.size() >= count || ::GetTickCount() - begin >= timeoutMs) return lines;
        ::Sleep(50);
    }
}

}  // namespace tolvane::testing
