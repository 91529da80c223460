// info.js text file output with the program's I/O error messages.
#include "DescriptionWriter.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "core/CodePage.h"
#include "core/Exception.h"
#include "core/FileFaults.h"
#include "core/OsError.h"

std::string EscapeScriptString(std::string_view text, int codePage) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    auto unicodeEscape = [](std::string& out, unsigned code) {
        out += "\\u";
        for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(code >> shift) & 0xF];
    };
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\'' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7F) {
            unicodeEscape(out, c);
        } else if (codePage == kCodePageUtf8 && c == 0xC2 && i + 1 < text.size() &&
                   static_cast<unsigned char>(text[i + 1]) >= 0x80 && static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
            // C1 control characters
            unicodeEscape(out, static_cast<unsigned char>(text[++i]));
        } else if (codePage == kCodePageUtf8 && text.substr(i, 2) == "\xE2\x80" && i + 2 < text.size() &&
                   (text[i + 2] == '\xA8' || text[i + 2] == '\xA9')) {
            // U+2028 and U+2029 end a line inside a script string in older engines
            unicodeEscape(out, text[i + 2] == '\xA8' ? 0x2028 : 0x2029);
            i += 2;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

DescriptionWriter::~DescriptionWriter() { CloseQuietly(); }

void DescriptionWriter::Fail(int err) {
    int code = OsErrorCode(err);
    throw EInOutError(code, InOutErrorMessage(code, Path_), Path_, OsErrorDescription(err));
}

void DescriptionWriter::Open(const std::string& path) {
    CloseQuietly();
    Path_ = path;
    Name_ = SplitPath(path).second;
    Text_.clear();
    OnDisk_ = Shown_ = 0;
    Published_ = false;
    int err = Folder_.Open(SplitPath(path).first);
    if (err != 0) Fail(err);
    err = Folder_.Lock();
    if (err == EWOULDBLOCK) {
        Folder_ = OutputFolder();
        throw EInOutError(kSharingViolation, InOutErrorMessage(kSharingViolation, path), path,
                          "another run is writing into this folder");
    }
    // A folder in place of the file is refused now, before anything is written.
    if (err = Folder_.CheckReplaceable(Name_); err == 0) {
        Folder_.RemoveStaleTemporaries();
        err = Pending_.Create(Folder_, Name_);
    }
    if (err != 0) {
        Folder_ = OutputFolder();
        Fail(err);
    }
    // The description of an earlier pyramid goes now, as the tiles it describes start to be replaced:
    // until the new text is written out there is none (a killed run leaves none).
    Folder_.Remove(Name_);
    Open_ = true;
}

void DescriptionWriter::FailWrite(int err) {
    // A file cut in the middle of a line would read as a description of fewer levels, or not parse:
    // no info.js stays (not even one of an earlier run), and the run fails with the system's error.
    Pending_.Discard();
    Folder_.Remove(Name_);
    Open_ = false;
    Fail(err);
}

// Writes 128-byte pieces of the text to the pending file (all: the rest too), starting a new
// pending file with the whole text when the last one was put in place.
void DescriptionWriter::WritePieces(bool all) {
    while (Text_.size() - OnDisk_ >= (all ? 1 : kBufferSize)) {
        if (!Pending_.IsOpen()) {
            if (int err = Pending_.Create(Folder_, Name_); err != 0) FailWrite(err);
            OnDisk_ = 0;
        }
        const size_t count = std::min(kBufferSize, Text_.size() - OnDisk_);
        if (int err = Pending_.Write(reinterpret_cast<const uint8_t*>(Text_.data()) + OnDisk_, count); err != 0) {
            FailWrite(err);
        }
        OnDisk_ += count;
    }
}

void DescriptionWriter::WriteLine(std::string_view utf8) { WriteRawLine(ToCodePage(utf8, CodePage_)); }

void DescriptionWriter::WriteRawLine(std::string_view bytes) {
    Text_ += bytes;
    Text_ += "\r\n";
    WritePieces(false);
}

void DescriptionWriter::WriteTitleLine(std::string_view title) {
    // Escaped after the conversion, so that characters the code page lacks stay plain "?".
    std::string line = "var map_title = '";
    line += EscapeScriptString(ToCodePage(title, CodePage_), CodePage_);
    line += "';";
    WriteRawLine(line);
}

void DescriptionWriter::WriteZoomLine(int coarsestLevel) {
    int zmid = (36 - coarsestLevel) / 2;
    WriteLine("var zoom = [" + std::to_string(zmid) + "," + std::to_string(18 - coarsestLevel) + ",18];");
}

void DescriptionWriter::WriteSizeLine(int zoom, int maxX, int maxY) {
    WriteLine("sizes[" + std::to_string(zoom) + "] = [" + std::to_string(maxX) + "," +
              std::to_string(maxY) + "];");
}

void DescriptionWriter::WriteOut() {
    if (!Open_ || (Published_ && Shown_ == Text_.size())) return;
    WritePieces(true);
    if (!Pending_.IsOpen()) {
        // An empty text: an empty file.
        if (int err = Pending_.Create(Folder_, Name_); err != 0) FailWrite(err);
    }
    if (int err = Pending_.Commit(); err != 0) FailWrite(err);
    Published_ = true;
    Shown_ = Text_.size();
    OnDisk_ = 0;
}

void DescriptionWriter::Close() {
    if (!Open_) return;
    WriteOut();
    Open_ = false;
}

void DescriptionWriter::CloseQuietly() noexcept {
    if (!Open_) return;
    try {
        Close();
    } catch (...) {
    }
    Pending_.Discard();
    Open_ = false;
}
