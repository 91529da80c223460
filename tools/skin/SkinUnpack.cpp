// Writing the entries of a skin package back out as files.
#include "SkinUnpack.h"

#include <filesystem>
#include <memory>

#include "core/Exception.h"
#include "core/FileStreams.h"
#include "skin/model/SkinPackReader.h"

int UnpackSkinPackage(const std::string& packageFile, const std::string& folder) {
    std::unique_ptr<TsSkinPackReader> reader;
    TsSkinPackReader::LoadFromFile(packageFile, reader, true);
    if (!reader) throw Exception("Cannot open file \"" + packageFile + "\"");
    std::filesystem::create_directories(folder);
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
