// Native file access for tests and the store tool on Linux.
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/file_access.h"

namespace tolvane {

namespace {

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

class PosixFiles final : public FileAccess {
public:
    FileRead read(const std::string& path) override {
        const int fd = ::open(path.c_str(), O_RDONLY);
        if (fd < 0) return {errno == ENOENT ? FileState::Missing : FileState::Unreadable, {}};
        FileRead result{FileState::Read, {}};
        char buffer[65536];
        for (;;) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) { result = {FileState::Unreadable, {}}; break; }
            if (got == 0) break;
            result.bytes.append(buffer, static_cast<std::size_t>(got));
        }
        ::close(fd);
        return result;
    }

    bool replaceAtomically(const std::string& path, std::string_view bytes) override {
        const std::string temp = path + "." + std::to_string(::getpid()) + ".tmp";
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd < 0) return false;
        const bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
        ::close(fd);
        if (!ok || ::rename(temp.c_str(), path.c_str()) != 0) {
            ::unlink(temp.c_str());
            return false;
        }
        return true;
    }

    bool copyNew(const std::string& from, const std::string& to) override {
        const FileRead source = read(from);
        if (source.state != FileState::Read) return false;
        const int fd = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (fd < 0) return false;
        const bool ok = WriteAll(fd, source.bytes);
        ::close(fd);
        return ok;
    }

    bool exists(const std::string& path) override {
        struct stat info {};
        return ::stat(path.c_str(), &info) == 0;
    }
};

}  // namespace

FileAccess& HostFiles() {
    static PosixFiles files;
    return files;
}

}  // namespace tolvane
