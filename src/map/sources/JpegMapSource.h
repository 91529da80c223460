// JPEG map pictures, through the codec's row reader.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "MapSource.h"
#include "core/FileStreams.h"
#include "map/codec/JpegRowReader.h"

/// Whether the first bytes are a JPEG file's: its start-of-image marker.
bool IsJpegStart(std::span<const uint8_t> head);

class JpegMapSource : public MapSource {
public:
    /// Reads the header from the open file. Throws EJpegError (53: no start-of-image marker); an
    /// empty file gives a 0 x 0 picture whose Start fails with code 42.
    JpegMapSource(FileHandle file, const std::string& path);

    int Width() const override { return Reader_.Width(); }
    int Height() const override { return Reader_.Height(); }
    uint64_t DecodingMemoryBytes() const override { return Reader_.DecodingMemoryBytes(); }
    std::string Description() const override { return "JPEG"; }
    void Start() override { Reader_.Start(); }
    int ReadRows(uint8_t* const* rows, int count) override { return Reader_.ReadRows(rows, count); }
    void Finish() override;

private:
    FileHandle File_;  // before the reader, which reads from it
    JpegRowReader Reader_;
};
