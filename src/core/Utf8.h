// The UTF-8 sequences the code-page conversions read and write.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

/// Length of the UTF-8 sequence that starts with this byte (1 for stray bytes).
size_t Utf8SequenceLength(unsigned char lead);

/// Whether a sequence of that length starts at pos: a lead byte followed by enough continuation
/// bytes (a single byte only when it is ASCII).
bool IsUtf8Sequence(std::string_view text, size_t pos, size_t length);

/// The character of a sequence IsUtf8Sequence accepted; nothing for an overlong form, a surrogate
/// or a value beyond U+10FFFF.
std::optional<char32_t> Utf8Character(std::string_view sequence);

void AppendUtf8(std::string& out, char32_t character);
