// The skin model: global data, sections, image elements, patterns, master bitmap and the loaders.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "SkinOptions.h"
#include "SkinPackReader.h"
#include "SkinTypes.h"

/// What a load takes besides the skin itself.
struct SkinLoadSettings {
    int HueOffset = 0;
    int Saturation = 0;
    /// Extra INI lines laid over the skin (spaces are removed from every non-comment line).
    std::vector<std::string> CommonSections;
    /// Stored in every mask's OwnerManager.
    SkinManagerHandle OwnerManager;
};

class SkinModel {
public:
    TsSkinData SkinData;
    TsGeneralDataArray Sections;
    TsMaskArray Masks;
    TsPatternArray Patterns;
    Bitmap32 MasterBitmap;  // empty when the skin has none
    TColor MasterTransparentColor = clFuchsia;
    TsWellKnownIndexes WellKnown;

    // --- Loading entries -------------------------------------------------------------------
    /// A package file or a skin folder, whichever the path names.
    void LoadFromPath(const std::string& path, const SkinLoadSettings& settings);
    /// A skin folder holding Options.dat; picture names are matched without regard to case.
    void LoadFromFolder(const std::string& folder, const SkinLoadSettings& settings);
    /// Package bytes (not copied); skinPath resolves the common sections' file names.
    void LoadFromPackage(std::span<const uint8_t> package, const std::string& skinPath,
                         const SkinLoadSettings& settings);
    /// The loaders in their order over an options object and, when taken from a package, its reader.
    void Load(const SkinOptions* options, const TsSkinPackReader* reader, const std::string& skinPath,
              const SkinLoadSettings& settings);

    // --- Loaders ------------------------------------------------------------------------------
    void LoadMasks();
    void LoadPatterns();
    void LoadSections();
    void UpdateWellKnownIndexes();
    void FreeMasks();
    void FreePatterns();

    // --- Readers over the skin's options (parents through PARENTCLASS) --------------------------
    std::string ReadSkinString(const std::string& section, const std::string& key, const std::string& defaultValue) const;
    int ReadSkinInteger(const std::string& section, const std::string& key, int defaultValue) const;
    bool ReadSkinBoolean(const std::string& section, const std::string& key) const;

    // --- Lookups (-1 when nothing matches) -------------------------------------------------------
    int SectionIndexOf(const std::string& sectionName) const;
    int MaskIndexOf(const std::string& sectionName, const std::string& keyName) const;
    int MaskIndexOf(int skinIndex, const std::string& sectionName, const std::string& keyName) const;
    int TextureIndexOf(int skinIndex, const std::string& sectionName, const std::string& keyName) const;
    int PatternIndexOf(int skinIndex, const std::string& sectionName, const std::string& keyName) const;

    /// The image element or section at index; null for an index outside its table (-1 included).
    const TsMaskData* MaskAt(int index) const;
    const TsGeneralData* SectionAt(int index) const;

    /// The pixels of large pattern picture index, decoded at the first call and kept for as long as
    /// this skin is loaded; null for an index outside the table or a picture that cannot be decoded.
    const Bitmap32* PatternPixels(int index) const;

    // --- Colours ----------------------------------------------------------------------------------
    TColor GlobalBackColor() const;
    TColor GlobalTextColor() const;
    TColor GlobalHotBackColor() const;
    TColor EditTextColor() const;
    TColor HighlightBackColor(bool focused) const;
    TColor HighlightTextColor(bool focused) const;

private:
    // Where pictures come from during a load.
    const SkinOptions* Options_ = nullptr;
    const TsSkinPackReader* Reader_ = nullptr;
    std::unique_ptr<SkinOptions> Common_;
    SkinManagerHandle Owner_;
    int HueOffset_ = 0;
    int Saturation_ = 0;

    std::string ReadSkinStringAt(const std::string& section, const std::string& key,
                                 const std::string& defaultValue, int depth) const;
    int ReadSkinIntegerAt(const std::string& section, const std::string& key, int defaultValue, int depth) const;
    int InheritedLookup(int skinIndex, const std::string& sectionName, const std::string& keyName,
                        int kind, bool patterns, int depth) const;
    void AddMaskFromValue(const std::string& section, const std::string& key, const std::string& value);
    void AddExternalPicture(const std::string& section, const std::string& key, const std::string& value);
    void AddBitmapFile(const std::string& section, const std::string& key, const std::string& value, bool filesOnly);
    void AddBracketMask(const std::string& section, const std::string& key, const std::string& value);
    void AddPattern(const std::string& section, const std::string& key, const std::string& value, bool filesOnly);
    void LoadMasterBitmap();
    void ReadGlobalInfo();
    TsGeneralData ReadSection(const std::string& name) const;
    void SetBorderIndexes();
    std::vector<uint8_t> ReadPicture(const std::string& packageName, const std::string& fileName,
                                     bool filesOnly, bool& found) const;
    const SkinOptions& Opt() const;
};

/// Turns every colour and picture of the model by offset degrees (title-button glyphs may keep
/// their hue); nothing happens for offset 0.
void ApplySkinHue(SkinModel& model, int offset);
/// Changes the saturation of every colour and picture by amount (taken modulo 101).
void ApplySkinSaturation(SkinModel& model, int amount);
