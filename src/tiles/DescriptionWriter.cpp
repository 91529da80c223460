// info.js text file output with the program's I/O error messages.
#include "DescriptionWriter.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/CodePage.h"
#include "core/Exception.h"
#include "core/OsError.h"

DescriptionWriter::~DescriptionWriter() { CloseQuietly(); }

void DescriptionWriter::Fail(int err) {
    int code = OsErrorCode(err);
    throw EInOutError(code, InOutErrorMessage(code, Path_));
}

void DescriptionWriter::Open(const std::string& path) {
    Path_ = path;
    Used_ = 0;
    Fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (Fd_ < 0) Fail(errno);
}

void DescriptionWriter::Flush(size_t count) {
    size_t done = 0;
    while (done < count) {
        ssize_t n = ::write(Fd_, Buffer_ + done, count - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail(errno);
        }
        done += static_cast<size_t>(n);
    }
    std::memmove(Buffer_, Buffer_ + count, Used_ - count);
    Used_ -= count;
}

void DescriptionWriter::WriteLine(std::string_view utf8) {
    std::string bytes = ToCodePage(utf8, CodePage_);
    bytes += "\r\n";
    for (char c : bytes) {
        Buffer_[Used_++] = c;
        if (Used_ == kBufferSize) Flush(kBufferSize);
    }
}

void DescriptionWriter::WriteTitleLine(std::string_view title) {
    std::string line = "var map_title = '";
    line += title;
    line += "';";
    WriteLine(line);
}

void DescriptionWriter::WriteZoomLine(int coarsestLevel) {
    int zmid = (36 - coarsestLevel) / 2;
    WriteLine("var zoom = [" + std::to_string(zmid) + "," + std::to_string(18 - coarsestLevel) + ",18];");
}

void DescriptionWriter::WriteSizeLine(int zoom, int maxX, int maxY) {
    WriteLine("sizes[" + std::to_string(zoom) + "] = [" + std::to_string(maxX) + "," +
              std::to_string(maxY) + "];");
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
