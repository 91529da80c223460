// Loading of the master bitmap, the image elements and the patterns from the options.
#include "SkinModel.h"

#include <algorithm>

#include "SkinErrors.h"
#include "SkinFiles.h"
#include "SkinText.h"
#include "core/FileStreams.h"
#include "core/IntegerText.h"

namespace {

// Pictures of 900000 pixels or more stay JPEG patterns; smaller ones become textures.
constexpr long long kPatternPixels = 900000;

int16_t Int16(int v) { return static_cast<int16_t>(v); }

int FieldAt(std::string_view value, size_t from, size_t count) { return StrToInt(CopyAt(value, from, count)); }

[[noreturn]] void NoStates(const std::string& section, const std::string& key) {
    throw ESkinLoadError("Skin value " + section + "/" + key +
                         ": its border widths cannot be computed with a state count of 0");
}

// Widths of a border mask whose four widths are 0: the common width, or a share of the picture.
void ComputeBorders(TsMaskData& m, const std::string& section, const std::string& key) {
    if (m.BorderLeft + m.BorderTop + m.BorderRight + m.BorderBottom != 0) return;
    if (m.CommonBorderWidth != 0) {
        m.BorderLeft = m.BorderTop = m.BorderRight = m.BorderBottom = m.CommonBorderWidth;
        return;
    }
    int across = m.StateCount * 3;
    int down = (m.MaskLayout + 1) * 3;
    if (across == 0 || down == 0) NoStates(section, key);
    m.BorderLeft = m.BorderRight = Int16(m.SourceRect.Width() / across);
    m.BorderTop = m.BorderBottom = Int16(m.SourceRect.Height() / down);
}

TRect RectAt(std::string_view value) {
    return {FieldAt(value, 2, 4), FieldAt(value, 7, 4), FieldAt(value, 12, 4), FieldAt(value, 17, 4)};
}

bool IsJpegName(const std::string& upper) { return Contains(upper, ".JPG") || Contains(upper, ".JPEG"); }

}  // namespace

std::vector<uint8_t> SkinModel::ReadPicture(const std::string& packageName, const std::string& fileName,
                                            bool filesOnly, bool& found) const {
    found = false;
    if (Reader_ != nullptr && !filesOnly) {
        const TsPackedImage* image = Reader_->FindImage(packageName);
        if (image == nullptr) return {};
        found = true;
        return image->Data;
    }
    if (fileName.empty()) return {};
    std::string path = Contains(fileName, ":") ? fileName : SkinData.SkinPath + fileName;
    std::string actual = FindFileIgnoringCase(path);
    if (actual.empty()) return {};
    found = true;
    return ReadWholeFile(actual);
}

void SkinModel::LoadMasterBitmap() {
    std::string value = Opt().ReadString("GLOBALINFO", "MASTERBITMAP", "");
    bool found = false;
    // The master's name is compared with the package's upper-cased names exactly as written.
    std::vector<uint8_t> bytes = ReadPicture(value, value, false, found);
    if (found) MasterBitmap = DecodeSkinBmp(bytes);
    MasterTransparentColor = clFuchsia;
}

void SkinModel::LoadMasks() {
    FreeMasks();
    if (Options_ == nullptr) return;
    LoadMasterBitmap();
    for (const auto& section : Opt().Sections()) {
        for (const auto& [key, ignored] : section.Keys) {
            if (section.Name == "GLOBALINFO" && key == "MASTERBITMAP") continue;
            std::string value = Opt().ReadString(section.Name, key, "");
            if (!value.empty()) AddMaskFromValue(section.Name, key, value);
        }
    }
    if (!Common_) return;
    for (const auto& section : Common_->Sections()) {
        if (section.Name == "GLOBALINFO") continue;
        for (const auto& [key, ignored] : section.Keys) {
            std::string value = Common_->ReadString(section.Name, key, "-");
            if (MasterBitmap.Empty() || !Contains(value, "#")) {
                AddBitmapFile(section.Name, key, value, true);
            } else if (value != "#") {
                AddBracketMask(section.Name, key, value);
            }
        }
    }
}

void SkinModel::AddMaskFromValue(const std::string& section, const std::string& key, const std::string& value) {
    TsMaskData m;
    m.SectionName = section;
    m.KeyName = key;
    m.OwnerManager = Owner_;
    switch (value.front()) {
        case '@':
            m.ImageKind = 2;
            m.SourceRect = RectAt(value);
            m.StateCount = Int16(FieldAt(value, 22, 1));
            m.MaskLayout = Int16(FieldAt(value, 24, 1));
            Masks.push_back(std::move(m));
            return;
        case '^':
            m.ImageKind = 0;
            m.SourceRect = RectAt(value);
            m.BorderLeft = Int16(FieldAt(value, 22, 4));
            m.BorderTop = Int16(FieldAt(value, 27, 4));
            m.BorderRight = Int16(FieldAt(value, 32, 4));
            m.BorderBottom = Int16(FieldAt(value, 37, 4));
            m.StateCount = Int16(FieldAt(value, 42, 1));
            m.MaskLayout = Int16(FieldAt(value, 44, 1));
            m.PaintMode = Int16(FieldAt(value, 46, 1));
            m.CommonBorderWidth = Int16(FieldAt(value, 48, 1));
            ComputeBorders(m, section, key);
            Masks.push_back(std::move(m));
            return;
        case '~':
            m.ImageKind = 1;
            m.SourceRect = RectAt(value);
            m.StateCount = 1;
            m.PaintMode = Int16(FieldAt(value, 22, 2));
            m.MaskLayout = value.size() >= 25 ? Int16(FieldAt(value, 25, 1)) : 0;
            Masks.push_back(std::move(m));
            return;
        case '!':
            AddExternalPicture(section, key, value);
            return;
        default:
            break;
    }
    if (!Contains(value, "#")) {
        AddBitmapFile(section, key, value, false);
    } else if (value != "#") {
        AddBracketMask(section, key, value);
    }
}

