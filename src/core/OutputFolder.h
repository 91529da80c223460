// Safe writes into an output folder: every file is written under a hidden temporary name, created
// exclusively, and renamed over its final name once complete. A reader never sees half a file, and a
// link planted under a final name is replaced, never written through. The system calls of the
// mechanism are behind os/Files.h.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "FileStreams.h"

struct FolderRef;

/// An open output folder (a link to a folder is followed once, when it is opened). Its descriptor
/// anchors every name written into it, so the folder's files stay the same folder's for a whole run.
/// May be used from several threads at once once opened (and locked).
class OutputFolder {
public:
    OutputFolder() = default;
    OutputFolder(OutputFolder&&) noexcept = default;
    OutputFolder& operator=(OutputFolder&&) noexcept = default;

    /// Opens the folder. Returns 0 or the errno (ENOENT, ENOTDIR, EACCES ...).
    int Open(const std::string& path);
    bool IsOpen() const { return Dir_.Get() >= 0; }
    const std::string& Path() const { return Path_; }
    /// The folder's text joined with a file name, as messages show it.
    std::string PathOf(const std::string& name) const { return JoinPath(Path_, name); }

    /// Takes the exclusive lock that keeps two runs out of one folder, on the folder itself (which is
    /// never renamed); it is held until this object goes. Returns 0, EWOULDBLOCK when another run
    /// holds it, or another errno when the file system cannot lock (the run then goes on unlocked).
    int Lock();
    bool IsLocked() const { return Locked_; }

    /// 0 when a file may be renamed over `name`; EISDIR when a folder has that name.
    int CheckReplaceable(const std::string& name) const;
    /// Removes `name` itself (a link, never what it points to). 0, or the errno (ENOENT included).
    int Remove(const std::string& name) const;

    /// Writes the bytes as `name`, safely. Throws EFCreateError "Cannot create file "PATH".
    /// DESCRIPTION" when the file cannot be created or put in place, "Cannot write file ..." when it
    /// cannot be written; no temporary file stays behind.
    void WriteFile(const std::string& name, std::span<const uint8_t> bytes) const;
    /// Copies source to `name`, safely. Returns false, writing nothing, when the source cannot be
    /// opened or read; throws as WriteFile when the copy cannot be written.
    bool CopyFile(const std::string& source, const std::string& name) const;

    /// Calls back with the name of every entry of the folder. Returns 0 or the errno.
    int List(const std::function<void(const std::string& name)>& onName) const;
    /// Whether `name` is a regular file (a link is not followed).
    bool IsRegularFile(const std::string& name) const;

    /// Removes this program's temporary files left behind by runs that ended before this one (a
    /// killed run): names of the temporary pattern, regular files, last modified before now. In a
    /// locked folder every such file is stale; without the lock only those an hour old. Returns how
    /// many went. Never touches another program's files.
    int RemoveStaleTemporaries() const;

    /// Whether a file name is of the pattern of this program's temporary files: ".quadrimo-*.tmp".
    static bool IsTemporaryName(std::string_view name);

private:
    friend class PendingFile;
    FolderRef Ref() const;
    FileHandle Dir_;
    FileHandle Lock_;  // what holds the lock where the folder's own descriptor cannot
    std::string Path_;
    bool Locked_ = false;
};

/// One file being written under a hidden temporary name in an output folder (which must outlive it),
/// put in place by Commit. A pending file that is not committed is removed when it goes.
class PendingFile {
public:
    PendingFile() = default;
    ~PendingFile() { Discard(); }
    PendingFile(PendingFile&& other) noexcept;
    PendingFile& operator=(PendingFile&& other) noexcept;
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    /// Creates the temporary file for final name `name`: exclusively (O_EXCL, so never through a
    /// link), with the modes a plain new file gets (0666 less the umask). Returns 0 or the errno
    /// (the test seam's Create answer for the final path first).
    int Create(const OutputFolder& folder, const std::string& name);
    /// Appends bytes. Returns 0 or the errno (the test seam's Write answer for the final path first).
    int Write(const uint8_t* data, size_t size);
    /// Closes the file, which stays under its temporary name until Commit (so that many pending files
    /// need no descriptor each). Returns 0 or the errno; on failure the temporary file is removed.
    int Close();
    /// Closes the file (if still open) and renames it over the final name, replacing whatever has that name (a link
    /// is replaced, not followed; another name of a hard-linked file keeps its contents). Returns 0
    /// or the errno; on failure the temporary file is removed.
    int Commit();
    /// Closes and removes the temporary file, if any. Never fails.
    void Discard() noexcept;

    bool IsOpen() const { return File_.Get() >= 0; }
    /// The final file's path as messages show it.
    const std::string& FinalPath() const { return FinalPath_; }

private:
    const OutputFolder* Folder_ = nullptr;
    FileHandle File_;
    std::string Name_;
    std::string TempName_;
    std::string FinalPath_;
};

/// "Cannot create file "PATH". DESCRIPTION"
std::string CreateFileMessage(const std::string& path, int err);
/// "Cannot write file "PATH". DESCRIPTION"
std::string WriteFileMessage(const std::string& path, int err);
