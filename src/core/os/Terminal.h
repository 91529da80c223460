// Whether a console run writes to a terminal, where a progress line may redraw itself.
#pragma once

#include <cstdio>

/// Whether the stream goes to a terminal (a console window on Windows), not to a file or a pipe.
bool IsTerminal(std::FILE* stream);
