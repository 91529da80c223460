// Unpacking of skin packages: magic, entry count, then named zlib streams one after another.
#include "SkinPackReader.h"

#include <zlib.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstring>

#include "SkinErrors.h"
#include "SkinText.h"
#include "core/CodePage.h"
#include "core/FileStreams.h"
#include "core/TextDecoding.h"

namespace {

// Smallest entry: name length, one name byte, unpacked size, and the shortest zlib stream.
constexpr size_t kMinEntrySize = 4 + 1 + 4 + 8;
// No skin picture or options text comes near this; it keeps forged sizes from exhausting memory.
constexpr int32_t kMaxUnpackedSize = 256 * 1024 * 1024;
// Nor does a whole skin: many entries just under the limit would otherwise add up to gigabytes.
constexpr uint64_t kMaxTotalUnpackedSize = 256 * 1024 * 1024;
// Deflate cannot expand data by more than about this factor.
constexpr size_t kMaxDeflateRatio = 1032;

struct Cursor {
    std::span<const uint8_t> Data;
    size_t Pos = 0;
    size_t Left() const { return Data.size() - Pos; }
    bool ReadInt(int32_t& value) {
        if (Left() < 4) return false;
        const uint8_t* p = Data.data() + Pos;
        value = static_cast<int32_t>(uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 |
                                     uint32_t{p[3]} << 24);
        Pos += 4;
        return true;
    }
};

[[noreturn]] void Broken(const std::string& what) { throw ESkinPackageError("Damaged skin package: " + what); }

class Inflater {
public:
    Inflater() {
        std::memset(&Stream_, 0, sizeof Stream_);
        int rc = inflateInit(&Stream_);
        if (rc != Z_OK) throw EZDecompressionError(zError(rc));
    }
    ~Inflater() { inflateEnd(&Stream_); }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    // Inflates exactly size bytes from the input, then runs on to the end of the zlib stream so
    // that the input is consumed up to its last byte. Returns the number of input bytes used.
    size_t Run(std::span<const uint8_t> input, std::vector<uint8_t>& out, size_t size) {
        Stream_.next_in = const_cast<Bytef*>(input.data());
        Stream_.avail_in = static_cast<uInt>(std::min<size_t>(input.size(), UINT32_MAX));
        out.resize(size);
        bool ended = Step(out.data(), size);
        if (Stream_.total_out < size) throw EReadError();
        uint8_t scratch[4096];
        while (!ended) {
            uLong before = Stream_.total_out;
            ended = Step(scratch, sizeof scratch);
            // The input ran out before the stream's end (its checksum is cut off, say).
            if (!ended && Stream_.total_out == before) throw EZDecompressionError(zError(Z_BUF_ERROR));
        }
        return Stream_.total_in;
    }

private:
    // Inflates into the buffer until it is full, the stream ends or the input runs out.
    bool Step(uint8_t* buffer, size_t size) {
        Stream_.next_out = buffer;
        Stream_.avail_out = static_cast<uInt>(size);
        while (Stream_.avail_out > 0) {
            int rc = inflate(&Stream_, Z_NO_FLUSH);
            if (rc == Z_STREAM_END) return true;
            if (rc == Z_BUF_ERROR) return false;  // no progress possible: the input is used up
            if (rc != Z_OK) throw EZDecompressionError(zError(rc));
        }
        return false;
    }

    z_stream Stream_;
};

}  // namespace

