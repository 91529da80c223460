// Builders of small skin test inputs: BMP files, packages and pictures.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/Bitmap32.h"
#include "skin/model/SkinPackReader.h"

namespace testpic {

/// A BMP file of the bitmap: 24 bits (alpha dropped), 32 bits or 8 bits (the palette holds the
/// distinct colours in order of appearance); rows bottom-up unless topDown.
std::vector<uint8_t> MakeBmp(const Bitmap32& bitmap, int bitsPerPixel, bool topDown = false);

/// One package entry: the name, the declared unpacked size and the zlib stream.
struct Entry {
    std::string Name;
    std::vector<uint8_t> Data;
};

/// A package of the entries (the program's package writer); the magic can be changed for failure tests.
std::vector<uint8_t> MakePackage(const std::vector<Entry>& entries, const std::string& magic = "QRvp");

std::vector<uint8_t> Bytes(const std::string& text);

/// A reader that borrowed the package and unpacked it (its PackageStream still points into the package).
std::unique_ptr<TsSkinPackReader> Unpacked(const std::vector<uint8_t>& package);

/// A unique empty folder under the test's temporary directory.
std::string MakeTempFolder(const std::string& name);
void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);

/// A JPEG of the given size in one colour (red, green, blue).
std::vector<uint8_t> MakeJpeg(int width, int height, uint8_t r, uint8_t g, uint8_t b);

/// A skin folder holding the options text and the pictures (name, bytes).
std::string MakeSkinFolder(const std::string& name, const std::string& options,
                           const std::vector<std::pair<std::string, std::vector<uint8_t>>>& pictures);

/// A picture of the given size filled with one pixel value.
Bitmap32 Filled(int width, int height, uint32_t pixel);

}  // namespace testpic
