// Decoding of 8-bit code-page, UTF-8 and UTF-16 text into UTF-8 strings.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

/// Converts 8-bit text of a Windows code page (or 65001) to UTF-8; bytes the code page does not
/// define become "?".
std::string FromCodePage(std::string_view text, int codePage);

/// Decodes a whole text file: UTF-8 after an EF BB BF mark, UTF-16 after an FF FE or FE FF mark
/// (the mark itself dropped), otherwise the 8-bit code page given.
std::string DecodeText(std::span<const uint8_t> bytes, int ansiCodePage);
