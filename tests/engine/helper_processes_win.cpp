#include "helper_processes_win.h"

#include <fstream>
#include <sstream>

namespace tolvane::testing {

namespace {

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA found{};
    HANDLE search = ::FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            const std::string path = folder + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                ::DeleteFileA(path.c_str());
            }
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }
    ::RemoveDirectoryA(folder.c_str());
}

}  // namespace

std::string TestProgramFolder() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.rfind('\\'));
}

ScratchFolder::ScratchFolder(const std::string& name) {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + name + "-" + std::to_string(::GetCurrentProcessId());
    RemoveTree(path_);
    ::CreateDirectoryA(path_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() { RemoveTree(path_); }

std::string ScratchFolder::subfolder(const std::string& relative) const {
    std::string path = path_;
    std::stringstream parts(relative);
    for (std::string part; std::getline(parts, part, '\\');) {
        path += "\\" + part;
        ::CreateDirectoryA(path.c_str(), nullptr);
    }
    return path;
}

bool CopyMarkerHelper(const std::string& path) {
    return ::CopyFileA((TestProgramFolder() + "\\tolvane_marker_helper.exe").c_str(), path.c_str(), FALSE) != 0;
}

UniqueKernelHandle Spawn(const std::string& program, const std::string& arguments) {
    std::string commandLine = "\"" + program + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
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
    ::DeleteFileA(file.c_str());
    ::SetEnvironmentVariableA("TOLVANE_MARKER_FILE", file.c_str());
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
