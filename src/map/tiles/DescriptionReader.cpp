// info.js parsing: three fixed line shapes, script-string escapes in the title, and the geometry check.
#include "DescriptionReader.h"

#include <algorithm>
#include <string_view>

#include "core/Utf8.h"

namespace {

constexpr std::string_view kTitleStart = "var map_title = '";
constexpr std::string_view kTitleEnd = "';";

// Reads an optional "-" and up to nine digits at pos; advances pos.
std::optional<int> TakeInt(std::string_view line, size_t& pos) {
    const size_t start = pos;
    if (pos < line.size() && line[pos] == '-') ++pos;
    const size_t digits = pos;
    int value = 0;
    while (pos < line.size() && line[pos] >= '0' && line[pos] <= '9' && pos - digits < 9) {
        value = value * 10 + (line[pos] - '0');
        ++pos;
    }
    if (pos == digits || (pos < line.size() && line[pos] >= '0' && line[pos] <= '9')) {
        pos = start;
        return std::nullopt;
    }
    return line[start] == '-' ? -value : value;
}

bool TakeText(std::string_view line, size_t& pos, std::string_view text) {
    if (line.substr(pos, text.size()) != text) return false;
    pos += text.size();
    return true;
}

// "PREFIX a,b,...SUFFIX" with exactly count integers; the whole line.
std::optional<std::vector<int>> IntegerLine(std::string_view line, std::string_view prefix,
                                            std::vector<std::string_view> separators) {
    size_t pos = 0;
    if (!TakeText(line, pos, prefix)) return std::nullopt;
    std::vector<int> values;
    for (std::string_view separator : separators) {
        auto value = TakeInt(line, pos);
        if (!value || !TakeText(line, pos, separator)) return std::nullopt;
        values.push_back(*value);
    }
    if (pos != line.size()) return std::nullopt;
    return values;
}

std::optional<uint32_t> HexValue(std::string_view text) {
    if (text.empty()) return std::nullopt;
    uint32_t value = 0;
    for (char c : text) {
        int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (digit < 0) return std::nullopt;
        value = value * 16 + static_cast<uint32_t>(digit);
    }
    return value;
}

// Resolves the escapes of a script string as a script engine would. Characters beyond ASCII from
// \u escapes come out as UTF-8 (the program writes them only into UTF-8 files); a lone surrogate
// becomes "?". An escape that cannot be read is kept as it stands.
std::string Unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        switch (c) {
            case 'n': out += '\n'; continue;
            case 'r': out += '\r'; continue;
            case 't': out += '\t'; continue;
            case 'b': out += '\b'; continue;
            case 'f': out += '\f'; continue;
            case 'v': out += '\v'; continue;
            case '0': out += '\0'; continue;
            default: break;
        }
        std::optional<uint32_t> code;
        size_t length = 0;
        if (c == 'x') {
            length = 2;
            code = HexValue(text.substr(i + 1, 2).size() == 2 ? text.substr(i + 1, 2) : std::string_view());
        } else if (c == 'u' && text.substr(i + 1, 1) == "{") {
            const size_t close = text.find('}', i + 2);
            if (close != std::string_view::npos && close - i - 2 <= 6) {
                length = close - i;
                code = HexValue(text.substr(i + 2, close - i - 2));
                if (code && *code > 0x10FFFF) code.reset();
            }
        } else if (c == 'u') {
            length = 4;
            code = HexValue(text.substr(i + 1, 4).size() == 4 ? text.substr(i + 1, 4) : std::string_view());
        } else {
            out += c;  // \' \" \\ and any other character stand for themselves
            continue;
        }
        if (!code) {
            out += '\\';
            out += c;
            continue;
        }
        i += length;
        if (*code >= 0xD800 && *code <= 0xDBFF && text.substr(i + 1, 2) == "\\u") {
            auto low = HexValue(text.substr(i + 3, 4).size() == 4 ? text.substr(i + 3, 4) : std::string_view());
            if (low && *low >= 0xDC00 && *low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((*code - 0xD800) << 10) + (*low - 0xDC00));
                i += 6;
                continue;
            }
        }
        if (*code >= 0xD800 && *code <= 0xDFFF) {
            out += '?';
        } else {
            AppendUtf8(out, *code);
        }
    }
    return out;
}

