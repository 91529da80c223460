// Argument parsing: options with separate or "=" values, two positional arguments.
#include "CommandLine.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstring>
#include <vector>

#include "core/CodePage.h"
#include "core/ColorNames.h"
#include "map/sources/MapSource.h"

const char* const kUsage =
    "usage: quadrimo-cli [--title TEXT] [--background COLOR] [--blank-image FILE] [--codepage N]\n"
    "                    [--jobs N] [--memory-limit SIZE] [--pipeline in-memory|streaming]\n"
    "                    [--shrink nearest|mean] [--page N] [--dpi N | --width PX] [--preview] [--quiet]\n"
    "                    MAP OUTPUT_DIR\n"
    "       quadrimo-cli --verify [--quiet] OUTPUT_DIR";

namespace {

constexpr size_t kNamedColorCount = 20;  // the standard and extended colours

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

std::optional<int> ParseInt(const std::string& text) {
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// How a map is read: the page of a document, the scale or width of a drawing, how raster levels shrink.
std::string ParseSourceOption(const std::string& arg, const std::string& value, CommandLine& cl) {
    if (arg == "--shrink") {
        const std::string filter = Lower(value);
        if (filter != "nearest" && filter != "mean") return "--shrink needs nearest or mean";
        cl.ShrinkGiven = filter == "mean" ? ShrinkFilter::Mean : ShrinkFilter::Nearest;
        cl.Source.Shrink = *cl.ShrinkGiven;
        return {};
    }
    const std::optional<int> number = ParseInt(value);
    if (arg == "--page") {
        if (!number || *number < 1) return "--page needs a page number from 1";
        cl.Source.Page = number;
    } else if (arg == "--dpi") {
        if (!number || *number < 1 || *number > 10000) return "--dpi needs a number from 1 to 10000";
        cl.Source.Dpi = number;
    } else {
        if (!number || *number < 1 || *number > kMaxMapSide) {
            return "--width needs a number of pixels from 1 to " + std::to_string(kMaxMapSide);
        }
        cl.Source.Width = number;
    }
    return {};
}

}  // namespace

std::string InapplicableOptionError(const CommandLine& cl, const std::string& kind) {
    struct Rule {
        const char* Option;
        bool Given;
        std::vector<std::string> Kinds;
        const char* Which;
    };
    const Rule rules[] = {
        {"--shrink", cl.ShrinkGiven.has_value(), {"JPEG", "PNG", "TIFF"}, "raster maps (JPEG, PNG, TIFF)"},
        {"--page", cl.Source.Page.has_value(), {"PDF"}, "PDF maps"},
        {"--dpi", cl.Source.Dpi.has_value(), {"PDF", "SVG"}, "PDF and SVG maps"},
        {"--width", cl.Source.Width.has_value(), {"PDF", "SVG"}, "PDF and SVG maps"},
    };
    for (const Rule& rule : rules) {
        if (rule.Given && std::find(rule.Kinds.begin(), rule.Kinds.end(), kind) == rule.Kinds.end()) {
            return std::string(rule.Option) + " applies to " + rule.Which + " only, and " + cl.MapPath + " is a " +
                   kind + " map";
        }
    }
    return {};
}

std::optional<uint64_t> ParseByteSize(const std::string& text) {
    size_t digits = 0;
    while (digits < text.size() && (std::isdigit(static_cast<unsigned char>(text[digits])) || text[digits] == '.')) {
        ++digits;
    }
    if (digits == 0) return std::nullopt;
    double number = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + digits, number);
    if (ec != std::errc() || end != text.data() + digits) return std::nullopt;
    std::string unit = Lower(text.substr(digits));
    for (const char* tail : {"ib", "b"}) {
        if (unit.size() > 1 && unit.ends_with(tail)) {
            unit.resize(unit.size() - std::strlen(tail));
            break;
        }
    }
    double scale = 1;
    if (unit == "k") {
        scale = 1024.0;
    } else if (unit == "m") {
        scale = 1024.0 * 1024;
    } else if (unit == "g") {
        scale = 1024.0 * 1024 * 1024;
    } else if (unit == "t") {
        scale = 1024.0 * 1024 * 1024 * 1024;
    } else if (!unit.empty() && unit != "b") {
        return std::nullopt;
    }
    const double bytes = number * scale;
    if (!(bytes >= 1) || bytes > 1.8e19) return std::nullopt;
    return static_cast<uint64_t>(bytes);
}

