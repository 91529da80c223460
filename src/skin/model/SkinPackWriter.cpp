// Writing skin packages (the program itself only reads them; the build, the tools and the tests write).
#include "SkinPackWriter.h"

#include <zlib.h>

#include <algorithm>
#include <filesystem>

#include "SkinPackReader.h"
#include "SkinText.h"
#include "core/CodePage.h"
#include "core/Exception.h"
#include "core/FileStreams.h"

namespace fs = std::filesystem;

namespace {

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

bool IsPicture(const std::string& name) {
    std::string upper = AsciiUpper(name);
    for (const char* ext : {".BMP", ".PNG", ".JPG", ".JPEG"}) {
        if (upper.size() >= std::char_traits<char>::length(ext) && upper.ends_with(ext)) return true;
    }
    return false;
}

}  // namespace

void SkinPackWriter::Add(std::string_view storedName, std::span<const uint8_t> data) {
    // The reader refuses entries that unpack to nothing.
    if (data.empty()) throw Exception("Cannot pack the empty file \"" + std::string(storedName) + "\"");
    Put32(Entries_, static_cast<uint32_t>(storedName.size()));
    Entries_.insert(Entries_.end(), storedName.begin(), storedName.end());
    Put32(Entries_, static_cast<uint32_t>(data.size()));
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    std::vector<uint8_t> packed(size);
    int rc = compress2(packed.data(), &size, data.data(), static_cast<uLong>(data.size()), Z_BEST_COMPRESSION);
    if (rc != Z_OK) throw Exception("Cannot compress \"" + std::string(storedName) + "\": " + zError(rc));
    Entries_.insert(Entries_.end(), packed.begin(), packed.begin() + static_cast<long>(size));
    ++Count_;
}

std::vector<uint8_t> SkinPackWriter::Bytes() const {
    std::vector<uint8_t> out(std::begin(TsSkinPackReader::kMagic), std::end(TsSkinPackReader::kMagic));
    Put32(out, Count_);
    out.insert(out.end(), Entries_.begin(), Entries_.end());
    return out;
}

std::vector<uint8_t> PackSkinFolder(const std::string& folder) {
    std::string options;
    std::vector<std::string> pictures;
    for (const auto& item : fs::directory_iterator(folder)) {
        if (!item.is_regular_file()) continue;
        std::string name = item.path().filename().string();
        if (AsciiUpper(name) == "OPTIONS.DAT") {
            if (options.empty() || name < options) options = name;
        } else if (IsPicture(name)) {
            pictures.push_back(name);
        }
    }
    if (options.empty()) throw Exception("The skin folder \"" + folder + "\" holds no Options.dat");
    std::sort(pictures.begin(), pictures.end());
    pictures.insert(pictures.begin(), options);
    SkinPackWriter writer;
    for (const auto& name : pictures) writer.Add(ToCodePage(name, DefaultAnsiCodePage()), ReadWholeFile(JoinPath(folder, name)));
    return writer.Bytes();
}
