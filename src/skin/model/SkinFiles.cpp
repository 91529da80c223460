// Case-insensitive file lookup and the picture conversions of the skin loaders.
#include "SkinFiles.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "ColorTransforms.h"
#include "SkinText.h"
#include "map/codec/BmpReader.h"
#include "map/codec/JpegDecoder.h"
#include "map/codec/PngDecoder.h"

namespace fs = std::filesystem;

std::string FindFileIgnoringCase(const std::string& path) {
    std::string unified = path;
    std::replace(unified.begin(), unified.end(), '\\', '/');
    std::error_code ec;
    if (unified.empty()) return {};
    if (fs::is_regular_file(unified, ec)) return unified;
    fs::path current = unified.front() == '/' ? fs::path("/") : fs::path(".");
    std::vector<std::string> parts = SplitWords(unified, "/");
    for (const auto& part : parts) {
        fs::path exact = current / part;
        if (part == "." || part == ".." || fs::exists(exact, ec)) {
            current = exact;
            continue;
        }
        // Several names can match; take the first in byte order so that the choice is stable.
        std::string wanted = AsciiUpper(part);
        std::string best;
        for (fs::directory_iterator it(current, ec), end; !ec && it != end; it.increment(ec)) {
            std::string name = it->path().filename().string();
            if (AsciiUpper(name) == wanted && (best.empty() || name < best)) best = name;
        }
        if (best.empty()) return {};
        current /= best;
    }
    return fs::is_regular_file(current, ec) ? current.string() : std::string();
}

Bitmap32 DecodeSkinBmp(std::span<const uint8_t> bytes) {
    BmpPicture picture = ReadBmp(bytes);
    if (picture.BitsPerPixel != 32) {
        FillAlpha(picture.Bitmap, {0, 0, picture.Bitmap.Width(), picture.Bitmap.Height()}, 255, true);
    }
    return std::move(picture.Bitmap);
}

Bitmap32 DecodeSkinPng(std::span<const uint8_t> bytes) {
    Bitmap32 bitmap = DecodePng(bytes);
    ClearTransparentWhite(bitmap);
    return bitmap;
}

namespace {

// Collects the RGB rows (several can be asked for before they are filled) and converts them.
class BitmapSink : public JpegRowSink {
public:
    explicit BitmapSink(Bitmap32& target)
        : Target_(target), Rgb_(static_cast<size_t>(target.Width()) * 3 * target.Height()) {}
    uint8_t* RowBuffer(int y) override { return Rgb_.data() + static_cast<size_t>(y) * Target_.Width() * 3; }
    void RowsDecoded(int rowsDone) override {
        for (; Converted_ < rowsDone && Converted_ < Target_.Height(); ++Converted_) {
            const uint8_t* p = RowBuffer(Converted_);
            uint32_t* out = Target_.Row(Converted_);
            for (int x = 0; x < Target_.Width(); ++x, p += 3) out[x] = MakePixel(p[0], p[1], p[2], 0);
        }
    }

private:
    Bitmap32& Target_;
    std::vector<uint8_t> Rgb_;
    int Converted_ = 0;
};

}  // namespace

Bitmap32 DecodeSkinJpegPixels(const JpegImage& image) {
    Bitmap32 bitmap(image.Width, image.Height);
    BitmapSink sink(bitmap);
    image.DecodePixels(sink);
    sink.RowsDecoded(bitmap.Height());
    FillAlpha(bitmap, {0, 0, bitmap.Width(), bitmap.Height()}, 255, true);
    return bitmap;
}
