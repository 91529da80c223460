// The kind sets and the default sections by kind.
#include "ControlKinds.h"

#include <initializer_list>
#include <utility>
#include <vector>

namespace {
// Inclusive ranges of kind codes.
using Ranges = std::initializer_list<std::pair<int, int>>;

bool InRanges(int kind, Ranges ranges) {
    for (const auto& [low, high] : ranges)
        if (kind >= low && kind <= high) return true;
    return false;
}
}  // namespace

bool IsEditLikeKind(int kind) { return InRanges(kind, {{2, 18}, {41, 41}, {76, 84}, {96, 96}, {131, 140}}); }

bool IsNoHoverKind(int kind) { return InRanges(kind, {{19, 19}, {51, 74}, {110, 110}, {141, 161}}); }

bool IsNoGlowKind(int kind) {
    return InRanges(kind, {{51, 52}, {54, 54}, {56, 60}, {68, 68}, {73, 74}, {110, 110}, {141, 141}, {143, 143},
                           {151, 151}, {161, 161}, {226, 226}});
}

bool IsContainerKind(int kind) { return InRanges(kind, {{51, 52}, {58, 59}, {68, 68}, {73, 73}}); }

QString DefaultSectionForKind(int kind, const QString& className) {
    struct Entry {
        std::vector<std::pair<int, int>> Kinds;
        const char* Section;
    };
    static const std::vector<Entry> kTable = {
        {{{2, 8}, {10, 10}, {41, 41}, {76, 76}, {78, 78}, {83, 85}, {96, 96}, {131, 131}, {140, 140}, {227, 227}},
         "EDIT"},
        {{{11, 18}, {81, 82}}, "COMBOBOX"},
        {{{19, 19}}, "BAR"},
        {{{20, 20}}, "BARTITLE"},
        {{{32, 32}, {152, 152}}, "CHECKBOX"},
        {{{33, 33}}, "RADIOBUTTON"},
        {{{51, 51}, {59, 59}, {68, 68}, {73, 73}}, "PANEL"},
        {{{52, 52}, {58, 58}}, "PANEL_LOW"},
        {{{53, 54}, {60, 60}}, "TOOLBAR"},
        {{{56, 56}}, "DRAGBAR"},
        {{{57, 57}}, "TABSHEET"},
        {{{74, 74}, {226, 226}}, "GROUPBOX"},
        {{{75, 75}}, "SPLITTER"},
        {{{92, 92}, {95, 95}}, "SPEEDBUTTON"},
        {{{93, 94}}, "BUTTON"},
        {{{98, 98}}, "TOOLBUTTON"},
        {{{141, 141}, {143, 143}}, "PAGECONTROL"},
        {{{151, 151}}, "STATUSBAR"},
        {{{161, 161}}, "GAUGE"},
        {{{165, 165}}, "TRACKBAR"},
    };
    for (const Entry& entry : kTable)
        for (const auto& [low, high] : entry.Kinds)
            if (kind >= low && kind <= high) return QString::fromLatin1(entry.Section);
    return className.toUpper();
}
