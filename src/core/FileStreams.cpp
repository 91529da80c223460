// POSIX file access behind the program's file messages.
#include "FileStreams.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "Exception.h"
#include "OsError.h"

namespace {

std::string OpenMessage(const std::string& path, int err) {
    return "Cannot open file \"" + path + "\". " + OsErrorDescription(err);
}

}  // namespace

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
    if (this != &other) {
        Close();
        Fd_ = other.Fd_;
        other.Fd_ = -1;
    }
    return *this;
}

void FileHandle::Close() {
    if (Fd_ >= 0) ::close(Fd_);
    Fd_ = -1;
}

FileHandle OpenFileForReading(const std::string& path) {
    FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0) throw EFOpenError(OpenMessage(path, errno));
    struct stat info {};
    if (::fstat(file.Get(), &info) == 0 && S_ISDIR(info.st_mode)) throw EFOpenError(OpenMessage(path, EISDIR));
    return file;
}

uint64_t FileSize(const FileHandle& file) {
    struct stat info {};
    if (file.Get() < 0 || ::fstat(file.Get(), &info) != 0 || info.st_size < 0) return 0;
    return static_cast<uint64_t>(info.st_size);
}

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
    FileHandle file = OpenFileForReading(path);
    std::vector<uint8_t> bytes;
    bytes.reserve(static_cast<size_t>(FileSize(file)));
    uint8_t chunk[65536];
    for (;;) {
        ssize_t n = ::read(file.Get(), chunk, sizeof chunk);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            throw EFOpenError(OpenMessage(path, errno));
        }
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    return bytes;
}

void WriteWholeFile(const std::string& path, std::span<const uint8_t> bytes) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        throw EFCreateError("Cannot create file \"" + path + "\". " + OsErrorDescription(errno));
    }
    size_t done = 0;
    int err = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            err = errno;
            break;
        }
        done += static_cast<size_t>(n);
    }
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err != 0) {
        // A half-written file would look like a valid one to a viewer: take it away.
        ::unlink(path.c_str());
        throw EFCreateError("Cannot write file \"" + path + "\". " + OsErrorDescription(err));
    }
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    return folder + "/" + name;
}
