// Fuzz target: a whole skin load from package bytes (reader, options, pictures, recolouring).
#include <cstddef>
#include <cstdint>
#include <exception>
#include <span>

#include "skin/model/SkinModel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        SkinModel model;
        SkinLoadSettings settings;
        settings.HueOffset = 390;
        settings.Saturation = 30;
        model.LoadFromPackage(std::span<const uint8_t>(data, size), "/nonexistent/", settings);
    } catch (const std::exception&) {
        // Rejecting bad input with a message is the expected outcome.
    }
    return 0;
}