std::optional<TColor> ParseColor(const std::string& text) {
    if (text.size() == 7 && text[0] == '#') {
        unsigned value = 0;
        auto [end, ec] = std::from_chars(text.data() + 1, text.data() + 7, value, 16);
        if (ec != std::errc() || end != text.data() + 7) return std::nullopt;
        return RGB(static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value));
    }
    const std::string wanted = Lower(text);
    auto table = ColorNameTable();
    for (size_t i = 0; i < kNamedColorCount && i < table.size(); ++i) {
        const auto& entry = table[i];
        if (Lower(std::string(entry.Identifier)) == wanted || Lower(PrettyColorName(entry.Identifier)) == wanted) {
            return entry.Value;
        }
    }
    return std::nullopt;
}

ParseResult ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine cl;
    std::vector<std::string> positional;
    std::string runOption;  // an option that only a preparation takes
    auto fail = [](std::string message) { return ParseResult{std::nullopt, std::move(message)}; };
    for (size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        if (arg == "--") {
            positional.insert(positional.end(), args.begin() + static_cast<long>(i) + 1, args.end());
            break;
        }
        if (arg.size() < 2 || arg[0] != '-' || arg == "-") {
            positional.push_back(arg);
            continue;
        }
        std::string value;
        bool hasValue = false;
        if (auto eq = arg.find('='); arg.starts_with("--") && eq != std::string::npos) {
            value = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
            hasValue = true;
        }
        auto takeValue = [&]() -> bool {
            if (hasValue) return true;
            if (i + 1 >= args.size()) return false;
            value = args[++i];
            return true;
        };
        if (arg == "--help" || arg == "-h") {
            cl.Help = true;
        } else if (arg == "--version") {
            cl.Version = true;
        } else if (arg == "--quiet" || arg == "-q") {
            cl.Quiet = true;
        } else if (arg == "--preview") {
            cl.Preview = true;
            runOption = arg;
        } else if (arg == "--verify") {
            cl.Verify = true;
        } else if (arg == "--page" || arg == "--dpi" || arg == "--width" || arg == "--shrink") {
            if (!takeValue()) return fail("option " + arg + " needs a value");
            runOption = arg;
            if (auto error = ParseSourceOption(arg, value, cl); !error.empty()) return fail(error);
        } else if (arg == "--title" || arg == "--background" || arg == "--blank-image" || arg == "--codepage" ||
                   arg == "--jobs" || arg == "--memory-limit") {
            if (!takeValue()) return fail("option " + arg + " needs a value");
            runOption = arg;
            if (arg == "--title") {
                cl.Title = value;
            } else if (arg == "--blank-image") {
                cl.BlankImage = value;
            } else if (arg == "--background") {
                auto color = ParseColor(value);
                if (!color) return fail("unknown colour \"" + value + "\" (use #RRGGBB or a colour name such as White)");
                cl.Background = *color;
            } else if (arg == "--codepage") {
                auto cp = Lower(value) == "utf-8" || Lower(value) == "utf8" ? std::optional<int>(kCodePageUtf8)
                                                                             : ParseInt(value);
                if (!cp || !IsSupportedCodePage(*cp)) {
                    return fail("unsupported code page \"" + value + "\" (use 1250 to 1258 or utf-8)");
                }
                cl.CodePage = *cp;
            } else if (arg == "--memory-limit") {
                auto limit = ParseByteSize(value);
                if (!limit) return fail("--memory-limit needs a size such as 200M, 1.5G or 500000000");
                cl.MemoryLimit = limit;
            } else {
                auto jobs = ParseInt(value);
                if (!jobs || *jobs < 1 || *jobs > 256) return fail("--jobs needs a number from 1 to 256");
                cl.Jobs = *jobs;
            }
        } else if (arg == "--pipeline") {
            if (!takeValue()) return fail("option " + arg + " needs a value");
            runOption = arg;
            if (value != "in-memory" && value != "streaming") return fail("--pipeline needs in-memory or streaming");
            cl.InMemoryPipeline = value == "in-memory";
        } else {
            return fail("unknown option " + arg);
        }
    }
    if (cl.Help || cl.Version) return {cl, {}};
    if (cl.Verify) {
        if (!runOption.empty()) return fail("--verify checks a folder and takes no " + runOption);
        if (positional.size() != 1) return fail("--verify needs exactly one OUTPUT_DIR");
        cl.OutputDir = positional[0];
        return {cl, {}};
    }
    if (cl.Source.Dpi && cl.Source.Width) return fail("--dpi and --width exclude each other: give one of them");
    if (positional.size() != 2) return fail("expected MAP.jpg and OUTPUT_DIR");
    cl.MapPath = positional[0];
    cl.OutputDir = positional[1];
    return {cl, {}};
}
