// Strict and lenient conversion of option texts to 32-bit integers.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Exception.h"

/// A text that had to be an integer was not one.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

/// Decimal with an optional sign, or hexadecimal behind "$" or "0x"; 32 bits (hexadecimal values
/// up to FFFFFFFF wrap to negative numbers). Nothing else is allowed, not even spaces.
std::optional<int> TryStrToInt(std::string_view text);

/// Throws EConvertError "'TEXT' is not a valid integer value" when the text is not an integer.
int StrToInt(std::string_view text);

/// The integer, or the default when the text is not one.
int StrToIntDef(std::string_view text, int defaultValue);
