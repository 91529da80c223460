// Whole-file reading and writing with the program's error messages.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

/// An open file descriptor, closed with its owner.
class FileHandle {
public:
    FileHandle() = default;
    explicit FileHandle(int fd) : Fd_(fd) {}
    ~FileHandle() { Close(); }
    FileHandle(FileHandle&& other) noexcept : Fd_(other.Fd_) { other.Fd_ = -1; }
    FileHandle& operator=(FileHandle&& other) noexcept;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    int Get() const { return Fd_; }
    void Close();
    /// Gives up ownership: the descriptor is returned and no longer closed here.
    int Release();

private:
    int Fd_ = -1;
};

/// Opens an existing regular file for reading. Throws EFOpenError "Cannot open file "PATH".
/// DESCRIPTION": a folder, a FIFO or a device is refused (without waiting for a FIFO's writer).
FileHandle OpenFileForReading(const std::string& path);

/// "Cannot open file "PATH". Not a regular file": for FIFOs, devices and sockets.
std::string NotRegularFileMessage(const std::string& path);

/// Size in bytes of an open file (0 when unknown).
uint64_t FileSize(const FileHandle& file);

/// Reads up to size bytes at the offset, retrying when a signal interrupts; returns the count read
/// (0 at the end of the file) or -1 with errno set.
long long ReadAt(int fd, uint64_t offset, uint8_t* data, size_t size);

/// Reads every byte of the file. Throws EFOpenError "Cannot open file "PATH". DESCRIPTION".
std::vector<uint8_t> ReadWholeFile(const std::string& path);

/// Writes every byte to the open file (path for the test seam); returns 0 or the errno of the failure.
int WriteFully(int fd, const std::string& path, const uint8_t* data, size_t size);

/// Writes the bytes as the file, replacing an existing one, safely (see OutputFolder: a temporary
/// file renamed over the name once complete). Throws EFCreateError "Cannot create file "PATH".
/// DESCRIPTION" when it cannot be created or put in place, "Cannot write file "PATH". DESCRIPTION"
/// when it cannot be written; no partial or temporary file stays.
void WriteWholeFile(const std::string& path, std::span<const uint8_t> bytes);

/// Copies source to target, replacing target safely as WriteWholeFile does. Returns false, writing
/// nothing, when the source cannot be opened or read; throws EFCreateError ("Cannot create file" or
/// "Cannot write file") when the target cannot be created or written.
bool CopyFileContents(const std::string& source, const std::string& target);

/// "FOLDER/NAME" as its folder and the name in it ("NAME" alone: ".", the current folder).
std::pair<std::string, std::string> SplitPath(const std::string& path);

/// Joins a folder text and a file name with one separator, exactly as typed otherwise.
std::string JoinPath(const std::string& folder, const std::string& name);
