// The reader that unpacks a skin package (options text and pictures) into memory.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

struct TsPackedImage {
    std::string Name;           // as stored, case kept (UTF-8)
    std::vector<uint8_t> Data;  // the inflated bytes
};

using TsPackedImages = std::vector<TsPackedImage>;

class TsSkinPackReader {
public:
    static constexpr char kMagic[4] = {'Q', 'R', 'v', 'p'};

    /// The entry count minus one; the number of pictures when exactly one entry is the options.
    int PictureCount = 0;
    TsPackedImages Pictures;
    /// The inflated options text; null until an options entry has been read.
    std::unique_ptr<std::vector<uint8_t>> OptionsText;
    /// The package bytes, owned (OwnedPackage) or borrowed; empty data when absent.
    std::span<const uint8_t> PackageStream;
    bool HasPackageStream = false;
    /// Where the parse stopped; the end of the last entry after a successful Unpack.
    size_t PackagePosition = 0;
    /// The name of every entry read, the options entry included, in package order.
    std::vector<std::string> EntryNames;

    TsSkinPackReader() = default;
    ~TsSkinPackReader() { Clear(); }
    TsSkinPackReader(const TsSkinPackReader&) = delete;
    TsSkinPackReader& operator=(const TsSkinPackReader&) = delete;

    /// Does nothing when no such file exists. Otherwise creates the reader in the variable (or
    /// clears the one there), reads the file, unpacks it and, with freeSource, drops the bytes.
    static void LoadFromFile(const std::string& fileName, std::unique_ptr<TsSkinPackReader>& reader,
                             bool freeSource);

    /// Parses PackageStream. On a bad magic the reader is freed and the variable set to null
    /// before "Loaded data is not a packed Corsaval file" is raised. Counts, lengths and sizes that
    /// do not fit the data raise ESkinPackageError; bad zlib data EZDecompressionError; an entry
    /// shorter than its unpacked size EReadError.
    static void Unpack(std::unique_ptr<TsSkinPackReader>& reader);

    /// Lends the bytes as the package (not copied, not freed).
    void BorrowPackage(std::span<const uint8_t> bytes);

    /// Frees every image (last first), the options text and the package bytes.
    void Clear();

    /// The first of the first PictureCount images whose upper-cased name equals the reference
    /// exactly; null when none does.
    const TsPackedImage* FindImage(const std::string& reference) const;

private:
    void ParseEntries();
    std::vector<uint8_t> OwnedPackage_;
};
