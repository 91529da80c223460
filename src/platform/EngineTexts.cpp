// The string table's entries.
#include "EngineTexts.h"

namespace {
struct TTextEntry {
    int Id;
    const char* Text;
};

constexpr TTextEntry kTexts[] = {
    {s_Create, "Create"},
    {s_SelectDirectory, "Select directory"},
    {s_Restore, "Restore"},
    {s_Move, "Move"},
    {s_Size, "Size"},
    {s_Minimize, "Minimize"},
    {s_Maximize, "Maximize"},
    {s_Close, "Close"},
    {s_HexPrefix, "Hex - "},
    {s_DecimalPrefix, "Decimal - "},
    {s_Blue, "Blue :"},
    {s_Green, "Green :"},
    {s_Red, "Red :"},
    {s_Color, "Color"},
    {s_AdditionalColors, "Additional colors :"},
    {s_MainPalette, "Main palette :"},
    {s_DefineColors, "Define colors"},
    {s_AddToCustomColors, "Add to custom colors set"},
    {s_Help, "&Help"},
    {s_Cancel, "Cancel"},
    {s_OK, "OK"},
};
}  // namespace

QString LoadResString(int id) {
    for (const TTextEntry& entry : kTexts)
        if (entry.Id == id) return QString::fromUtf8(entry.Text);
    return {};
}
