// File access behind the program's file messages; the system's side is in os/Files.h.
#include "FileStreams.h"

#include <cerrno>
#include <utility>

#include "Exception.h"
#include "FileFaults.h"
#include "OsError.h"
#include "OutputFolder.h"
#include "os/Files.h"

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
    if (Fd_ >= 0) CloseFile(Fd_);
    Fd_ = -1;
}

FileHandle OpenFileForReading(const std::string& path) {
    int fd = -1;
    if (int err = OpenReadOnly(path, fd); err != 0) throw EFOpenError(OpenMessage(path, err));
    FileHandle file(fd);
    FileStatus status;
    if (int err = FileStatusOf(file.Get(), status); err != 0) throw EFOpenError(OpenMessage(path, err));
    if (status.Kind == FileKind::Folder) throw EFOpenError(OpenMessage(path, EISDIR));
    if (status.Kind != FileKind::Regular) throw EFOpenError(NotRegularFileMessage(path));
    return file;
}

long long ReadAt(int fd, uint64_t offset, uint8_t* data, size_t size) {
    return ReadFileAt(fd, offset, data, size);
}

std::string NotRegularFileMessage(const std::string& path) {
    return "Cannot open file \"" + path + "\". Not a regular file";
}

uint64_t FileSize(const FileHandle& file) {
    FileStatus status;
    if (file.Get() < 0 || FileStatusOf(file.Get(), status) != 0) return 0;
    return status.Size;
}

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
    FileHandle file = OpenFileForReading(path);
    std::vector<uint8_t> bytes;
    bytes.reserve(static_cast<size_t>(FileSize(file)));
    uint8_t chunk[65536];
    for (;;) {
        const long long n = ReadFileNext(file.Get(), chunk, sizeof chunk);
        if (n == 0) break;
        if (n < 0) throw EFOpenError(OpenMessage(path, errno));
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
    return WriteFileFully(fd, data, size);
}

std::pair<std::string, std::string> SplitPath(const std::string& path) {
    const size_t slash = path.find_last_of(kPathSeparators);
    if (slash == std::string::npos) return {".", path};
    // A root keeps its separator: "/", "C:\".
    const bool root = slash == 0 || (kPathsHaveDrives && slash == 2 && path[1] == ':');
    return {path.substr(0, root ? slash + 1 : slash), path.substr(slash + 1)};
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
    return folder + kPathSeparator + name;
}
