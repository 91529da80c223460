// Whole-file reading and writing with the program's error messages.
#pragma once

#include <cstdint>
#include <span>
#include <string>
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

private:
    int Fd_ = -1;
};

/// Opens an existing file for reading. Throws EFOpenError "Cannot open file "PATH". DESCRIPTION"
/// (a folder cannot be opened as a file).
FileHandle OpenFileForReading(const std::string& path);

/// Size in bytes of an open file (0 when unknown).
uint64_t FileSize(const FileHandle& file);

/// Reads every byte of the file. Throws EFOpenError "Cannot open file "PATH". DESCRIPTION".
std::vector<uint8_t> ReadWholeFile(const std::string& path);

/// Creates the file (replacing an existing one) and writes the bytes. Throws EFCreateError
/// "Cannot create file "PATH". DESCRIPTION" when it cannot be created, and removes a file it could
/// not write completely ("Cannot write file "PATH". DESCRIPTION").
void WriteWholeFile(const std::string& path, std::span<const uint8_t> bytes);

/// Joins a folder text and a file name with one separator, exactly as typed otherwise.
std::string JoinPath(const std::string& folder, const std::string& name);