// A script line as messages quote it.
std::string SizesText(int zoom, int maxX, int maxY) {
    return "\"sizes[" + std::to_string(zoom) + "] = [" + std::to_string(maxX) + "," + std::to_string(maxY) + "];\"";
}

DescriptionReadResult Fail(std::string message) { return {std::nullopt, std::move(message)}; }

std::string LineLabel(size_t index) { return "line " + std::to_string(index + 1) + ": "; }

}  // namespace

int64_t MapDescription::TotalTiles() const {
    int64_t total = 0;
    for (const auto& level : Levels) total += level.TileCount();
    return total;
}

DescriptionReadResult ReadDescription(std::span<const uint8_t> bytes) {
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    if (text.empty()) return Fail("the file is empty");

    std::vector<std::string_view> lines;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        std::string_view line = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    while (!lines.empty() && lines.back().empty()) lines.pop_back();

    MapDescription description;
    if (lines.empty() || !lines[0].starts_with(kTitleStart) || lines[0].size() < kTitleStart.size() + kTitleEnd.size() ||
        !lines[0].ends_with(kTitleEnd)) {
        return Fail(LineLabel(0) + "expected \"var map_title = '...';\"");
    }
    description.Title =
        Unescape(lines[0].substr(kTitleStart.size(), lines[0].size() - kTitleStart.size() - kTitleEnd.size()));

    if (lines.size() < 2) return Fail("the file ends after line 1: the zoom line is missing");
    auto zoom = IntegerLine(lines[1], "var zoom = [", {",", ",", "];"});
    if (!zoom) return Fail(LineLabel(1) + "expected \"var zoom = [MID,MIN,18];\"");
    description.ZoomMid = (*zoom)[0];
    description.ZoomMin = (*zoom)[1];
    description.ZoomMax = (*zoom)[2];

    if (lines.size() < 3) return Fail("the file ends after line 2: the size lines are missing");
    std::vector<std::vector<int>> sizes;
    for (size_t i = 2; i < lines.size(); ++i) {
        auto size = IntegerLine(lines[i], "sizes[", {"] = [", ",", "];"});
        if (!size) return Fail(LineLabel(i) + "expected \"sizes[ZOOM] = [MAXX,MAXY];\"");
        sizes.push_back(*size);
    }

    // Everything follows from zoom 18: its columns and rows give the canvas, the canvas the levels.
    if (sizes[0][0] != kTopZoom) return Fail(LineLabel(2) + "the first size line must be that of zoom 18");
    const int maxX = sizes[0][1], maxY = sizes[0][2];
    if (maxX < 0 || maxY < 0 || maxX >= kMaxCanvasColumns || maxY >= kMaxCanvasColumns) {
        return Fail(LineLabel(2) + SizesText(kTopZoom, maxX, maxY) + " is no pyramid of a JPEG map");
    }
    const int canvasColumns = maxX + 1, canvasRows = maxY + 1;
    const int coarsest = CoarsestLevelFor(std::max(canvasColumns, canvasRows));
    const std::vector<int> expectedZoom = {(36 - coarsest) / 2, kTopZoom - coarsest, kTopZoom};
    if (*zoom != expectedZoom) {
        return Fail(LineLabel(1) + "the pyramid of " + SizesText(kTopZoom, maxX, maxY) + " needs \"var zoom = [" +
                    std::to_string(expectedZoom[0]) + "," + std::to_string(expectedZoom[1]) + ",18];\"");
    }
    for (int level = 0; level <= coarsest; ++level) {
        const LevelGeometry expected = LevelFor(level, canvasColumns, canvasRows);
        const std::string wanted = SizesText(expected.Zoom, expected.MaxX, expected.MaxY);
        const size_t index = static_cast<size_t>(level);
        if (index >= sizes.size()) {
            const int after = coarsest - level;
            return Fail("the file ends after line " + std::to_string(lines.size()) + ": " + wanted +
                        (after == 0 ? std::string(" is missing")
                                    : " and the " + std::to_string(after) + " after it are missing"));
        }
        if (sizes[index] != std::vector<int>{expected.Zoom, expected.MaxX, expected.MaxY}) {
            return Fail(LineLabel(index + 2) + "expected " + wanted);
        }
        description.Levels.push_back(expected);
    }
    if (sizes.size() > description.Levels.size()) {
        return Fail(LineLabel(description.Levels.size() + 2) + "a size line below the coarsest zoom " +
                    std::to_string(expectedZoom[1]));
    }
    return {std::move(description), {}};
}
