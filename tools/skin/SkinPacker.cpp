// Package writing (the program itself only reads packages) and unpacking to files.
#include "SkinPacker.h"

#include <zlib.h>

#include <algorithm>
#include <filesystem>

#include "core/CodePage.h"
#include "core/Exception.h"
#include "core/FileStreams.h"
#include "skin/SkinPackReader.h"
#include "skin/SkinText.h"

namespace fs = std::filesystem;

namespace {

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void AddEntry(std::vector<uint8_t>& out, const std::string& name, const std::vector<uint8_t>& data) {
    if (data.empty()) throw Exception("Cannot pack the empty file \"" + name + "\"");
    std::string stored = ToCodePage(name, DefaultAnsiCodePage());
    Put32(out, static_cast<uint32_t>(stored.size()));
    out.insert(out.end(), stored.begin(), stored.end());
    Put32(out, static_cast<uint32_t>(data.size()));
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    std::vector<uint8_t> packed(size);
    int rc = compress2(packed.data(), &size, data.data(), static_cast<uLong>(data.size()), Z_BEST_COMPRESSION);
    if (rc != Z_OK) throw Exception(std::string("Cannot compress \"") + name + "\": " + zError(rc));
    out.insert(out.end(), packed.begin(), packed.begin() + static_cast<long>(size));
}

bool IsPicture(const std::string& name) {
    std::string upper = AsciiUpper(name);
    for (const char* ext : {".BMP", ".PNG", ".JPG", ".JPEG"}) {
        if (upper.size() >= std::char_traits<char>::length(ext) && upper.ends_with(ext)) return true;
    }
    return false;
}

}  // namespace

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
    std::vector<uint8_t> out{'Q', 'R', 'v', 'p'};
    Put32(out, static_cast<uint32_t>(pictures.size() + 1));
    AddEntry(out, options, ReadWholeFile(JoinPath(folder, options)));
    for (const auto& name : pictures) AddEntry(out, name, ReadWholeFile(JoinPath(folder, name)));
    return out;
}

int UnpackSkinPackage(const std::string& packageFile, const std::string& folder) {
    std::unique_ptr<TsSkinPackReader> reader;
    TsSkinPackReader::LoadFromFile(packageFile, reader, true);
    if (!reader) throw Exception("Cannot open file \"" + packageFile + "\"");
    fs::create_directories(folder);
    int written = 0;
    auto write = [&](const std::string& name, const std::vector<uint8_t>& data) {
        // Entry names carry no path; anything that would leave the folder is refused.
        if (name.empty() || name == "." || name == ".." || name.find_first_of("/\\") != std::string::npos) {
            throw Exception("The package entry name \"" + name + "\" is not a plain file name");
        }
        WriteWholeFile(JoinPath(folder, name), data);
        ++written;
    };
    if (reader->OptionsText) write("Options.dat", *reader->OptionsText);
    for (const auto& image : reader->Pictures) write(image.Name, image.Data);
    return written;
}
