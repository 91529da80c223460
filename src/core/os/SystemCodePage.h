// The code page the system itself keeps for 8-bit text, where it keeps one.
#pragma once

/// Windows: the ANSI code page the user chose for programs that are not Unicode. Elsewhere 0: the
/// locale's language tells the code page there.
int SystemAnsiCodePage();
