// The skin tool's paint command: a section face over a chosen background, written as a PNG.
#include "PaintCommand.h"

#include <algorithm>
#include <cctype>
#include <iostream>
#include <optional>

#include "map/codec/PngEncoder.h"
#include "core/FileStreams.h"
#include "core/IntegerText.h"
#include "map/codec/PngDecoder.h"
#include "skin/model/SkinModel.h"
#include "skin/paint/ControlFace.h"

const char* const kPaintUsage =
    "       quadrimo-skin paint SOURCE SECTION --size WxH [--state S] [--parent-color 0xBBGGRR |\n"
    "                     --parent-image FILE.png] [--hue N] [--saturation N] [--skin-hue N] --out FILE.png\n";

namespace {

struct PaintArguments {
    std::string Source;
    std::string Section;
    int Width = 0;
    int Height = 0;
    int State = 0;
    std::optional<TColor> ParentColor;
    std::string ParentImage;
    int Hue = 0;
    int Saturation = 0;
    int SkinHue = 0;
    std::string Out;
};

bool ParseSize(const std::string& text, int& width, int& height) {
    size_t x = text.find_first_of("xX");
    if (x == std::string::npos) return false;
    auto w = TryStrToInt(text.substr(0, x)), h = TryStrToInt(text.substr(x + 1));
    if (!w || !h || *w < 1 || *h < 1 || static_cast<long long>(*w) * *h > kMaxBitmapPixels) return false;
    width = *w;
    height = *h;
    return true;
}

std::optional<PaintArguments> Parse(const std::vector<std::string>& args) {
    PaintArguments a;
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        auto number = [&](int& out) {
            auto v = hasValue ? TryStrToInt(args[++i]) : std::nullopt;
            if (v) out = *v;
            return v.has_value();
        };
        bool ok = true;
        if (arg == "--size") {
            ok = hasValue && ParseSize(args[++i], a.Width, a.Height);
        } else if (arg == "--state") {
            ok = number(a.State);
        } else if (arg == "--hue") {
            ok = number(a.Hue);
        } else if (arg == "--saturation") {
            ok = number(a.Saturation);
        } else if (arg == "--skin-hue") {
            ok = number(a.SkinHue);
        } else if (arg == "--parent-color") {
            int c = 0;
            ok = number(c);
            a.ParentColor = static_cast<TColor>(c);
        } else if (arg == "--parent-image" && hasValue) {
            a.ParentImage = args[++i];
        } else if (arg == "--out" && hasValue) {
            a.Out = args[++i];
        } else if (arg.rfind("--", 0) == 0) {
            ok = false;
        } else {
            positional.push_back(arg);
        }
        if (!ok) return std::nullopt;
    }
    if (positional.size() != 2 || a.Width == 0 || a.Out.empty() || (a.ParentColor && !a.ParentImage.empty())) {
        return std::nullopt;
    }
    a.Source = positional[0];
    a.Section = positional[1];
    std::transform(a.Section.begin(), a.Section.end(), a.Section.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return a;
}

}  // namespace

int RunPaintCommand(const std::vector<std::string>& args) {
    std::optional<PaintArguments> a = Parse(args);
    if (!a) {
        std::cerr << "usage:\n" << kPaintUsage;
        return 2;
    }
    // Masks need an owner to be painted; the model itself stands in for the manager.
    SkinModel model;
    SkinLoadSettings settings;
    settings.HueOffset = a->SkinHue;
    settings.OwnerManager = SkinManagerHandle::Standalone();
    model.LoadFromPath(a->Source, settings);

    SectionBinding binding = BindSection(model, a->Section);
    if (binding.SectionIndex < 0) {
        std::cerr << "The skin has no section " << a->Section << ".\n";
        return 1;
    }
    binding.HueOffset = a->Hue;
    binding.Saturation = a->Saturation;

    // Without a parent option nothing is known of the background.
    BackgroundInfo background;
    Bitmap32 parent;
    if (a->ParentColor) {
        background.FillColor = *a->ParentColor;
    } else if (!a->ParentImage.empty()) {
        parent = DecodePng(ReadWholeFile(a->ParentImage));
        background.Bitmap = &parent;
        background.HasBitmap = true;
    }
    Bitmap32 face(a->Width, a->Height);
    PaintControlFace(binding, background, a->State, face, {0, 0}, {0, 0, a->Width, a->Height});
    WriteWholeFile(a->Out, EncodePng(face));
    return 0;
}
