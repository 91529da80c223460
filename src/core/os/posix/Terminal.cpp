// The terminal test of the stream's descriptor.
#include "core/os/Terminal.h"

#include <unistd.h>

bool IsTerminal(std::FILE* stream) {
    return ::isatty(::fileno(stream)) != 0;
}
