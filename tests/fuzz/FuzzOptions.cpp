// Fuzz target: an options text turned into a skin model (no pictures to be found).
#include <cstddef>
#include <cstdint>
#include <exception>
#include <span>

#include "skin/model/SkinModel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SkinOptions options = SkinOptions::FromBytes(std::span<const uint8_t>(data, size), 1252);
    try {
        SkinModel model;
        SkinLoadSettings settings;
        settings.HueOffset = 390;
        settings.Saturation = -150;
        settings.CommonSections = {"[BUTTON]", "COLOR = 5", "MASK=A#(1,2,3,4) (1,1)", "[NEWSECTION]", "STATES=1"};
        model.Load(&options, nullptr, "/nonexistent/", settings);
        for (const auto& s : model.Sections) {
            int i = model.SectionIndexOf(s.SectionName);
            (void)model.MaskIndexOf(i, s.SectionName, "BORDERSMASK");
            (void)model.PatternIndexOf(i, s.SectionName, "PATTERN");
        }
        (void)model.HighlightBackColor(true);
        (void)model.HighlightTextColor(true);
    } catch (const std::exception&) {
    }
    return 0;
}
