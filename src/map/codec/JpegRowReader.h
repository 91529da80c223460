// A JPEG picture decoded row by row through one decompressor, from the header to the last row: the
// program's one JPEG decoder, for the map and for the skins' pictures alike.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "JpegError.h"

class FileHandle;

/// Reads the header once and then hands out the rows as the caller asks for them, from the same
/// open file and the same decompressor: what is decoded always has the size the header gave,
/// whatever happens to the file meanwhile. The decoder settings of every picture: full size,
/// floating-point IDCT, fancy upsampling, block smoothing, greys through the 236-level dithered
/// palette, four-component sources converted to RGB. Errors are EJpegError with the library's
/// code, its text and the path.
class JpegRowReader {
public:
    /// Opens the file and reads its header. Throws EFOpenError when it cannot be opened (or is not
    /// a regular file) and EJpegError when the header is not valid (53: no start-of-image marker).
    /// An empty file gives a 0 x 0 picture whose Start fails with code 42.
    explicit JpegRowReader(const std::string& path);
    /// The same over a file already open, which must stay open for the reader's life; `path` only
    /// completes the messages.
    JpegRowReader(const FileHandle& file, std::string path);
    /// The same over bytes in memory, which must outlive the reader.
    explicit JpegRowReader(std::span<const uint8_t> bytes);
    ~JpegRowReader();
    JpegRowReader(const JpegRowReader&) = delete;
    JpegRowReader& operator=(const JpegRowReader&) = delete;

    int Width() const { return Width_; }
    int Height() const { return Height_; }
    int Components() const { return Components_; }
    bool Grayscale() const { return Grayscale_; }
    /// Progressive or otherwise multi-scan: the library then holds the whole picture's coefficients.
    bool MultiScan() const { return MultiScan_; }
    const std::string& Path() const { return Path_; }

    /// What decoding will allocate, by the picture's mode: the whole-image coefficient buffer of a
    /// multi-scan picture, the sample rows of every component, upsampling and dithering, the file
    /// chunk. Known once the header is read.
    uint64_t DecodingMemoryBytes() const { return DecodingBytes_; }

    /// Applies the decoder settings and starts decompression (a multi-scan picture is read whole
    /// here). Throws EJpegError.
    void Start();

    /// Rows handed out so far.
    int RowsRead() const { return RowsRead_; }

    /// Decodes the next rows, at most `count`, into rows[0 .. n) (each at least 3 * Width bytes of
    /// red, green, blue) and returns n; 0 once every row is out. Throws EJpegError.
    int ReadRows(uint8_t* const* rows, int count);

    /// Reads to the end of the data (a fatal error after the last row still counts) and closes the
    /// file. Throws EJpegError.
    void Finish();

    struct State;  // the library's structures, kept out of this header

private:
    void ReadHeader();
    [[noreturn]] void Fail();

    std::unique_ptr<State> State_;
    std::string Path_;
    int Width_ = 0;
    int Height_ = 0;
    int Components_ = 0;
    bool Grayscale_ = false;
    bool MultiScan_ = false;
    bool Empty_ = false;
    bool Started_ = false;
    int RowsRead_ = 0;
    uint64_t DecodingBytes_ = 0;
};
