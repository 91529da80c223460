// The write-temporary-and-rename mechanism, and every system call it needs, in one place.
//
// POSIX (Linux, macOS, the BSDs): the folder is opened once (open O_DIRECTORY) and every name is
// resolved against that descriptor: openat(O_CREAT | O_EXCL, 0666) creates the temporary file (the
// umask gives the final modes; O_EXCL never follows a link), write and close fill it, renameat puts
// it over the final name atomically (a link or another name under the final name is replaced, not
// followed). unlinkat removes; fdopendir/readdir and fstatat(AT_SYMLINK_NOFOLLOW) find stale
// temporaries; flock(LOCK_EX | LOCK_NB) on the folder's own descriptor is the run's lock.
//
// Windows counterparts, for the port: CreateFileW(CREATE_NEW, FILE_ATTRIBUTE_HIDDEN) for the
// temporary file (CREATE_NEW fails on any existing name, a reparse point included); WriteFile and
// CloseHandle; MoveFileExW(temp, final, MOVEFILE_REPLACE_EXISTING) — or SetFileInformationByHandle
// with FileRenameInfoEx and FILE_RENAME_FLAG_REPLACE_IF_EXISTS | FILE_RENAME_FLAG_POSIX_SEMANTICS, so
// that a reader holding the old file open does not make the rename fail — replaces a symbolic link or
// a hard link under the final name instead of writing through it; DeleteFileW removes;
// FindFirstFileExW lists. A folder cannot be locked with LockFileEx: the lock there is a hidden lock
// file opened with CreateFileW(share mode 0, FILE_FLAG_DELETE_ON_CLOSE), whose second opener gets
// ERROR_SHARING_VIOLATION (32, the code the run reports). The final modes are the folder's inherited
// ACL, which CreateFileW gives a new file without a security descriptor.
#include "OutputFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <ctime>
#include <vector>

#include "Exception.h"
#include "FileFaults.h"
#include "OsError.h"

namespace {

constexpr std::string_view kTempPrefix = ".quadrimo-";
constexpr std::string_view kTempSuffix = ".tmp";
// Without the folder's lock another run may be writing: only this old a temporary file is stale.
constexpr time_t kUnlockedStaleSeconds = 3600;

std::atomic<unsigned long> TempCounter{0};

// ".quadrimo-PID-N-NAME.tmp": hidden, unique in this process, tied to its final name for a reader.
std::string TemporaryName(const std::string& name) {
    return std::string(kTempPrefix) + std::to_string(::getpid()) + "-" + std::to_string(++TempCounter) + "-" + name +
           std::string(kTempSuffix);
}

}  // namespace

std::string CreateFileMessage(const std::string& path, int err) {
    return "Cannot create file \"" + path + "\". " + OsErrorDescription(err);
}

std::string WriteFileMessage(const std::string& path, int err) {
    return "Cannot write file \"" + path + "\". " + OsErrorDescription(err);
}

