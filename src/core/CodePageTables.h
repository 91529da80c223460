// The 8-bit Windows code pages 1250-1258: the character of every byte, the characters spelled with
// more than one byte, and the compositions made on reading.
#pragma once

#include <array>
#include <cstdint>

struct CodePageTable {
    int CodePage;
    /// The character of bytes 0x80-0xFF; 0 for a byte the code page leaves undefined.
    std::array<char16_t, 128> High;
    /// Whether a letter composed on reading can take a further mark (Hebrew points stack; a
    /// Vietnamese letter takes one tone mark and is then complete).
    bool ComposedTakesMarks = false;
};

struct CodePageSpelling {
    int CodePage;
    char16_t Character;
    /// One to three bytes, the unused ones 0.
    std::array<uint8_t, 3> Bytes;
};

struct CodePageComposition {
    int CodePage;
    char16_t First;
    char16_t Mark;
    char16_t Composed;
};

/// The table of a code page 1250-1258, or null.
const CodePageTable* FindCodePageTable(int codePage);

/// How the code page writes a character that is not simply one byte of its table, or null.
const CodePageSpelling* FindCodePageSpelling(int codePage, char32_t character);

/// The letter a character and a following combining mark read as together, or 0 when they stay two.
char32_t ComposedCharacter(int codePage, char32_t first, char32_t mark);
