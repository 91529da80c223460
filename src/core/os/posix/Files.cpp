// Files through POSIX descriptors; names in an output folder are resolved against its descriptor.
#include "core/os/Files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

FileStatus StatusFrom(const struct stat& info) {
    FileStatus status;
    status.Kind = S_ISDIR(info.st_mode)   ? FileKind::Folder
                  : S_ISREG(info.st_mode) ? FileKind::Regular
                                          : FileKind::Other;
    status.Size = info.st_size < 0 ? 0 : static_cast<uint64_t>(info.st_size);
    status.ModifiedSeconds = static_cast<int64_t>(info.st_mtime);
    return status;
}

}  // namespace

int OpenReadOnly(const std::string& path, int& fd) {
    // Without O_NONBLOCK, opening a FIFO waits for a writer for ever; reads block as usual afterwards.
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return errno;
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return 0;
}

int CloseFile(int fd) {
    return ::close(fd) == 0 ? 0 : errno;
}

int FileStatusOf(int fd, FileStatus& status) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) return errno;
    status = StatusFrom(info);
    return 0;
}

int PathStatus(const std::string& path, FileStatus& status) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return errno;
    status = StatusFrom(info);
    return 0;
}

long long ReadFileAt(int fd, uint64_t offset, uint8_t* data, size_t size) {
    for (;;) {
        const ssize_t n = ::pread(fd, data, size, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) continue;
        return n;
    }
}

long long ReadFileNext(int fd, uint8_t* data, size_t size) {
    for (;;) {
        const ssize_t n = ::read(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        return n;
    }
}

int WriteFileFully(int fd, const uint8_t* data, size_t size) {
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        done += static_cast<size_t>(n);
    }
    return 0;
}

int OpenFolder(const std::string& path, int& fd) {
    fd = ::open(path.empty() ? "." : path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return fd < 0 ? errno : 0;
}

int LockFolder(FolderRef folder, int& lockFd) {
    // The lock is on the folder itself, which is never renamed, so it needs no descriptor of its own.
    lockFd = -1;
    return ::flock(folder.Fd, LOCK_EX | LOCK_NB) == 0 ? 0 : errno;
}

int CreateFileExclusively(FolderRef folder, const std::string& name, int& fd) {
    // O_EXCL never follows a link; the umask gives the final modes.
    fd = ::openat(folder.Fd, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    return fd < 0 ? errno : 0;
}

int RenameInFolder(FolderRef folder, const std::string& from, const std::string& to) {
    return ::renameat(folder.Fd, from.c_str(), folder.Fd, to.c_str()) == 0 ? 0 : errno;
}

int RemoveInFolder(FolderRef folder, const std::string& name) {
    return ::unlinkat(folder.Fd, name.c_str(), 0) == 0 ? 0 : errno;
}

int StatusInFolder(FolderRef folder, const std::string& name, FileStatus& status) {
    struct stat info {};
    if (::fstatat(folder.Fd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) return errno;
    status = StatusFrom(info);
    return 0;
}

int ListFolder(FolderRef folder, const std::function<void(const std::string& name)>& onName) {
    // The listing reads through a descriptor of its own, which closedir closes.
    const int fd = ::fcntl(folder.Fd, F_DUPFD_CLOEXEC, 0);
    if (fd < 0) return errno;
    DIR* dir = ::fdopendir(fd);
    if (dir == nullptr) {
        const int err = errno;
        ::close(fd);
        return err;
    }
    while (const dirent* entry = ::readdir(dir)) onName(entry->d_name);
    ::closedir(dir);
    return 0;
}

unsigned long CurrentProcessId() {
    return static_cast<unsigned long>(::getpid());
}
