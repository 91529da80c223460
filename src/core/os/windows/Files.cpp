// Files through the wide Windows calls: paths are UTF-8 inside the program and UTF-16 here. The
// engine's descriptors are the C runtime's over the system's handles (_open_osfhandle), so that they
// stay plain numbers on every system; a handle made without security attributes is not inherited.
#include "core/os/Files.h"

#include <io.h>

#include <algorithm>
#include <cerrno>

#include "WideText.h"
#include "WindowsApi.h"

namespace {

// A lock file, since a folder's own handle cannot be locked.
constexpr const char* kLockName = ".quadrimo.lock";
// How long a lock file being deleted is waited for: far beyond the moment its deletion takes.
constexpr int kLockRetries = 20;
constexpr DWORD kLockRetryMilliseconds = 5;
// ReadFile and WriteFile take a 32-bit count.
constexpr size_t kMaxChunk = size_t{1} << 30;
// 100-nanosecond intervals from 1601 to 1970.
constexpr uint64_t kUnixEpoch = 116444736000000000ull;

// The errno value of a system error, as the program's messages know them.
int ErrnoOf(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_PATHNAME:
        case ERROR_INVALID_NAME:
            return ENOENT;
        case ERROR_DIRECTORY:
            return ENOTDIR;
        case ERROR_FILENAME_EXCED_RANGE:
            return ENAMETOOLONG;
        case ERROR_TOO_MANY_OPEN_FILES:
            return EMFILE;
        case ERROR_ACCESS_DENIED:
            return EACCES;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return EBUSY;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return EEXIST;
        case ERROR_WRITE_PROTECT:
            return EROFS;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return ENOSPC;
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY:
            return ENOMEM;
        case ERROR_INVALID_PARAMETER:
            return EINVAL;
        case ERROR_INVALID_HANDLE:
            return EBADF;
        case ERROR_DIR_NOT_EMPTY:
            return ENOTEMPTY;
        default:
            return EIO;
    }
}

int LastErrno() {
    return ErrnoOf(GetLastError());
}

// The folder's path and the name, as a wide path ("" is the current folder).
bool WidePathIn(FolderRef folder, const std::string& name, std::wstring& wide) {
    std::string path(folder.Path);
    if (!path.empty() && path.back() != '/' && path.back() != '\\') path += '/';
    return Widen(path + name, wide);
}

int Adopt(HANDLE handle, int& fd) {
    fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), 0);
    if (fd >= 0) return 0;
    CloseHandle(handle);
    return EMFILE;
}

HANDLE HandleOf(int fd) {
    return reinterpret_cast<HANDLE>(_get_osfhandle(fd));
}

FileStatus StatusFrom(DWORD attributes, DWORD sizeHigh, DWORD sizeLow, FILETIME modified) {
    FileStatus status;
    // A reparse point seen without following it is a link: neither a plain file nor a folder.
    status.Kind = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 ? FileKind::Other
                  : (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0   ? FileKind::Folder
                  : (attributes & FILE_ATTRIBUTE_DEVICE) != 0      ? FileKind::Other
                                                                   : FileKind::Regular;
    status.Size = (static_cast<uint64_t>(sizeHigh) << 32) | sizeLow;
    const uint64_t ticks = (static_cast<uint64_t>(modified.dwHighDateTime) << 32) | modified.dwLowDateTime;
    status.ModifiedSeconds = ticks >= kUnixEpoch ? static_cast<int64_t>((ticks - kUnixEpoch) / 10000000) : 0;
    return status;
}

int StatusOfHandle(HANDLE handle, FileStatus& status) {
    // Pipes and consoles are no files to read a map from.
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        status = FileStatus{};
        return 0;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(handle, &info)) return LastErrno();
    status = StatusFrom(info.dwFileAttributes, info.nFileSizeHigh, info.nFileSizeLow, info.ftLastWriteTime);
    return 0;
}

// Opens what the path names, links followed; backup semantics let a folder open too.
HANDLE OpenExisting(const std::wstring& path, DWORD access) {
    return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

}  // namespace

int OpenReadOnly(const std::string& path, int& fd) {
    fd = -1;
    std::wstring wide;
    if (!Widen(path, wide)) return EINVAL;
    const HANDLE handle = OpenExisting(wide, GENERIC_READ);
    if (handle == INVALID_HANDLE_VALUE) return LastErrno();
    return Adopt(handle, fd);
}

int CloseFile(int fd) {
    return _close(fd) == 0 ? 0 : errno;
}

int FileStatusOf(int fd, FileStatus& status) {
    const HANDLE handle = HandleOf(fd);
    if (handle == INVALID_HANDLE_VALUE) return EBADF;
    return StatusOfHandle(handle, status);
}

int PathStatus(const std::string& path, FileStatus& status) {
    std::wstring wide;
    if (!Widen(path, wide)) return EINVAL;
    const HANDLE handle = OpenExisting(wide, 0);
    if (handle == INVALID_HANDLE_VALUE) return LastErrno();
    const int err = StatusOfHandle(handle, status);
    CloseHandle(handle);
    return err;
}

