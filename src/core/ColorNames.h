// The table of named colours that colour boxes offer, in their order, and the pretty-name rule.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "Color.h"

struct ColorNameEntry {
    std::string_view Identifier;  // e.g. "clSkyBlue"
    TColor Value;
};

/// All 52 rows: 0-15 standard, 16-19 extended, 20-51 system colours (clDefault and clNone among them).
std::span<const ColorNameEntry> ColorNameTable();

/// "clSkyBlue" -> "Sky Blue": drops a leading "cl" and puts a space before every later capital.
std::string PrettyColorName(std::string_view identifier);
