// POSIX file access behind the program's file messages.
#include "FileStreams.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "Exception.h"
#include "FileFaults.h"
#include "OsError.h"
#include "OutputFolder.h"

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

int FileHandle::Release() {
    const int fd = Fd_;
    Fd_ = -1;
    return fd;
}

void FileHandle::Close() {
    if (Fd_ >= 0) ::close(Fd_);
    Fd_ = -1;
}

FileHandle OpenFileForReading(const std::string& path) {
    // Without O_NONBLOCK, opening a FIFO waits for a writer for ever.
    FileHandle file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.Get() < 0) throw EFOpenError(OpenMessage(path, errno));
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0) throw EFOpenError(OpenMessage(path, errno));
    if (S_ISDIR(info.st_mode)) throw EFOpenError(OpenMessage(path, EISDIR));
    if (!S_ISREG(info.st_mode)) throw EFOpenError(NotRegularFileMessage(path));
    const int flags = ::fcntl(file.Get(), F_GETFL);
    if (flags >= 0) ::fcntl(file.Get(), F_SETFL, flags & ~O_NONBLOCK);
    return file;
}

long long ReadAt(int fd, uint64_t offset, uint8_t* data, size_t size) {
    for (;;) {
        const ssize_t n = ::pread(fd, data, size, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) continue;
        return n;
    }
}

std::string NotRegularFileMessage(const std::string& path) {
    return "Cannot open file \"" + path + "\". Not a regular file";
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

int WriteFully(int fd, const std::string& path, const uint8_t* data, size_t size) {
    if (int injected = InjectedFileFault(path, FileOperation::Write); injected != 0) {
        // As a disk that fills up in the middle of the file: half of it arrives.
        WriteFully(fd, {}, data, size / 2);
        return injected;
    }
    size_t done = 0;
    while (done < size) {
        ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        done += static_cast<size_t>(n);
    }
    return 0;
}

std::pair<std::string, std::string> SplitPath(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return {".", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

namespace {

OutputFolder OpenFolderOf(const std::string& path, std::string& name) {
    auto [folderPath, fileName] = SplitPath(path);
    OutputFolder folder;
    if (int err = folder.Open(folderPath); err != 0) throw EFCreateError(CreateFileMessage(path, err));
    name = std::move(fileName);
    return folder;
}

}  // namespace

void WriteWholeFile(const std::string& path, std::span<const uint8_t> bytes) {
    std::string name;
    const OutputFolder folder = OpenFolderOf(path, name);
    folder.WriteFile(name, bytes);
}

bool CopyFileContents(const std::string& source, const std::string& target) {
    std::string name;
    const OutputFolder folder = OpenFolderOf(target, name);
    return folder.CopyFile(source, name);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    return folder + "/" + name;
}
