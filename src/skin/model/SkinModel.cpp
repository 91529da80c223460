// The skin model's loading entries, option readers, lookups and colour accessors.
#include "SkinModel.h"

#include <sys/stat.h>

#include <algorithm>

#include "SkinErrors.h"
#include "SkinFiles.h"
#include "SkinText.h"
#include "core/CodePage.h"
#include "core/FileStreams.h"
#include "core/SystemColors.h"

namespace {

// Parent chains that loop back (A names B, B names A) end here instead of recursing forever.
constexpr int kMaxParentDepth = 32;

const SkinOptions kNoOptions;

std::string FolderWithSeparator(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

}  // namespace

// --- Loading entries ---------------------------------------------------------------------------

void SkinModel::LoadFromPath(const std::string& path, const SkinLoadSettings& settings) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
        LoadFromFolder(path, settings);
        return;
    }
    std::vector<uint8_t> bytes = ReadWholeFile(path);
    size_t slash = path.find_last_of('/');
    LoadFromPackage(bytes, slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1), settings);
}

void SkinModel::LoadFromFolder(const std::string& folder, const SkinLoadSettings& settings) {
    std::string skinPath = FolderWithSeparator(folder);
    std::string optionsFile = FindFileIgnoringCase(skinPath + "Options.dat");
    if (optionsFile.empty()) throw ESkinLoadError("The skin folder \"" + folder + "\" holds no Options.dat");
    SkinOptions options = SkinOptions::FromBytes(ReadWholeFile(optionsFile), DefaultAnsiCodePage());
    Load(&options, nullptr, skinPath, settings);
}

void SkinModel::LoadFromPackage(std::span<const uint8_t> package, const std::string& skinPath,
                                const SkinLoadSettings& settings) {
    auto reader = std::make_unique<TsSkinPackReader>();
    reader->BorrowPackage(package);
    TsSkinPackReader::Unpack(reader);
    if (!reader->OptionsText) throw ESkinLoadError("The skin package holds no options entry");
    if (static_cast<size_t>(reader->PictureCount) != reader->Pictures.size()) {
        throw ESkinLoadError("The skin package holds more than one options entry");
    }
    SkinOptions options = SkinOptions::FromBytes(*reader->OptionsText, DefaultAnsiCodePage());
    Load(&options, reader.get(), skinPath, settings);
}

void SkinModel::Load(const SkinOptions* options, const TsSkinPackReader* reader, const std::string& skinPath,
                     const SkinLoadSettings& settings) {
    SkinData = TsSkinData{};
    SkinData.SkinPath = skinPath;
    Options_ = options;
    Reader_ = reader;
    Owner_ = settings.OwnerManager;
    HueOffset_ = settings.HueOffset;
    Saturation_ = settings.Saturation;
    Common_.reset();
    if (!settings.CommonSections.empty()) {
        std::vector<std::string> lines = settings.CommonSections;
        for (auto& line : lines) {
            if (!line.empty() && line.front() == ';') continue;
            line.erase(std::remove(line.begin(), line.end(), ' '), line.end());
        }
        Common_ = std::make_unique<SkinOptions>(SkinOptions::FromLines(lines));
    }
    struct Reset {
        SkinModel& M;
        ~Reset() {
            M.Options_ = nullptr;
            M.Reader_ = nullptr;
            M.Common_.reset();
        }
    } reset{*this};
    LoadMasks();
    LoadPatterns();
    LoadSections();
    UpdateWellKnownIndexes();
    SkinData.Active = true;
}

const SkinOptions& SkinModel::Opt() const { return Options_ != nullptr ? *Options_ : kNoOptions; }

void SkinModel::FreeMasks() {
    while (!Masks.empty()) Masks.pop_back();
    MasterBitmap = Bitmap32();
}

void SkinModel::FreePatterns() {
    while (!Patterns.empty()) Patterns.pop_back();
}

