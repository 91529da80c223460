// Whole JPEG pictures (the skins' pattern pictures): the header at once, every row on demand,
// decoded through the row reader.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "JpegError.h"
#include "core/FileStreams.h"

/// Where the pixel pass puts the decoded rows: each row is Width pixels of red, green, blue bytes.
/// Several rows may be asked for before any of them is filled. A sink may throw: the pass ends and
/// the error comes out of DecodePixels as it was.
class JpegRowSink {
public:
    virtual ~JpegRowSink() = default;
    /// The memory that receives row y (at least 3 * width bytes); rows are asked for in order.
    virtual uint8_t* RowBuffer(int y) = 0;
    /// Rows [0, rowsDone) are complete.
    virtual void RowsDecoded(int rowsDone) { (void)rowsDone; }
};

/// A JPEG picture: the header is known at once, the pixels are decoded on demand from the bytes in
/// memory or from the file, which stays open until ReleaseData.
class JpegImage {
public:
    int Width = 0;
    int Height = 0;
    bool Grayscale = false;  // one component: decoded through the 236-level dithered grey palette
    bool MultiScan = false;  // progressive or otherwise multi-scan
    int Components = 0;

    /// Decodes every row top to bottom into the sink (RGB), with the row reader's settings.
    /// Throws EJpegError with the library's code on a fatal error (42 for an empty file).
    void DecodePixels(JpegRowSink& sink) const;

    /// Frees the bytes and closes the file once the pixels are no longer needed.
    void ReleaseData();

    std::vector<uint8_t> Data;  // the compressed bytes of an image made from memory
    FileHandle File;            // the open file of an image made from a file
};

/// Opens the file and reads its header; the data are read in pieces as decoding needs them, so the
/// compressed file is never held in memory whole. Throws EFOpenError when the file cannot be opened
/// and EJpegError when the header is not valid (53: no start-of-image marker). An empty file gives a
/// 0 x 0 image whose pixel pass fails with code 42.
JpegImage DecodeJpeg(const std::string& path);

/// The same from bytes already in memory.
JpegImage DecodeJpegBytes(std::vector<uint8_t> bytes);
