// Internal glue of the PNG readers: the library's read structures over bytes in memory, set up with
// the program's limits and ignored chunks, their memory counted and their errors turned into a long jump.
#pragma once

#include <png.h>

#include <cstddef>
#include <cstdint>
#include <span>

#include "PngDecoder.h"

/// One read of a PNG held in memory. The library's fatal errors copy their text into Message and jump
/// to png_jmpbuf(Png), so every call into the library must follow a setjmp on it in a frame without
/// objects that have destructors; warnings are dropped. Throws EInvalidGraphic when the library cannot
/// be set up.
class PngReadStructs {
public:
    /// Counts the library's memory into *stats (when given) until destruction.
    PngReadStructs(std::span<const uint8_t> bytes, const PngLimits& limits, PngMemoryStats* stats);
    ~PngReadStructs();
    PngReadStructs(const PngReadStructs&) = delete;
    PngReadStructs& operator=(const PngReadStructs&) = delete;

    png_structp Png = nullptr;
    png_infop Info = nullptr;
    char Message[128] = "";

private:
    void Release();
    static png_voidp Allocate(png_structp png, png_alloc_size_t size);
    static void Free(png_structp png, png_voidp block);
    static void Read(png_structp png, png_bytep data, size_t length);
    static void Error(png_structp png, png_const_charp message);
    static void Warning(png_structp png, png_const_charp message);

    std::span<const uint8_t> Bytes_;
    size_t Offset_ = 0;
    size_t MaxRequest_ = 0;
    size_t CurrentBytes_ = 0;
    PngMemoryStats Stats_;
    PngMemoryStats* Report_;
};
