// Whole-picture decoding as a thin layer over the row reader: one decompressor per pass, the rows
// handed to the sink in groups.
#include "JpegDecoder.h"

#include <algorithm>
#include <memory>
#include <span>
#include <utility>

#include "JpegRowReader.h"

namespace {

constexpr int kRowsPerRead = 16;

std::unique_ptr<JpegRowReader> OpenReader(const JpegImage& image) {
    if (image.File.Get() >= 0) return std::make_unique<JpegRowReader>(image.File, std::string());
    return std::make_unique<JpegRowReader>(std::span<const uint8_t>(image.Data));
}

void KeepHeader(JpegImage& image, const JpegRowReader& reader) {
    image.Width = reader.Width();
    image.Height = reader.Height();
    image.Components = reader.Components();
    image.Grayscale = reader.Grayscale();
    image.MultiScan = reader.MultiScan();
}

}  // namespace

JpegImage DecodeJpegBytes(std::vector<uint8_t> bytes) {
    JpegImage image;
    image.Data = std::move(bytes);
    KeepHeader(image, *OpenReader(image));
    return image;
}

JpegImage DecodeJpeg(const std::string& path) {
    JpegImage image;
    image.File = OpenFileForReading(path);
    KeepHeader(image, *OpenReader(image));
    return image;
}

void JpegImage::DecodePixels(JpegRowSink& sink) const {
    const std::unique_ptr<JpegRowReader> reader = OpenReader(*this);
    reader->Start();
    uint8_t* rows[kRowsPerRead];
    while (reader->RowsRead() < Height) {
        const int first = reader->RowsRead();
        const int count = std::min(kRowsPerRead, Height - first);
        for (int i = 0; i < count; ++i) rows[i] = sink.RowBuffer(first + i);
        if (reader->ReadRows(rows, count) == 0) break;
        sink.RowsDecoded(reader->RowsRead());
    }
    reader->Finish();
}

void JpegImage::ReleaseData() {
    Data.clear();
    Data.shrink_to_fit();
    File.Close();
}
