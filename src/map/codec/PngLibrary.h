// Internal glue of the PNG readers: the library's read structures over bytes in memory or an open file,
// set up with the program's limits and ignored chunks, their memory counted and their errors turned into
// a long jump.
#pragma once

#include <png.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "PngDecoder.h"

/// One read of a PNG held in memory or read from an open file. The library's fatal errors copy their
/// text into Message and jump to png_jmpbuf(Png), so every call into the library must follow a setjmp
/// on it in a frame without objects that have destructors; warnings are kept only in LastWarning.
/// Throws EInvalidGraphic when the library cannot be set up.
class PngReadStructs {
public:
    /// Counts the library's memory into *stats (when given) until destruction.
    PngReadStructs(std::span<const uint8_t> bytes, const PngLimits& limits, PngMemoryStats* stats);
    /// The same over an open file descriptor, read from its start in pieces of 64 KiB; the file must
    /// stay open for the structures' life.
    PngReadStructs(int fd, const PngLimits& limits, PngMemoryStats* stats);
    ~PngReadStructs();
    PngReadStructs(const PngReadStructs&) = delete;
    PngReadStructs& operator=(const PngReadStructs&) = delete;

    png_structp Png = nullptr;
    png_infop Info = nullptr;
    char Message[128] = "";
    /// The library's last warning: the reason behind some of its errors ("Invalid IHDR data").
    char LastWarning[128] = "";
    /// The last error was the data running out (a file cut short), not damage.
    bool EndOfData = false;

private:
    void SetUp(const PngLimits& limits);
    void Release();
    bool FillFromFile();
    static png_voidp Allocate(png_structp png, png_alloc_size_t size);
    static void Free(png_structp png, png_voidp block);
    static void Read(png_structp png, png_bytep data, size_t length);
    static void Error(png_structp png, png_const_charp message);
    static void Warning(png_structp png, png_const_charp message);

    std::span<const uint8_t> Bytes_;  // the data, or the file piece read last
    size_t Offset_ = 0;
    int Fd_ = -1;
    uint64_t FileOffset_ = 0;
    std::vector<uint8_t> FileBuffer_;
    size_t MaxRequest_ = 0;
    size_t CurrentBytes_ = 0;
    PngMemoryStats Stats_;
    PngMemoryStats* Report_;
};
