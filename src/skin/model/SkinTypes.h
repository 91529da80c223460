// The in-memory skin model's records: global data, sections, image elements, patterns, indexes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "SkinManagerHandle.h"
#include "map/codec/JpegDecoder.h"
#include "core/Bitmap32.h"
#include "core/Color.h"
#include "core/Rect.h"

/// One gradient step; Reserved is left 0 by loading.
struct TsGradientStep {
    TColor StartColor = 0;
    TColor EndColor = 0;
    uint8_t Percent = 0;
    int32_t Mode = 0;
    int32_t Reserved = 0;
    bool operator==(const TsGradientStep&) const = default;
};
using TsGradArray = std::vector<TsGradientStep>;

/// Colours and gradients of one state (normal or hot) of a section.
struct TsGenState {
    TColor Color = 0;
    TColor FontColor = 0;
    TColor TextContourLeft = 0;
    TColor TextContourTop = 0;
    TColor TextContourRight = 0;
    TColor TextContourBottom = 0;
    int32_t GradientPercent = 0;
    std::string GradientData;
    TsGradArray GradientArray;
    int32_t ImagePercent = 0;
    TColor GlowColor = 0;
    uint8_t GlowSize = 0;
    int32_t Transparency = 0;
    bool operator==(const TsGenState&) const = default;
};
using TsProps = std::array<TsGenState, 2>;

/// One section of the options text. FontColors[0..4] stand for FONTCOLOR, TCLEFT, TCTOP, TCRIGHT,
/// TCBOTTOM (and the hot ones likewise).
struct TsGeneralData {
    std::string ParentClass;
    std::string SectionName;
    TsProps Props;
    TColor Color = 0;
    std::array<TColor, 5> FontColors{};
    std::array<TColor, 5> HotFontColors{};
    bool GiveOwnFont = false;
    int32_t Glow = 0;
    int32_t GlowMargin = 0;
    bool ReservedBoolean = false;
    int32_t Transparency = 0;
    int32_t GradientPercent = 0;
    std::string GradientData;
    TsGradArray GradientArray;
    int32_t ImagePercent = 0;
    bool ShowFocus = false;
    bool FadingEnabled = false;
    int32_t FadingIterations = 0;
    TColor HotColor = 0;
    int32_t HotTransparency = 0;
    int32_t HotGradientPercent = 0;
    std::string HotGradientData;
    TsGradArray HotGradientArray;
    int32_t HotImagePercent = 0;
    TColor HotGlowColor = 0;
    TColor GlowColor = 0;
    uint8_t HotGlowSize = 0;
    uint8_t GlowSize = 0;
    int32_t BorderIndex = -1;
    int32_t ImgTopLeft = -1;
    int32_t ImgTopRight = -1;
    int32_t ImgBottomLeft = -1;
    int32_t ImgBottomRight = -1;
    int32_t States = 0;
};
using TsGeneralDataArray = std::vector<TsGeneralData>;

/// One image element: a rectangle of the master bitmap or a picture of its own.
struct TsMaskData {
    std::optional<Bitmap32> Picture;
    std::string SectionName;
    std::string KeyName;
    TRect SourceRect;
    int16_t StateCount = 0;
    int16_t MaskLayout = 0;
    int16_t CommonBorderWidth = 0;
    int16_t PaintMode = 0;
    uint8_t ImageKind = 0;
    SkinManagerHandle OwnerManager;
    int16_t BorderLeft = 0;
    int16_t BorderTop = 0;
    int16_t BorderRight = 0;
    int16_t BorderBottom = 0;
};
using TsMaskArray = std::vector<TsMaskData>;

/// A large JPEG background; the pixels are decoded from Image when painting first needs them.
struct TsPatternData {
    JpegImage Image;
    std::string SectionName;
    std::string KeyName;
    /// The decoded pixels, kept with the loaded skin (SkinModel::PatternPixels fills it); an empty
    /// bitmap when the picture cannot be decoded.
    mutable std::optional<Bitmap32> Pixels;
};
using TsPatternArray = std::vector<TsPatternData>;

/// The global facts of a skin.
struct TsSkinData {
    std::string SkinPath;
    bool Active = false;
    double Version = 0;
    std::string Author;
    std::string Description;
    TColor Shadow1Color = 0;
    int16_t Shadow1Offset = 0;
    int16_t Shadow1Blur = -1;
    int16_t Shadow1Transparency = 0;
    int16_t BorderWidth = 4;
    int16_t TitleHeight = 30;
    int16_t MaxHeight = 0;
    int16_t FormOffset = 8;
    int16_t AlignOffset = 0;
    int16_t CenterOffset = 0;
    int16_t BorderMode = 0;
    TColor BorderColor = 0;
    int16_t TitleButtonSpacing = 0;
    int16_t TitleButtonVAlign = 0;
    int16_t TitleButtonRight = 0;
    int16_t TitleButtonLeft = 0;
    int16_t TitleButtonTop = 0;
    int16_t TitleButtonKeepHue = 0;
    int16_t CloseGlow = 0;
    int16_t CloseGlowMargin = 0;
    int16_t MaxGlow = 0;
    int16_t MaxGlowMargin = 0;
    int16_t MinGlow = 0;
    int16_t MinGlowMargin = 0;
};

/// Indexes that painting uses without searching by name; -1 when absent.
struct TsWellKnownIndexes {
    int16_t GlobalSection = -1;
    int16_t BoxCheckedMask = -1, BoxUncheckedMask = -1, BoxGrayedMask = -1;
    int16_t RadioCheckedMask = -1, RadioUncheckedMask = -1, RadioGrayedMask = -1;
    int16_t SmallCheckedMask = -1, SmallUncheckedMask = -1, SmallGrayedMask = -1;
    int16_t ExBorderMask = -1;
    int16_t ComboButtonSection = -1, ComboButtonBorder = -1, ComboButtonTexture = -1, ComboButtonHotTexture = -1;
    int16_t ComboGlyphMask = -1;
    std::array<int16_t, 4> TabSections{-1, -1, -1, -1}, TabBorders{-1, -1, -1, -1};
    std::array<int16_t, 4> ScrollButtonSections{-1, -1, -1, -1}, ScrollButtonBorders{-1, -1, -1, -1},
        ScrollArrowMasks{-1, -1, -1, -1}, ScrollButtonTextures{-1, -1, -1, -1},
        ScrollButtonHotTextures{-1, -1, -1, -1};
    std::array<int16_t, 2> SliderSections{-1, -1}, SliderBorders{-1, -1}, SliderGlyphs{-1, -1},
        SliderTextures{-1, -1}, SliderHotTextures{-1, -1};
    std::array<int16_t, 4> ScrollBarSections{-1, -1, -1, -1}, ScrollBarBorders{-1, -1, -1, -1},
        ScrollBarTextures{-1, -1, -1, -1}, ScrollBarHotTextures{-1, -1, -1, -1};
};

/// Reads ";"-separated fields (empty ones skipped), five per step: start and end colour (at
/// least 0), percent (0..100), mode; the fifth is unused and a trailing incomplete group ignored.
/// Throws EConvertError for a used field that is not an integer.
TsGradArray ParseGradientData(const std::string& text);
