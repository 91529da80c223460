// One iconv conversion and its loop with "?" for what cannot be converted.
#include "IconvConversion.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>

namespace {
iconv_t Descriptor(void* handle) { return static_cast<iconv_t>(handle); }
bool IsInvalid(void* handle) { return Descriptor(handle) == reinterpret_cast<iconv_t>(-1); }
}  // namespace

IconvConversion::IconvConversion(const std::string& to, const std::string& from)
    : Handle_(static_cast<void*>(iconv_open(to.c_str(), from.c_str()))) {}

IconvConversion::~IconvConversion() {
    if (!IsInvalid(Handle_)) iconv_close(Descriptor(Handle_));
}

bool IconvConversion::Valid() const { return !IsInvalid(Handle_); }

std::string IconvConversion::Convert(std::string_view text,
                                     const std::function<size_t(std::string_view rest)>& skip) {
    if (!Valid()) return std::string();
    const iconv_t cd = Descriptor(Handle_);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);  // every text starts from the initial state
    std::string out;
    std::string input(text);  // iconv's input pointer is not const
    char* in = input.data();
    size_t inLeft = input.size();
    std::array<char, 512> buffer{};
    while (inLeft > 0) {
        char* outPtr = buffer.data();
        size_t outLeft = buffer.size();
        const size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer.data(), buffer.size() - outLeft);
        if (rc != static_cast<size_t>(-1) || errno == E2BIG) continue;
        // A sequence the target lacks or the source breaks: one "?" for it, then go on.
        const size_t length = std::clamp<size_t>(skip(std::string_view(in, inLeft)), 1, inLeft);
        out += '?';
        in += length;
        inLeft -= length;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
}
