// Writes painted QImages as a 3-component JFIF file straight from their rows. Each call into libjpeg
// is fenced by its own setjmp in a function that holds no objects with destructors.
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

}  // namespace

struct JpegStripWriter::State {
    jpeg_compress_struct Cinfo;
    ErrorManager Errors;
    std::FILE* File = nullptr;
    bool Created = false;
};

namespace {

using State = JpegStripWriter::State;

bool FencedStart(State* s, int width, int height, int quality) {
    s->Cinfo.err = jpeg_std_error(&s->Errors.Public);
    s->Errors.Public.error_exit = ErrorExit;
    s->Errors.Public.output_message = OutputMessage;
    if (setjmp(s->Errors.Jump)) return false;
    jpeg_create_compress(&s->Cinfo);
    s->Created = true;
    jpeg_stdio_dest(&s->Cinfo, s->File);
    s->Cinfo.image_width = static_cast<JDIMENSION>(width);
    s->Cinfo.image_height = static_cast<JDIMENSION>(height);
    s->Cinfo.input_components = 4;
    // Format_RGB32 is the 32-bit value 0xFFRRGGBB, so its byte order follows the machine's.
    s->Cinfo.in_color_space = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    jpeg_set_defaults(&s->Cinfo);
    jpeg_set_quality(&s->Cinfo, quality, TRUE);
    s->Cinfo.optimize_coding = static_cast<qint64>(width) * height <= kOptimizeLimit;
    jpeg_start_compress(&s->Cinfo, TRUE);
    return true;
}

bool FencedWrite(State* s, JSAMPARRAY rows, JDIMENSION count) {
    if (setjmp(s->Errors.Jump)) return false;
    jpeg_write_scanlines(&s->Cinfo, rows, count);
    return true;
}

bool FencedFinish(State* s) {
    if (setjmp(s->Errors.Jump)) return false;
    jpeg_finish_compress(&s->Cinfo);
    return true;
}

}  // namespace

JpegStripWriter::JpegStripWriter(const QString& path, int width, int height, int quality)
    : State_(std::make_unique<State>()), Name_(QFile::encodeName(path)) {
    State_->File = std::fopen(Name_.constData(), "wb");
    if (!State_->File) throw std::runtime_error("cannot create " + Name_.toStdString() + ": " + std::strerror(errno));
    if (!FencedStart(State_.get(), width, height, quality)) {
        throw std::runtime_error("cannot encode " + Name_.toStdString() + ": " + State_->Errors.Message);
    }
}

JpegStripWriter::~JpegStripWriter() {
    if (State_->Created) jpeg_destroy_compress(&State_->Cinfo);
    if (State_->File) std::fclose(State_->File);
    if (!Finished_) std::remove(Name_.constData());
}

void JpegStripWriter::WriteRows(const QImage& strip) {
    if (strip.format() != QImage::Format_RGB32) throw std::runtime_error("internal: strip is not Format_RGB32");
    JSAMPROW rows[kRowsPerCall];
    for (int y = 0; y < strip.height();) {
        int count = 0;
        for (; y < strip.height() && count < kRowsPerCall; ++y)
            rows[count++] = const_cast<JSAMPROW>(strip.constScanLine(y));
        if (!FencedWrite(State_.get(), rows, static_cast<JDIMENSION>(count))) {
            throw std::runtime_error("cannot encode " + Name_.toStdString() + ": " + State_->Errors.Message);
        }
    }
}

void JpegStripWriter::Finish() {
    if (!FencedFinish(State_.get())) {
        throw std::runtime_error("cannot encode " + Name_.toStdString() + ": " + State_->Errors.Message);
    }
    std::FILE* file = std::exchange(State_->File, nullptr);
    bool flushed = std::fflush(file) == 0 && !std::ferror(file);
    int flushError = errno;
    if (std::fclose(file) != 0 && flushed) {
        flushed = false;
        flushError = errno;
    }
    if (!flushed) throw std::runtime_error("cannot write " + Name_.toStdString() + ": " + std::strerror(flushError));
    Finished_ = true;
}

void WriteJpegFile(const QImage& image, const QString& path, int quality) {
    if (image.format() != QImage::Format_RGB32) throw std::runtime_error("internal: image is not Format_RGB32");
    JpegStripWriter writer(path, image.width(), image.height(), quality);
    writer.WriteRows(image);
    writer.Finish();
}
