// Fuzz target: the package reader alone, and the lookup of every entry it produced.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <span>

#include "skin/model/SkinPackReader.h"
#include "skin/model/SkinText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto reader = std::make_unique<TsSkinPackReader>();
    reader->BorrowPackage(std::span<const uint8_t>(data, size));
    try {
        TsSkinPackReader::Unpack(reader);
    } catch (const std::exception&) {
    }
    if (reader) {
        for (const auto& image : reader->Pictures) (void)reader->FindImage(AsciiUpper(image.Name));
        reader->Clear();
    }
    return 0;
}
