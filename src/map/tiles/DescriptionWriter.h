// Writer of info.js, the map description script: CR LF lines in the ANSI code page, put in place
// whole.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/FileStreams.h"
#include "core/OutputFolder.h"
#include "core/OsError.h"  // InOutErrorMessage, the texts of its errors

/// Makes text already in the file's code page safe between the apostrophes of a script string:
/// "'" and "\\" get a backslash; control characters (and, in UTF-8, U+0080 to U+009F, U+2028 and
/// U+2029) become \uXXXX. Every other byte stays as it is.
std::string EscapeScriptString(std::string_view text, int codePage);

/// info.js appears whole at every moment a reader can see it: its text grows in a hidden temporary
/// file of the folder (written in 128-byte pieces) and is renamed over info.js when it is written out:
/// by WriteOut, Close, and after a failure elsewhere by CloseQuietly (the lines so far).
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

    /// Opens the file's folder and locks it against other runs (another run into the same folder
    /// fails here with code 32 and changes nothing), removes the temporary files a killed run left
    /// and starts the new text; an existing info.js is removed (it described an earlier pyramid).
    /// Throws EInOutError.
    void Open(const std::string& path);
    /// The open folder, locked for as long as this writer lives (also after Close): the run writes
    /// every other file through it.
    const OutputFolder& Folder() const { return Folder_; }
    /// var map_title = 'TITLE'; (title UTF-8; converted to the code page, then escaped)
    void WriteTitleLine(std::string_view title);
    /// var zoom = [Zmid,Zmin,Zmax];
    void WriteZoomLine(int coarsestLevel);
    /// sizes[ZOOM] = [MAXX,MAXY];
    void WriteSizeLine(int zoom, int maxX, int maxY);
    /// Puts the text so far in place as info.js now. Throws EInOutError.
    void WriteOut();
    /// Writes out the text and closes. Throws EInOutError.
    void Close();
    /// Closes after a failure elsewhere: puts the lines so far in place if it can, reports nothing.
    void CloseQuietly() noexcept;

    bool IsOpen() const { return Open_; }

private:
    void WriteLine(std::string_view utf8);
    void WriteRawLine(std::string_view bytes);
    void WritePieces(bool all);
    [[noreturn]] void Fail(int err);
    [[noreturn]] void FailWrite(int err);

    int CodePage_;
    bool Open_ = false;
    OutputFolder Folder_;
    std::string Name_;
    std::string Path_;
    PendingFile Pending_;  // the text's next version, open from the first byte it holds
    std::string Text_;     // every line so far
    size_t OnDisk_ = 0;    // bytes of Text_ in the pending file
    size_t Shown_ = 0;     // bytes of Text_ in info.js as it stands, when Published_
    bool Published_ = false;
};