void SkinModel::AddExternalPicture(const std::string& section, const std::string& key, const std::string& value) {
    std::vector<std::string> words = SplitWords(value, "!");
    if (words.empty()) return;
    const std::string& name = words[0];
    bool isBmp = Contains(name, ".BMP");
    if (!isBmp && !Contains(name, ".PNG")) return;
    bool found = false;
    std::vector<uint8_t> bytes = ReadPicture(name, name, false, found);
    if (!found) return;
    Bitmap32 picture = isBmp ? DecodeSkinBmp(bytes) : DecodeSkinPng(bytes);
    if (picture.Width() <= 0) return;
    auto word = [&](size_t n) { return n <= words.size() ? StrToIntDef(words[n - 1], 0) : 0; };
    TsMaskData m;
    m.SectionName = section;
    m.KeyName = key;
    m.OwnerManager = Owner_;
    m.ImageKind = static_cast<uint8_t>(std::clamp(word(4), 0, 4));
    m.StateCount = Int16(word(2));
    m.MaskLayout = Int16(word(3));
    m.SourceRect = {0, 0, picture.Width(), picture.Height()};
    if (words.size() < 5) {
        ComputeBorders(m, section, key);
    } else {
        m.BorderLeft = Int16(word(5));
        m.BorderTop = Int16(word(6));
        m.BorderRight = Int16(word(7));
        m.BorderBottom = Int16(word(8));
    }
    m.PaintMode = Int16(words.size() < 9 ? 4 : word(9));
    m.Picture = std::move(picture);
    Masks.push_back(std::move(m));
}

void SkinModel::AddBitmapFile(const std::string& section, const std::string& key, const std::string& value,
                              bool filesOnly) {
    std::string upper = AsciiUpper(value);
    if (!Contains(upper, ".BMP")) return;
    bool found = false;
    std::vector<uint8_t> bytes = ReadPicture(upper, upper, filesOnly, found);
    if (!found) return;
    Bitmap32 picture = DecodeSkinBmp(bytes);
    if (picture.Width() <= 0) return;
    TsMaskData m;
    m.SectionName = AsciiUpper(section);
    m.KeyName = AsciiUpper(key);
    m.OwnerManager = Owner_;
    m.MaskLayout = 1;
    m.StateCount = 3;
    m.SourceRect = {0, 0, picture.Width(), picture.Height()};
    m.BorderLeft = m.BorderRight = Int16(picture.Width() / 9);
    m.BorderTop = m.BorderBottom = Int16(picture.Height() / 6);
    m.ImageKind = 0;
    m.Picture = std::move(picture);
    Masks.push_back(std::move(m));
}

void SkinModel::AddBracketMask(const std::string& section, const std::string& key, const std::string& value) {
    std::vector<std::string> words = SplitWords(value, " ()");
    TsMaskData m;
    m.SectionName = AsciiUpper(section);
    m.KeyName = AsciiUpper(key);
    m.OwnerManager = Owner_;
    std::vector<std::string> rect = words.size() >= 2 ? SplitWords(words[1], " ,") : std::vector<std::string>{};
    auto number = [](const std::vector<std::string>& v, size_t n) { return n < v.size() ? StrToIntDef(v[n], 0) : 0; };
    m.SourceRect = {number(rect, 0), number(rect, 1), number(rect, 2), number(rect, 3)};
    std::vector<std::string> more = words.size() >= 3 ? SplitWords(words[2], " ,") : std::vector<std::string>{};
    m.StateCount = Int16(std::max(number(more, 0), 1));
    m.MaskLayout = Int16(std::max(number(more, 1), 0));
    m.CommonBorderWidth = Int16(more.size() > 2 ? std::max(StrToInt(more[2]), 0) : 0);
    m.PaintMode = Int16(more.size() > 3 ? StrToInt(more[3]) : 1);
    m.ImageKind = 0;
    ComputeBorders(m, section, key);
    Masks.push_back(std::move(m));
}

void SkinModel::LoadPatterns() {
    FreePatterns();
    if (Options_ != nullptr) {
        for (const auto& section : Opt().Sections()) {
            for (const auto& [key, ignored] : section.Keys) {
                AddPattern(section.Name, key, AsciiUpper(Opt().ReadString(section.Name, key, "-")), false);
            }
        }
    }
    if (!Common_) return;
    for (const auto& section : Common_->Sections()) {
        for (const auto& [key, ignored] : section.Keys) {
            AddPattern(section.Name, key, AsciiUpper(Common_->ReadString(section.Name, key, "-")), true);
        }
    }
}

void SkinModel::AddPattern(const std::string& section, const std::string& key, const std::string& value,
                           bool filesOnly) {
    if (!IsJpegName(value)) return;
    bool found = false;
    std::vector<uint8_t> bytes = ReadPicture(value, value, filesOnly, found);
    if (!found) return;
    JpegImage image = DecodeJpegBytes(std::move(bytes));
    if (image.Width <= 0) return;
    if (filesOnly || static_cast<long long>(image.Width) * image.Height >= kPatternPixels) {
        Patterns.push_back(TsPatternData{std::move(image), AsciiUpper(section), AsciiUpper(key), std::nullopt});
        return;
    }
    TsMaskData m;
    m.Picture = DecodeSkinJpegPixels(image);
    m.SectionName = AsciiUpper(section);
    m.KeyName = AsciiUpper(key);
    m.ImageKind = 1;
    m.StateCount = 1;
    m.SourceRect = {0, 0, image.Width, image.Height};
    m.OwnerManager = Owner_;
    Masks.push_back(std::move(m));
}
