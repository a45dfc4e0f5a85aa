// Native file access for tests and the store tool on Linux.
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/file_access.h"
#include "core/temporary_names.h"

namespace tolvane {

namespace {

FileStatus LastError() { return {errno != 0 ? static_cast<std::uint32_t>(errno) : static_cast<std::uint32_t>(EIO)}; }

FileStatus WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return LastError();
        }
        if (written == 0) return {ENOSPC};
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

// Writes a new file and closes it; the file is removed again on failure.
FileStatus WriteNewFile(const std::string& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0) return LastError();
    FileStatus status = WriteAll(fd, bytes);
    if (status.ok() && ::fsync(fd) != 0) status = LastError();
    ::close(fd);
    if (!status.ok()) ::unlink(path.c_str());
    return status;
}

class PosixFiles final : public FileAccess {
public:
    FileRead read(const std::string& path) override {
        const int fd = ::open(path.c_str(), O_RDONLY);
        if (fd < 0) {
            const int error = errno;
            return {error == ENOENT ? FileState::Missing : FileState::Unreadable, {}, static_cast<std::uint32_t>(error)};
        }
        FileRead result{FileState::Read, {}};
        char buffer[65536];
        for (;;) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) { result = {FileState::Unreadable, {}, LastError().error}; break; }
            if (got == 0) break;
            result.bytes.append(buffer, static_cast<std::size_t>(got));
        }
        ::close(fd);
        return result;
    }

    FileStatus replaceAtomically(const std::string& path, std::string_view bytes) override {
        const std::string temp = TemporaryNameBeside(path, static_cast<std::uint32_t>(::getpid()));
        const FileStatus written = WriteNewFile(temp, bytes);
        if (!written.ok()) return written;
        if (::rename(temp.c_str(), path.c_str()) != 0) {
            const FileStatus status = LastError();
            ::unlink(temp.c_str());
            return status;
        }
        return {};
    }

    FileStatus copyNew(const std::string& from, const std::string& to) override {
        const FileRead source = read(from);
        if (source.state != FileState::Read) return {source.error != 0 ? source.error : static_cast<std::uint32_t>(ENOENT)};
        const std::string temp = TemporaryNameBeside(to, static_cast<std::uint32_t>(::getpid()));
        const FileStatus written = WriteNewFile(temp, source.bytes);
        if (!written.ok()) return written;
        // link() never replaces an existing destination.
        const FileStatus linked = ::link(temp.c_str(), to.c_str()) == 0 ? FileStatus{} : LastError();
        ::unlink(temp.c_str());
        return linked;
    }

    bool exists(const std::string& path) override {
        struct stat info {};
        return ::stat(path.c_str(), &info) == 0;
    }

    FileStatus append(const std::string& path, std::string_view bytes) override {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        if (fd < 0) return LastError();
        const FileStatus status = WriteAll(fd, bytes);
        ::close(fd);
        return status;
    }

    std::optional<std::uint64_t> size(const std::string& path) override {
        struct stat info {};
        if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
        return static_cast<std::uint64_t>(info.st_size);
    }

    FileStatus moveReplacing(const std::string& from, const std::string& to) override {
        return ::rename(from.c_str(), to.c_str()) == 0 ? FileStatus{} : LastError();
    }
};

}  // namespace

FileAccess& HostFiles() {
    static PosixFiles files;
    return files;
}

}  // namespace tolvane
