// The write-temporary-and-rename mechanism. The system's side is in os/Files.h: on POSIX every name
// is resolved against the folder's descriptor (openat with O_EXCL, renameat, unlinkat, fstatat; the
// lock is flock on the folder itself); on Windows CreateFileW(CREATE_NEW, FILE_ATTRIBUTE_HIDDEN),
// MoveFileExW(MOVEFILE_REPLACE_EXISTING) and a hidden lock file that no second opener may share.
#include "OutputFolder.h"

#include <atomic>
#include <cerrno>
#include <ctime>
#include <vector>

#include "Exception.h"
#include "FileFaults.h"
#include "OsError.h"
#include "os/Files.h"

namespace {

constexpr std::string_view kTempPrefix = ".quadrimo-";
constexpr std::string_view kTempSuffix = ".tmp";
// Without the folder's lock another run may be writing: only this old a temporary file is stale.
constexpr int64_t kUnlockedStaleSeconds = 3600;

std::atomic<unsigned long> TempCounter{0};

// ".quadrimo-PID-N-NAME.tmp": hidden, unique in this process, tied to its final name for a reader.
std::string TemporaryName(const std::string& name) {
    return std::string(kTempPrefix) + std::to_string(CurrentProcessId()) + "-" + std::to_string(++TempCounter) + "-" +
           name + std::string(kTempSuffix);
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
    Lock_.Close();
    int fd = -1;
    const int err = OpenFolder(path, fd);
    Dir_ = FileHandle(fd);
    return err;
}

FolderRef OutputFolder::Ref() const {
    return {Dir_.Get(), Path_};
}

int OutputFolder::Lock() {
    if (Locked_) return 0;
    int lockFd = -1;
    const int err = LockFolder(Ref(), lockFd);
    Lock_ = FileHandle(lockFd);
    Locked_ = err == 0;
    return err;
}

int OutputFolder::CheckReplaceable(const std::string& name) const {
    FileStatus status;
    if (StatusInFolder(Ref(), name, status) == 0 && status.Kind == FileKind::Folder) return EISDIR;
    return 0;
}

int OutputFolder::Remove(const std::string& name) const {
    return RemoveInFolder(Ref(), name);
}

bool OutputFolder::IsTemporaryName(std::string_view name) {
    return name.size() > kTempPrefix.size() + kTempSuffix.size() && name.starts_with(kTempPrefix) &&
           name.ends_with(kTempSuffix);
}

int OutputFolder::List(const std::function<void(const std::string& name)>& onName) const {
    return ListFolder(Ref(), onName);
}

bool OutputFolder::IsRegularFile(const std::string& name) const {
    FileStatus status;
    return StatusInFolder(Ref(), name, status) == 0 && status.Kind == FileKind::Regular;
}

int OutputFolder::RemoveStaleTemporaries() const {
    const int64_t now = std::time(nullptr);
    std::vector<std::string> stale;
    ListFolder(Ref(), [&](const std::string& name) {
        if (!IsTemporaryName(name)) return;
        FileStatus status;
        if (StatusInFolder(Ref(), name, status) != 0 || status.Kind != FileKind::Regular) return;
        const int64_t age = now - status.ModifiedSeconds;
        if (age >= (Locked_ ? 0 : kUnlockedStaleSeconds)) stale.push_back(name);
    });
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
        const long long n = ReadFileNext(in.Get(), chunk.data(), chunk.size());
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
        int fd = -1;
        const int err = CreateFileExclusively(folder.Ref(), temp, fd);
        if (err == 0) {
            File_ = FileHandle(fd);
            TempName_ = std::move(temp);
            return 0;
        }
        // A leftover of a killed process that had the same id: the next number.
        if (err != EEXIST) return err;
    }
    return EEXIST;
}

int PendingFile::Write(const uint8_t* data, size_t size) { return WriteFully(File_.Get(), FinalPath_, data, size); }

int PendingFile::Close() {
    if (TempName_.empty()) return EBADF;
    if (File_.Get() < 0) return 0;
    const int err = CloseFile(File_.Release());
    if (err == 0) return 0;
    Discard();
    return err;
}

int PendingFile::Commit() {
    int err = Close();
    if (err == 0) err = RenameInFolder(Folder_->Ref(), TempName_, Name_);
    if (err != 0) {
        Discard();
        return err;
    }
    TempName_.clear();
    return 0;
}

void PendingFile::Discard() noexcept {
    File_.Close();
    if (!TempName_.empty() && Folder_ != nullptr) RemoveInFolder(Folder_->Ref(), TempName_);
    TempName_.clear();
}
