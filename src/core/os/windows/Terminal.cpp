// The C runtime's terminal test, which answers for a console.
#include "core/os/Terminal.h"

#include <io.h>

bool IsTerminal(std::FILE* stream) {
    return _isatty(_fileno(stream)) != 0;
}