void TsSkinPackReader::LoadFromFile(const std::string& fileName, std::unique_ptr<TsSkinPackReader>& reader,
                                    bool freeSource) {
    struct stat info {};
    if (::stat(fileName.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return;
    if (reader) {
        reader->Clear();
    } else {
        reader = std::make_unique<TsSkinPackReader>();
    }
    reader->OwnedPackage_ = ReadWholeFile(fileName);
    reader->PackageStream = reader->OwnedPackage_;
    reader->HasPackageStream = true;
    Unpack(reader);
    if (freeSource && reader) {
        reader->OwnedPackage_ = {};
        reader->PackageStream = {};
        reader->HasPackageStream = false;
    }
}

void TsSkinPackReader::Unpack(std::unique_ptr<TsSkinPackReader>& reader) {
    const auto& data = reader->PackageStream;
    reader->PackagePosition = 0;
    if (data.size() < 4 || std::memcmp(data.data(), kMagic, 4) != 0) {
        reader.reset();
        throw ESkinPackageError("Loaded data is not a packed Corsaval file");
    }
    reader->PackagePosition = 4;
    reader->ParseEntries();
}

void TsSkinPackReader::ParseEntries() {
    Cursor in{PackageStream, PackagePosition};
    int32_t count = 0;
    if (!in.ReadInt(count)) Broken("the entry count is missing");
    PackagePosition = in.Pos;
    if (count < 0) Broken("negative entry count " + std::to_string(count));
    PictureCount = count - 1;
    if (static_cast<size_t>(count) > in.Left() / kMinEntrySize) {
        Broken("entry count " + std::to_string(count) + " does not fit the data");
    }
    int ansi = DefaultAnsiCodePage();
    uint64_t total = 0;
    for (int32_t i = 0; i < count; ++i) {
        std::string entry = "entry " + std::to_string(i + 1);
        int32_t nameLength = 0;
        if (!in.ReadInt(nameLength)) Broken(entry + " is cut off before its name length");
        if (nameLength <= 0) Broken(entry + " has a name length of " + std::to_string(nameLength));
        if (static_cast<size_t>(nameLength) > in.Left()) Broken(entry + " has a name running past the end of the data");
        std::string rawName(reinterpret_cast<const char*>(in.Data.data() + in.Pos), static_cast<size_t>(nameLength));
        in.Pos += static_cast<size_t>(nameLength);
        std::string name = FromCodePage(rawName, ansi);
        EntryNames.push_back(name);
        entry += " \"" + name + "\"";
        int32_t size = 0;
        if (!in.ReadInt(size)) Broken(entry + " is cut off before its unpacked size");
        if (size <= 0) Broken(entry + " has an unpacked size of " + std::to_string(size));
        if (size > kMaxUnpackedSize) Broken(entry + " is too large (" + std::to_string(size) + " bytes)");
        total += static_cast<uint64_t>(size);
        if (total > kMaxTotalUnpackedSize) {
            Broken(entry + " takes the unpacked size of the package past " +
                   std::to_string(kMaxTotalUnpackedSize >> 20) + " MiB");
        }
        PackagePosition = in.Pos;
        // A size that the remaining bytes cannot inflate to would fail anyway: fail before allocating.
        if (static_cast<size_t>(size) > in.Left() * kMaxDeflateRatio + 64) throw EReadError();

        std::vector<uint8_t> bytes;
        Inflater inflater;
        in.Pos += inflater.Run(in.Data.subspan(in.Pos), bytes, static_cast<size_t>(size));
        PackagePosition = in.Pos;
        if (AsciiUpper(name) == "OPTIONS.DAT") {
            OptionsText = std::make_unique<std::vector<uint8_t>>(std::move(bytes));
        } else {
            Pictures.push_back(TsPackedImage{std::move(name), std::move(bytes)});
        }
    }
}

void TsSkinPackReader::BorrowPackage(std::span<const uint8_t> bytes) {
    OwnedPackage_ = {};
    PackageStream = bytes;
    HasPackageStream = true;
}

void TsSkinPackReader::Clear() {
    while (!Pictures.empty()) Pictures.pop_back();
    EntryNames.clear();
    OptionsText.reset();
    OwnedPackage_ = {};
    PackageStream = {};
    HasPackageStream = false;
}

const TsPackedImage* TsSkinPackReader::FindImage(const std::string& reference) const {
    size_t limit = std::min(Pictures.size(), static_cast<size_t>(std::max(PictureCount, 0)));
    for (size_t i = 0; i < limit; ++i) {
        if (AsciiUpper(Pictures[i].Name) == reference) return &Pictures[i];
    }
    return nullptr;
}
