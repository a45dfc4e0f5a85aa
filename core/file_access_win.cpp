// Win32 file access with ANSI paths.
#include <windows.h>

#include <algorithm>

#include "core/file_access.h"
#include "core/unique_handle_win.h"

namespace tolvane {

namespace {

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

class WinFiles final : public FileAccess {
public:
    FileRead read(const std::string& path) override {
        UniqueFileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) {
            const DWORD error = ::GetLastError();
            const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
            return {missing ? FileState::Missing : FileState::Unreadable, {}};
        }
        FileRead result{FileState::Read, {}};
        char buffer[65536];
        for (;;) {
            DWORD got = 0;
            if (!::ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) return {FileState::Unreadable, {}};
            if (got == 0) break;
            result.bytes.append(buffer, got);
        }
        return result;
    }

    bool replaceAtomically(const std::string& path, std::string_view bytes) override {
        // A name of our own per process: two running copies must not share it.
        const std::string temp = path + "." + std::to_string(::GetCurrentProcessId()) + ".tmp";
        bool written = false;
        {
            UniqueFileHandle file(::CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                FILE_ATTRIBUTE_NORMAL, nullptr));
            if (!file) return false;
            written = WriteAll(file.get(), bytes) && ::FlushFileBuffers(file.get());
        }
        if (written &&
            ::MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        ::DeleteFileA(temp.c_str());
        return false;
    }

    bool copyNew(const std::string& from, const std::string& to) override {
        return ::CopyFileA(from.c_str(), to.c_str(), TRUE) != 0;
    }

    bool exists(const std::string& path) override {
        return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
};

}  // namespace

FileAccess& HostFiles() {
    static WinFiles files;
    return files;
}

}  // namespace tolvane
