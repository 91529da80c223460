// Files and folders as the engine asks for them: UTF-8 paths, descriptors of open files (-1 for none),
// and 0 or an errno value from every operation.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

/// The separator written between a folder and a name, those read there, and whether a path may
/// start with a drive ("C:\").
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
inline constexpr std::string_view kPathSeparators = "\\/";
inline constexpr bool kPathsHaveDrives = true;
#else
inline constexpr char kPathSeparator = '/';
inline constexpr std::string_view kPathSeparators = "/";
inline constexpr bool kPathsHaveDrives = false;
#endif

enum class FileKind { Regular, Folder, Other };

struct FileStatus {
    FileKind Kind = FileKind::Other;
    uint64_t Size = 0;
    int64_t ModifiedSeconds = 0;  // since 1970, UTC
};

/// An open folder names are resolved in: POSIX resolves them by its descriptor (the folder stays the
/// same folder if it is renamed), Windows by its path ("" is the current folder).
struct FolderRef {
    int Fd = -1;
    std::string_view Path;
};

/// Opens an existing file for reading, not handed to child processes, without waiting for a FIFO's
/// writer; a folder opens too (FileStatusOf then tells it).
int OpenReadOnly(const std::string& path, int& fd);
/// Closes a descriptor.
int CloseFile(int fd);
/// The status of an open file.
int FileStatusOf(int fd, FileStatus& status);
/// The status of what the path names, links followed.
int PathStatus(const std::string& path, FileStatus& status);

/// Reads up to size bytes at the offset, retrying when a signal interrupts; the count read (0 at the
/// end of the file) or -1 with errno set.
long long ReadFileAt(int fd, uint64_t offset, uint8_t* data, size_t size);
/// Reads up to size bytes at the file's position, as ReadFileAt.
long long ReadFileNext(int fd, uint8_t* data, size_t size);
/// Writes every byte at the file's position.
int WriteFileFully(int fd, const uint8_t* data, size_t size);

/// Opens a folder for resolving names in it (a link to a folder is followed).
int OpenFolder(const std::string& path, int& fd);
/// Takes the exclusive lock of the folder without waiting: EWOULDBLOCK when another run holds it.
/// lockFd is what holds it where the folder's own descriptor cannot (-1 otherwise), closed to release.
int LockFolder(FolderRef folder, int& lockFd);
/// Creates `name` in the folder for writing, exclusively (an existing name, a link included, fails
/// with EEXIST), hidden where the system hides by attribute, with a new file's default permissions.
int CreateFileExclusively(FolderRef folder, const std::string& name, int& fd);
/// Renames `from` over `to` in the folder, replacing whatever `to` is (a link is replaced, not
/// followed); a file hidden by attribute shows under its new name.
int RenameInFolder(FolderRef folder, const std::string& from, const std::string& to);
/// Removes `name` itself (a link, never what it points to).
int RemoveInFolder(FolderRef folder, const std::string& name);
/// The status of `name` in the folder, a link not followed.
int StatusInFolder(FolderRef folder, const std::string& name, FileStatus& status);
/// Calls back with the name of every entry of the folder.
int ListFolder(FolderRef folder, const std::function<void(const std::string& name)>& onName);

/// The number of this process, which makes its temporary names its own.
unsigned long CurrentProcessId();
