// Writer of info.js, the map description script: CR LF lines in the ANSI code page, written to disk
// in 128-byte pieces.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/FileStreams.h"
#include "core/OsError.h"  // InOutErrorMessage, the texts of its errors

/// Makes text already in the file's code page safe between the apostrophes of a script string:
/// "'" and "\\" get a backslash; control characters (and, in UTF-8, U+0080 to U+009F, U+2028 and
/// U+2029) become \uXXXX. Every other byte stays as it is.
std::string EscapeScriptString(std::string_view text, int codePage);

class DescriptionWriter {
public:
    static constexpr size_t kBufferSize = 128;
    static constexpr const char* kFileName = "info.js";
    /// The Windows-style code of a file that another writer holds.
    static constexpr int kSharingViolation = 32;

    explicit DescriptionWriter(int codePage) : CodePage_(codePage) {}
    ~DescriptionWriter();
    DescriptionWriter(const DescriptionWriter&) = delete;
    DescriptionWriter& operator=(const DescriptionWriter&) = delete;

    /// Creates (or truncates) the file and locks it against other writers (another run into the
    /// same folder fails here with code 32 and leaves the file alone). Throws EInOutError.
    void Open(const std::string& path);
    /// A second handle on the open file that keeps it locked after Close, for as long as it lives.
    FileHandle LockHandle() const;
    /// var map_title = 'TITLE'; (title UTF-8; converted to the code page, then escaped)
    void WriteTitleLine(std::string_view title);
    /// var zoom = [Zmid,Zmin,Zmax];
    void WriteZoomLine(int coarsestLevel);
    /// sizes[ZOOM] = [MAXX,MAXY];
    void WriteSizeLine(int zoom, int maxX, int maxY);
    /// Writes the buffered text to the disk now. Throws EInOutError.
    void WriteOut();
    /// Writes out the buffer and closes the file. Throws EInOutError.
    void Close();
    /// Closes after a failure elsewhere: writes what it can, reports nothing.
    void CloseQuietly() noexcept;

    bool IsOpen() const { return Fd_ >= 0; }

private:
    void WriteLine(std::string_view utf8);
    void WriteRawLine(std::string_view bytes);
    void Flush(size_t count);
    [[noreturn]] void Fail(int err);
    [[noreturn]] void FailWrite(int err);

    int CodePage_;
    int Fd_ = -1;
    std::string Path_;
    char Buffer_[kBufferSize] = {};
    size_t Used_ = 0;
};