int OutputFolder::Open(const std::string& path) {
    Path_ = path;
    Locked_ = false;
    Dir_ = FileHandle(::open(path.empty() ? "." : path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return Dir_.Get() < 0 ? errno : 0;
}

int OutputFolder::Lock() {
    if (::flock(Dir_.Get(), LOCK_EX | LOCK_NB) == 0) {
        Locked_ = true;
        return 0;
    }
    return errno == EWOULDBLOCK ? EWOULDBLOCK : errno;
}

int OutputFolder::CheckReplaceable(const std::string& name) const {
    struct stat info {};
    if (::fstatat(Dir_.Get(), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(info.st_mode)) return EISDIR;
    return 0;
}

int OutputFolder::Remove(const std::string& name) const {
    return ::unlinkat(Dir_.Get(), name.c_str(), 0) == 0 ? 0 : errno;
}

bool OutputFolder::IsTemporaryName(std::string_view name) {
    return name.size() > kTempPrefix.size() + kTempSuffix.size() && name.starts_with(kTempPrefix) &&
           name.ends_with(kTempSuffix);
}

int OutputFolder::RemoveStaleTemporaries() const {
    const int fd = ::fcntl(Dir_.Get(), F_DUPFD_CLOEXEC, 0);
    if (fd < 0) return 0;
    DIR* dir = ::fdopendir(fd);
    if (dir == nullptr) {
        ::close(fd);
        return 0;
    }
    const time_t now = std::time(nullptr);
    std::vector<std::string> stale;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (!IsTemporaryName(name)) continue;
        struct stat info {};
        if (::fstatat(Dir_.Get(), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(info.st_mode)) continue;
        const time_t age = now - info.st_mtime;
        if (age >= (Locked_ ? 0 : kUnlockedStaleSeconds)) stale.emplace_back(name);
    }
    ::closedir(dir);
    int removed = 0;
    for (const std::string& name : stale) removed += Remove(name) == 0 ? 1 : 0;
    return removed;
}

void OutputFolder::WriteFile(const std::string& name, std::span<const uint8_t> bytes) const {
    PendingFile file;
    if (int err = file.Create(*this, name); err != 0) throw EFCreateError(CreateFileMessage(PathOf(name), err));
    if (int err = file.Write(bytes.data(), bytes.size()); err != 0) {
        file.Discard();
        throw EFCreateError(WriteFileMessage(PathOf(name), err));
    }
    if (int err = file.Commit(); err != 0) throw EFCreateError(CreateFileMessage(PathOf(name), err));
}

bool OutputFolder::CopyFile(const std::string& source, const std::string& name) const {
    FileHandle in;
    try {
        in = OpenFileForReading(source);
    } catch (const EFOpenError&) {
        return false;
    }
    PendingFile file;
    if (int err = file.Create(*this, name); err != 0) throw EFCreateError(CreateFileMessage(PathOf(name), err));
    std::vector<uint8_t> chunk(1 << 16);
    for (;;) {
        const ssize_t n = ::read(in.Get(), chunk.data(), chunk.size());
        if (n < 0 && errno == EINTR) continue;
        // An unreadable source is skipped like a missing one, without a partial copy.
        if (n < 0) return false;
        if (n == 0) break;
        if (int err = file.Write(chunk.data(), static_cast<size_t>(n)); err != 0) {
            file.Discard();
            throw EFCreateError(WriteFileMessage(PathOf(name), err));
        }
    }
    if (int err = file.Commit(); err != 0) throw EFCreateError(CreateFileMessage(PathOf(name), err));
    return true;
}

PendingFile::PendingFile(PendingFile&& other) noexcept
    : Folder_(other.Folder_), File_(std::move(other.File_)), Name_(std::move(other.Name_)),
      TempName_(std::move(other.TempName_)), FinalPath_(std::move(other.FinalPath_)) {
    other.TempName_.clear();
}

PendingFile& PendingFile::operator=(PendingFile&& other) noexcept {
    if (this != &other) {
        Discard();
        Folder_ = other.Folder_;
        File_ = std::move(other.File_);
        Name_ = std::move(other.Name_);
        TempName_ = std::move(other.TempName_);
        FinalPath_ = std::move(other.FinalPath_);
        other.TempName_.clear();
    }
    return *this;
}

int PendingFile::Create(const OutputFolder& folder, const std::string& name) {
    Discard();
    Folder_ = &folder;
    Name_ = name;
    FinalPath_ = folder.PathOf(name);
    if (int injected = InjectedFileFault(FinalPath_, FileOperation::Create); injected != 0) return injected;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string temp = TemporaryName(name);
        const int fd = ::openat(folder.Dir_.Get(), temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                0666);
        if (fd >= 0) {
            File_ = FileHandle(fd);
            TempName_ = std::move(temp);
            return 0;
        }
        // A leftover of a killed process that had the same id: the next number.
        if (errno != EEXIST) return errno;
    }
    return EEXIST;
}

int PendingFile::Write(const uint8_t* data, size_t size) { return WriteFully(File_.Get(), FinalPath_, data, size); }

int PendingFile::Close() {
    if (TempName_.empty()) return EBADF;
    if (File_.Get() < 0) return 0;
    if (::close(File_.Release()) == 0) return 0;
    const int err = errno;
    Discard();
    return err;
}

int PendingFile::Commit() {
    int err = Close();
    if (err == 0 && ::renameat(Folder_->Dir_.Get(), TempName_.c_str(), Folder_->Dir_.Get(), Name_.c_str()) != 0) {
        err = errno;
    }
    if (err != 0) {
        Discard();
        return err;
    }
    TempName_.clear();
    return 0;
}

void PendingFile::Discard() noexcept {
    File_.Close();
    if (!TempName_.empty() && Folder_ != nullptr) ::unlinkat(Folder_->Dir_.Get(), TempName_.c_str(), 0);
    TempName_.clear();
}