// --- Readers ------------------------------------------------------------------------------------

std::string SkinModel::ReadSkinString(const std::string& section, const std::string& key,
                                      const std::string& defaultValue) const {
    return ReadSkinStringAt(section, key, defaultValue, 0);
}

std::string SkinModel::ReadSkinStringAt(const std::string& section, const std::string& key,
                                        const std::string& defaultValue, int depth) const {
    std::string value = Opt().ReadString(section, key, "?");
    if (value != "?") return value;
    std::string parent = Opt().ReadString(section, "PARENTCLASS", "");
    if (!parent.empty() && parent != "?" && parent != section && depth < kMaxParentDepth) {
        return ReadSkinStringAt(parent, key, defaultValue, depth + 1);
    }
    return defaultValue;
}

int SkinModel::ReadSkinInteger(const std::string& section, const std::string& key, int defaultValue) const {
    return ReadSkinIntegerAt(section, key, defaultValue, 0);
}

int SkinModel::ReadSkinIntegerAt(const std::string& section, const std::string& key, int defaultValue,
                                 int depth) const {
    int value = Opt().ReadInteger(section, key, -1);
    if (value != -1) return value;
    std::string parent = Opt().ReadString(section, "PARENTCLASS", "");
    if (!parent.empty() && parent != "?" && parent != section && depth < kMaxParentDepth) {
        value = ReadSkinIntegerAt(parent, key, -1, depth + 1);
        if (value != -1) return static_cast<int>(ColorToRGB(static_cast<TColor>(value)));
    }
    return defaultValue;
}

bool SkinModel::ReadSkinBoolean(const std::string& section, const std::string& key) const {
    std::string value = AsciiUpper(ReadSkinString(section, key, "0"));
    return value == "1" || value == "TRUE";
}

// --- Lookups ------------------------------------------------------------------------------------

int SkinModel::SectionIndexOf(const std::string& sectionName) const {
    for (size_t i = 0; i < Sections.size(); ++i) {
        if (Sections[i].SectionName == sectionName) return static_cast<int>(i);
    }
    return -1;
}

int SkinModel::MaskIndexOf(const std::string& sectionName, const std::string& keyName) const {
    for (size_t i = 0; i < Masks.size(); ++i) {
        if (Masks[i].SectionName == sectionName && Masks[i].KeyName == keyName) return static_cast<int>(i);
    }
    return -1;
}

int SkinModel::InheritedLookup(int skinIndex, const std::string& sectionName, const std::string& keyName,
                               int kind, bool patterns, int depth) const {
    if (skinIndex < 0 || sectionName.empty()) return -1;
    if (patterns) {
        for (size_t i = 0; i < Patterns.size(); ++i) {
            if (Patterns[i].SectionName == sectionName && Patterns[i].KeyName == keyName) return static_cast<int>(i);
        }
    } else {
        for (size_t i = 0; i < Masks.size(); ++i) {
            if (Masks[i].SectionName == sectionName && Masks[i].KeyName == keyName && (kind < 0 || Masks[i].ImageKind == kind)) {
                return static_cast<int>(i);
            }
        }
    }
    if (static_cast<size_t>(skinIndex) >= Sections.size()) return -1;
    const std::string& parent = Sections[static_cast<size_t>(skinIndex)].ParentClass;
    if (parent.empty() || parent == sectionName || depth >= kMaxParentDepth) return -1;
    int parentIndex = SectionIndexOf(parent);
    if (parentIndex < 0) return -1;
    return InheritedLookup(parentIndex, parent, keyName, kind, patterns, depth + 1);
}

int SkinModel::MaskIndexOf(int skinIndex, const std::string& sectionName, const std::string& keyName) const {
    return InheritedLookup(skinIndex, sectionName, keyName, -1, false, 0);
}

int SkinModel::TextureIndexOf(int skinIndex, const std::string& sectionName, const std::string& keyName) const {
    return InheritedLookup(skinIndex, sectionName, keyName, 1, false, 0);
}