long long ReadFileAt(int fd, uint64_t offset, uint8_t* data, size_t size) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD n = 0;
    if (ReadFile(HandleOf(fd), data, static_cast<DWORD>(std::min(size, kMaxChunk)), &n, &at)) return n;
    const DWORD error = GetLastError();
    if (error == ERROR_HANDLE_EOF) return 0;
    errno = ErrnoOf(error);
    return -1;
}

long long ReadFileNext(int fd, uint8_t* data, size_t size) {
    DWORD n = 0;
    if (ReadFile(HandleOf(fd), data, static_cast<DWORD>(std::min(size, kMaxChunk)), &n, nullptr)) return n;
    const DWORD error = GetLastError();
    if (error == ERROR_HANDLE_EOF || error == ERROR_BROKEN_PIPE) return 0;
    errno = ErrnoOf(error);
    return -1;
}

int WriteFileFully(int fd, const uint8_t* data, size_t size) {
    const HANDLE handle = HandleOf(fd);
    size_t done = 0;
    while (done < size) {
        DWORD n = 0;
        if (!WriteFile(handle, data + done, static_cast<DWORD>(std::min(size - done, kMaxChunk)), &n, nullptr)) {
            return LastErrno();
        }
        done += n;
    }
    return 0;
}

int OpenFolder(const std::string& path, int& fd) {
    fd = -1;
    std::wstring wide;
    if (!Widen(path.empty() ? "." : path, wide)) return EINVAL;
    const HANDLE handle = OpenExisting(wide, 0);
    if (handle == INVALID_HANDLE_VALUE) return LastErrno();
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(handle, &info) || (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        CloseHandle(handle);
        return ENOTDIR;
    }
    return Adopt(handle, fd);
}

int LockFolder(FolderRef folder, int& lockFd) {
    // A hidden file no second opener may share (share mode 0), gone with its handle.
    lockFd = -1;
    std::wstring wide;
    if (!WidePathIn(folder, kLockName, wide)) return EINVAL;
    // A lock file that its last holder is closing is being deleted and refuses every opener for a
    // moment (access denied): that is a lock let go, so the open is tried again.
    for (int attempt = 0;; ++attempt) {
        const HANDLE handle = CreateFileW(wide.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr,
                                          OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (handle != INVALID_HANDLE_VALUE) return Adopt(handle, lockFd);
        const DWORD error = GetLastError();
        if (error == ERROR_ACCESS_DENIED && attempt < kLockRetries) {
            Sleep(kLockRetryMilliseconds);
            continue;
        }
        return error == ERROR_SHARING_VIOLATION ? EWOULDBLOCK : ErrnoOf(error);
    }
}

int CreateFileExclusively(FolderRef folder, const std::string& name, int& fd) {
    // CREATE_NEW fails on any existing name, a link included; the file gets the folder's inherited
    // permissions.
    fd = -1;
    std::wstring wide;
    if (!WidePathIn(folder, name, wide)) return EINVAL;
    const HANDLE handle = CreateFileW(wide.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                      CREATE_NEW, FILE_ATTRIBUTE_HIDDEN, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return LastErrno();
    return Adopt(handle, fd);
}

int RenameInFolder(FolderRef folder, const std::string& from, const std::string& to) {
    std::wstring wideFrom;
    std::wstring wideTo;
    if (!WidePathIn(folder, from, wideFrom) || !WidePathIn(folder, to, wideTo)) return EINVAL;
    // The file was created hidden; under its final name it shows.
    const DWORD attributes = GetFileAttributesW(wideFrom.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN) != 0) {
        const DWORD shown = attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN);
        SetFileAttributesW(wideFrom.c_str(), shown != 0 ? shown : FILE_ATTRIBUTE_NORMAL);
    }
    if (MoveFileExW(wideFrom.c_str(), wideTo.c_str(), MOVEFILE_REPLACE_EXISTING)) return 0;
    const DWORD error = GetLastError();
    // Windows refuses access where the name is a folder; say that, as POSIX does.
    const DWORD target = GetFileAttributesW(wideTo.c_str());
    if (error == ERROR_ACCESS_DENIED && target != INVALID_FILE_ATTRIBUTES && (target & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return EISDIR;
    }
    return ErrnoOf(error);
}

int RemoveInFolder(FolderRef folder, const std::string& name) {
    std::wstring wide;
    if (!WidePathIn(folder, name, wide)) return EINVAL;
    return DeleteFileW(wide.c_str()) ? 0 : LastErrno();
}

int StatusInFolder(FolderRef folder, const std::string& name, FileStatus& status) {
    std::wstring wide;
    if (!WidePathIn(folder, name, wide)) return EINVAL;
    // The attributes of the name itself: a link is not followed.
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, &data)) return LastErrno();
    status = StatusFrom(data.dwFileAttributes, data.nFileSizeHigh, data.nFileSizeLow, data.ftLastWriteTime);
    return 0;
}

int ListFolder(FolderRef folder, const std::function<void(const std::string& name)>& onName) {
    std::wstring wide;
    if (!WidePathIn(folder, "*", wide)) return EINVAL;
    WIN32_FIND_DATAW entry{};
    const HANDLE find = FindFirstFileW(wide.c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND ? 0 : ErrnoOf(error);
    }
    do {
        onName(Narrow(entry.cFileName));
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    return 0;
}

unsigned long CurrentProcessId() {
    return GetCurrentProcessId();
}
