// info.js text file output with the program's I/O error messages.
#include "DescriptionWriter.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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
    Path_ = path;
    Used_ = 0;
    int err = InjectedFileFault(path, FileOperation::Create);
    if (err != 0) Fail(err);
    // Not truncated before the lock is held: a second run must leave the first one's file alone.
    Fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (Fd_ < 0) Fail(errno);
    if (::flock(Fd_, LOCK_EX | LOCK_NB) != 0) {
        err = errno;
        ::close(Fd_);
        Fd_ = -1;
        if (err == EWOULDBLOCK) {
            throw EInOutError(kSharingViolation, InOutErrorMessage(kSharingViolation, path), path,
                              "another run is writing into this folder");
        }
        Fail(err);
    }
    struct stat info {};
    if (::fstat(Fd_, &info) == 0 && S_ISREG(info.st_mode) && ::ftruncate(Fd_, 0) != 0) {
        err = errno;
        CloseQuietly();
        Fail(err);
    }
}

FileHandle DescriptionWriter::LockHandle() const {
    return FileHandle(Fd_ >= 0 ? ::fcntl(Fd_, F_DUPFD_CLOEXEC, 0) : -1);
}

void DescriptionWriter::FailWrite(int err) {
    // A file cut in the middle of a line would read as a description of fewer levels, or not parse:
    // it goes, and the run fails with the system's error. (Only a regular file: never a device.)
    struct stat info {};
    if (::fstat(Fd_, &info) == 0 && S_ISREG(info.st_mode)) ::unlink(Path_.c_str());
    ::close(Fd_);
    Fd_ = -1;
    Used_ = 0;
    Fail(err);
}

void DescriptionWriter::Flush(size_t count) {
    if (int err = WriteFully(Fd_, Path_, reinterpret_cast<const uint8_t*>(Buffer_), count); err != 0) FailWrite(err);
    std::memmove(Buffer_, Buffer_ + count, Used_ - count);
    Used_ -= count;
}

void DescriptionWriter::WriteLine(std::string_view utf8) { WriteRawLine(ToCodePage(utf8, CodePage_)); }

void DescriptionWriter::WriteRawLine(std::string_view bytes) {
    for (char c : bytes) {
        Buffer_[Used_++] = c;
        if (Used_ == kBufferSize) Flush(kBufferSize);
    }
    for (char c : {'\r', '\n'}) {
        Buffer_[Used_++] = c;
        if (Used_ == kBufferSize) Flush(kBufferSize);
    }
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
    if (Fd_ >= 0 && Used_ > 0) Flush(Used_);
}

void DescriptionWriter::Close() {
    if (Fd_ < 0) return;
    if (Used_ > 0) Flush(Used_);
    int fd = Fd_;
    Fd_ = -1;
    if (::close(fd) != 0) Fail(errno);
}

void DescriptionWriter::CloseQuietly() noexcept {
    if (Fd_ < 0) return;
    try {
        Close();
    } catch (...) {
    }
    if (Fd_ >= 0) {
        ::close(Fd_);
        Fd_ = -1;
    }
}
