// Writes a painted QImage as a 3-component JFIF file straight from its rows.
#include "JpegFileWriter.h"

#include <QFile>
#include <QSysInfo>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>

#include <jpeglib.h>

namespace {

struct ErrorManager {
    jpeg_error_mgr Public;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr cinfo) {
    auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
    cinfo->err->format_message(cinfo, manager->Message);
    std::longjmp(manager->Jump, 1);
}

void OutputMessage(j_common_ptr) {}

// Above this size a Huffman-optimising pass would make libjpeg buffer the whole coefficient image.
constexpr qint64 kOptimizeLimit = 25'000'000;
constexpr int kRowsPerCall = 16;

// Kept apart from WriteJpegFile so that no object with a destructor lives in the long-jump range.
bool Compress(const QImage& image, std::FILE* file, int quality, ErrorManager& errors) {
    jpeg_compress_struct cinfo;
    cinfo.err = jpeg_std_error(&errors.Public);
    errors.Public.error_exit = ErrorExit;
    errors.Public.output_message = OutputMessage;
    if (setjmp(errors.Jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = static_cast<JDIMENSION>(image.width());
    cinfo.image_height = static_cast<JDIMENSION>(image.height());
    cinfo.input_components = 4;
    // Format_RGB32 is the 32-bit value 0xFFRRGGBB, so its byte order follows the machine's.
    cinfo.in_color_space = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.optimize_coding = static_cast<qint64>(image.width()) * image.height() <= kOptimizeLimit;
    jpeg_start_compress(&cinfo, TRUE);
    JSAMPROW rows[kRowsPerCall];
    while (cinfo.next_scanline < cinfo.image_height) {
        int count = 0;
        for (JDIMENSION y = cinfo.next_scanline; y < cinfo.image_height && count < kRowsPerCall; ++y)
            rows[count++] = const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(y)));
        jpeg_write_scanlines(&cinfo, rows, static_cast<JDIMENSION>(count));
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

}  // namespace

void WriteJpegFile(const QImage& image, const QString& path, int quality) {
    if (image.format() != QImage::Format_RGB32) throw std::runtime_error("internal: image is not Format_RGB32");
    const QByteArray name = QFile::encodeName(path);
    std::FILE* file = std::fopen(name.constData(), "wb");
    if (!file) throw std::runtime_error("cannot create " + name.toStdString() + ": " + std::strerror(errno));
    ErrorManager errors{};
    const bool written = Compress(image, file, quality, errors);
    bool flushed = std::fflush(file) == 0 && !std::ferror(file);
    int flushError = errno;
    if (std::fclose(file) != 0 && flushed) {
        flushed = false;
        flushError = errno;
    }
    if (written && flushed) return;
    std::remove(name.constData());
    if (!written) throw std::runtime_error("cannot encode " + name.toStdString() + ": " + errors.Message);
    throw std::runtime_error("cannot write " + name.toStdString() + ": " + std::strerror(flushError));
}
