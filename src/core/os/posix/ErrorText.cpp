// The error text through strerror_r, in either of its two forms.
#include "core/os/ErrorText.h"

#include <cstring>

namespace {

// The GNU form returns the text (which may be a static string rather than the buffer); the
// portable form fills the buffer and returns 0. Only one of the two is called.
[[maybe_unused]] const char* TextOf(const char* text, const char*) { return text; }
[[maybe_unused]] const char* TextOf(int result, const char* buffer) { return result == 0 ? buffer : nullptr; }

}  // namespace

std::string SystemErrorText(int errnoValue) {
    char buffer[256] = {};
    const char* text = TextOf(strerror_r(errnoValue, buffer, sizeof buffer), buffer);
    return text != nullptr ? std::string(text) : std::string();
}
