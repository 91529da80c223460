// Writing skin packages: the writer of entries, and the package of a skin folder.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

/// Builds a package: the magic, the entry count, then each entry as its name length, name, unpacked
/// size and zlib stream (deflated at level 9, so that the same entries give the same bytes).
class SkinPackWriter {
public:
    /// Adds an entry after those added before; the name is stored byte for byte as given. Throws
    /// Exception for empty data (a package cannot hold an empty entry).
    void Add(std::string_view storedName, std::span<const uint8_t> data);
    /// The whole package.
    std::vector<uint8_t> Bytes() const;
    uint32_t Count() const { return Count_; }

private:
    std::vector<uint8_t> Entries_;
    uint32_t Count_ = 0;
};

/// The package of a skin folder: its Options.dat first, then every BMP, PNG and JPEG picture in
/// byte order of the names, names stored in the ANSI code page. Throws Exception when the folder
/// has no Options.dat or a file to pack is empty.
std::vector<uint8_t> PackSkinFolder(const std::string& folder);