int SkinModel::PatternIndexOf(int skinIndex, const std::string& sectionName, const std::string& keyName) const {
    return InheritedLookup(skinIndex, sectionName, keyName, -1, true, 0);
}

const TsMaskData* SkinModel::MaskAt(int index) const {
    return index >= 0 && index < static_cast<int>(Masks.size()) ? &Masks[static_cast<size_t>(index)] : nullptr;
}

const TsGeneralData* SkinModel::SectionAt(int index) const {
    return index >= 0 && index < static_cast<int>(Sections.size()) ? &Sections[static_cast<size_t>(index)] : nullptr;
}

const Bitmap32* SkinModel::PatternPixels(int index) const {
    if (index < 0 || index >= static_cast<int>(Patterns.size())) return nullptr;
    const TsPatternData& pattern = Patterns[static_cast<size_t>(index)];
    // Decoding a picture of a million pixels at every paint would make fades crawl.
    if (!pattern.Pixels) {
        try {
            pattern.Pixels = DecodeSkinJpegPixels(pattern.Image);
        } catch (const std::exception&) {
            pattern.Pixels = Bitmap32();  // an undecodable picture paints as no pattern, without retrying
        }
    }
    return pattern.Pixels->Empty() ? nullptr : &*pattern.Pixels;
}

// --- Colours ------------------------------------------------------------------------------------

TColor SkinModel::GlobalBackColor() const {
    int i = SectionIndexOf("GLOBALINFO");
    return i < 0 ? ColorToRGB(clBtnFace) : Sections[static_cast<size_t>(i)].Color;
}

TColor SkinModel::GlobalTextColor() const {
    int i = SectionIndexOf("GLOBALINFO");
    return i < 0 ? clFuchsia : ColorToRGB(Sections[static_cast<size_t>(i)].FontColors[0]);
}

TColor SkinModel::GlobalHotBackColor() const {
    int i = SectionIndexOf("GLOBALINFO");
    return ColorToRGB(i < 0 ? clWindow : Sections[static_cast<size_t>(i)].HotColor);
}

TColor SkinModel::EditTextColor() const {
    int i = SectionIndexOf("EDIT");
    return i < 0 ? clWindowText : ColorToRGB(Sections[static_cast<size_t>(i)].Props[0].FontColor);
}

TColor SkinModel::HighlightBackColor(bool focused) const {
    constexpr TColor kNoColor = 0xFFFFFFFF;
    TColor result = kNoColor;
    int sel = SectionIndexOf("SELECTION");
    if (sel >= 0) {
        const auto& s = Sections[static_cast<size_t>(sel)];
        result = s.Props[focused && s.States > 1 ? 1 : 0].Color;
    }
    if (sel < 0 || result == kNoColor || result == clFuchsia) {
        int item = SectionIndexOf("MENUITEM");
        result = item < 0 ? kNoColor : Sections[static_cast<size_t>(item)].HotColor;
        if (result == clFuchsia || result == clWhite || result == kNoColor) result = clHighlight;
    }
    return ColorToRGB(result);
}

TColor SkinModel::HighlightTextColor(bool focused) const {
    constexpr TColor kNoColor = 0xFFFFFFFF;
    TColor result = kNoColor;
    int sel = SectionIndexOf("SELECTION");
    if (sel >= 0) {
        const auto& s = Sections[static_cast<size_t>(sel)];
        result = s.Props[focused && s.States > 1 ? 1 : 0].FontColor;
    }
    if (result != kNoColor && result != clFuchsia) return result;
    int item = SectionIndexOf("MENUITEM");
    if (item >= 0) {
        TColor hot = Sections[static_cast<size_t>(item)].HotFontColors[0];
        if (hot != kNoColor && hot != clFuchsia) return ColorToRGB(hot);
    }
    return clHighlightText;
}
