#include "DrawnMapKinds.h"

#include <cstring>

namespace {

bool StartsWith(std::span<const uint8_t> bytes, const char* text) {
    const size_t n = std::strlen(text);
    return bytes.size() >= n && std::memcmp(bytes.data(), text, n) == 0;
}

}  // namespace

bool IsPdfStart(std::span<const uint8_t> head) {
    return StartsWith(head, "%PDF-");
}

bool IsSvgStart(std::span<const uint8_t> head) {
    if (head.size() >= 2 && head[0] == 0x1F && head[1] == 0x8B) return true;
    if (StartsWith(head, "\xEF\xBB\xBF")) head = head.subspan(3);
    while (!head.empty() && (head[0] == ' ' || head[0] == '\t' || head[0] == '\r' || head[0] == '\n')) {
        head = head.subspan(1);
    }
    return StartsWith(head, "<svg") || StartsWith(head, "<?xml") || StartsWith(head, "<!");
}
