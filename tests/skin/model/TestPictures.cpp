// Builders of small skin test inputs.
#include "TestPictures.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "map/codec/JpegEncoder.h"
#include "skin/model/SkinPackWriter.h"
#include "support/TestBmp.h"

namespace testpic {

std::vector<uint8_t> MakeBmp(const Bitmap32& bitmap, int bitsPerPixel, bool topDown) {
    return WriteTestBmp(bitmap.Width(), bitmap.Height(), bitmap.Pixels(), bitsPerPixel, topDown);
}

std::vector<uint8_t> MakePackage(const std::vector<Entry>& entries, const std::string& magic) {
    SkinPackWriter writer;
    for (const auto& e : entries) writer.Add(e.Name, e.Data);
    std::vector<uint8_t> out = writer.Bytes();
    std::copy_n(magic.begin(), std::min<size_t>(magic.size(), 4), out.begin());
    return out;
}

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

std::unique_ptr<TsSkinPackReader> Unpacked(const std::vector<uint8_t>& package) {
    auto reader = std::make_unique<TsSkinPackReader>();
    reader->BorrowPackage(package);
    TsSkinPackReader::Unpack(reader);
    return reader;
}

// Removes the folders the tests made when the test program ends.
struct TempFolders {
    std::vector<std::filesystem::path> Paths;
    ~TempFolders() {
        std::error_code ec;
        for (const auto& p : Paths) std::filesystem::remove_all(p, ec);
    }
};

std::string MakeTempFolder(const std::string& name) {
    static std::atomic<int> counter{0};
    static TempFolders folders;
    auto path = std::filesystem::temp_directory_path() /
                ("quadrimo-skin-" + std::to_string(::getpid()) + "-" + name + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
    folders.Paths.push_back(path);
    return path.string();
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> MakeJpeg(int width, int height, uint8_t r, uint8_t g, uint8_t b) {
    std::vector<uint8_t> row(static_cast<size_t>(width) * 3);
    for (int x = 0; x < width; ++x) {
        row[3 * x] = r;
        row[3 * x + 1] = g;
        row[3 * x + 2] = b;
    }
    std::vector<const uint8_t*> rows(static_cast<size_t>(height), row.data());
    JpegEncoder encoder;
    auto bytes = encoder.Encode(width, height, rows.data());
    return {bytes.begin(), bytes.end()};
}

std::string MakeSkinFolder(const std::string& name, const std::string& options,
                           const std::vector<std::pair<std::string, std::vector<uint8_t>>>& pictures) {
    std::string folder = MakeTempFolder(name);
    WriteFile(folder + "/Options.dat", Bytes(options));
    for (const auto& [file, bytes] : pictures) WriteFile(folder + "/" + file, bytes);
    return folder;
}

Bitmap32 Filled(int width, int height, uint32_t pixel) { return Bitmap32(width, height, pixel); }

}  // namespace testpic
