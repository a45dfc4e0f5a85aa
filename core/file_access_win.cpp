// Win32 file access; the UTF-8 paths are handed to the system as UTF-16.
#include <windows.h>

#include <algorithm>

#include "core/file_access.h"
#include "core/temporary_names.h"
#include "core/unique_handle_win.h"
#include "core/wide_text_win.h"

namespace tolvane {

namespace {

// The last error, never 0: a failure without a code still counts as one.
FileStatus LastError(DWORD fallback = ERROR_GEN_FAILURE) {
    const DWORD error = ::GetLastError();
    return {error != 0 ? error : fallback};
}

FileStatus WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
        ::SetLastError(0);
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr)) return LastError(ERROR_WRITE_FAULT);
        // Nothing written without an error: the disk has no room left.
        if (written == 0) return {ERROR_DISK_FULL};
        bytes.remove_prefix(written);
    }
    return {};
}

class WinFiles final : public FileAccess {
public:
    FileRead read(const std::string& path) override {
        UniqueFileHandle file(::CreateFileW(WideOfUtf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) {
            const DWORD error = ::GetLastError();
            const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
            return {missing ? FileState::Missing : FileState::Unreadable, {}, error};
        }
        FileRead result{FileState::Read, {}};
        char buffer[65536];
        for (;;) {
            DWORD got = 0;
            if (!::ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr))
                return {FileState::Unreadable, {}, LastError().error};
            if (got == 0) break;
            result.bytes.append(buffer, got);
        }
        return result;
    }

    FileStatus replaceAtomically(const std::string& path, std::string_view bytes) override {
        // Windows refuses to replace a read-only file, Wine does not: refuse
        // it here alike, as whoever made it read-only meant.
        const DWORD attributes = ::GetFileAttributesW(WideOfUtf8(path).c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
            return {ERROR_ACCESS_DENIED};
        const std::string temp = TemporaryNameBeside(path, ::GetCurrentProcessId());
        FileStatus status;
        {
            UniqueFileHandle file(::CreateFileW(WideOfUtf8(temp).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                FILE_ATTRIBUTE_NORMAL, nullptr));
            if (!file) return LastError();
            status = WriteAll(file.get(), bytes);
            if (status.ok() && !::FlushFileBuffers(file.get())) status = LastError(ERROR_WRITE_FAULT);
        }
        if (status.ok() &&
            !::MoveFileExW(WideOfUtf8(temp).c_str(), WideOfUtf8(path).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            status = LastError();
        if (!status.ok()) ::DeleteFileW(WideOfUtf8(temp).c_str());
        return status;
    }

    FileStatus copyNew(const std::string& from, const std::string& to) override {
        // Copied under a temporary name first: a kill during the copy must
        // not leave a truncated file under the backup's name.
        const std::string temp = TemporaryNameBeside(to, ::GetCurrentProcessId());
        if (!::CopyFileW(WideOfUtf8(from).c_str(), WideOfUtf8(temp).c_str(), FALSE)) {
            const FileStatus status = LastError();
            ::DeleteFileW(WideOfUtf8(temp).c_str());
            return status;
        }
        // Without MOVEFILE_REPLACE_EXISTING an existing backup is never replaced.
        if (!::MoveFileExW(WideOfUtf8(temp).c_str(), WideOfUtf8(to).c_str(), MOVEFILE_WRITE_THROUGH)) {
            const FileStatus status = LastError();
            ::DeleteFileW(WideOfUtf8(temp).c_str());
            return status;
        }
        return {};
    }

    bool exists(const std::string& path) override {
        return ::GetFileAttributesW(WideOfUtf8(path).c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    FileStatus append(const std::string& path, std::string_view bytes) override {
        // Shared for reading and writing: an editor showing the file does not
        // stop the next line.
        UniqueFileHandle file(::CreateFileW(WideOfUtf8(path).c_str(), FILE_APPEND_DATA,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return LastError();
        return WriteAll(file.get(), bytes);
    }

    std::optional<std::uint64_t> size(const std::string& path) override {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (!::GetFileAttributesExW(WideOfUtf8(path).c_str(), GetFileExInfoStandard, &data) ||
            (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            return std::nullopt;
        return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    }

    FileStatus moveReplacing(const std::string& from, const std::string& to) override {
        if (!::MoveFileExW(WideOfUtf8(from).c_str(), WideOfUtf8(to).c_str(), MOVEFILE_REPLACE_EXISTING))
            return LastError();
        return {};
    }
};

}  // namespace

FileAccess& HostFiles() {
    static WinFiles files;
    return files;
}

}  // namespace tolvane
