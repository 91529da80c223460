// JPEG map pictures: the row reader over the file the registry opened.
#include "JpegMapSource.h"

#include <utility>

bool IsJpegStart(std::span<const uint8_t> head) { return head.size() >= 2 && head[0] == 0xFF && head[1] == 0xD8; }

JpegMapSource::JpegMapSource(FileHandle file, const std::string& path) : File_(std::move(file)), Reader_(File_, path) {}

void JpegMapSource::Finish() {
    Reader_.Finish();
    File_.Close();
}
