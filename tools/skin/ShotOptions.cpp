// Reading the shot command's arguments.
#include "ShotOptions.h"

#include <algorithm>
#include <charconv>
#include <filesystem>

namespace {

[[noreturn]] void Usage(const std::string& message) {
    throw ShotError(kShotExitUsage, "shot: " + message);
}

// A whole non-negative decimal number, nothing around it.
std::optional<int> Count(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || ptr != end || value < 0) return std::nullopt;
    return value;
}

ShotProgress ParseProgress(const std::string& text) {
    const size_t slash = text.find('/');
    const std::optional<int> position = slash == std::string::npos ? std::nullopt : Count(text.substr(0, slash));
    const std::optional<int> max = slash == std::string::npos ? std::nullopt : Count(text.substr(slash + 1));
    if (!position || !max) Usage("--progress wants POS/MAX, two whole numbers such as 50/100, not \"" + text + "\"");
    if (*max < 1 || *position > *max)
        Usage("--progress " + text + ": MAX must be at least 1 and POS between 0 and MAX");
    return {*position, *max};
}

// A colour as 0xBBGGRR (blue in the high byte, as the program stores colours) or a decimal number.
uint32_t ParseColor(const std::string& text) {
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string digits = hex ? text.substr(2) : text;
    uint32_t value = 0;
    const char* end = digits.data() + digits.size();
    const auto [ptr, error] = std::from_chars(digits.data(), end, value, hex ? 16 : 10);
    if (digits.empty() || error != std::errc() || ptr != end || value > 0xFFFFFFu)
        Usage("--color wants an RGB colour as 0xBBGGRR (0x0000FF is red), not \"" + text + "\"");
    return value;
}

std::string FormList() {
    std::string list;
    for (const std::string& name : ShotFormNames()) list += (list.empty() ? "" : ", ") + name;
    return list;
}

void SetOnce(std::string& target, const std::string& option, const std::string& value) {
    if (!target.empty()) Usage(option + " is given twice");
    if (value.empty()) Usage(option + " needs a name");
    target = value;
}

}  // namespace

const std::vector<std::string>& ShotFrameButtonNames() {
    static const std::vector<std::string> names = {"close", "maximize", "minimize", "help"};
    return names;
}

const std::vector<std::string>& ShotFormNames() {
    static const std::vector<std::string> names = {"main", "about", "color", "folder"};
    return names;
}

ShotRequest ParseShotArguments(const std::vector<std::string>& args) {
    ShotRequest r;
    bool internal = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) Usage(arg + " needs a value");
            return args[++i];
        };
        if (arg == "--internal") {
            internal = true;
        } else if (arg == "--inactive") {
            r.Inactive = true;
        } else if (arg == "--root-buttons") {
            r.RootButtons = true;
        } else if (arg == "--form") {
            SetOnce(r.Form, arg, value());
        } else if (arg == "--hover") {
            SetOnce(r.Hover, arg, value());
        } else if (arg == "--hover-frame" || arg == "--press-frame") {
            std::string& target = arg == "--hover-frame" ? r.HoverFrame : r.PressFrame;
            SetOnce(target, arg, value());
            const auto& names = ShotFrameButtonNames();
            if (std::find(names.begin(), names.end(), target) == names.end())
                Usage(arg + " wants close, maximize, minimize or help, not \"" + target + "\"");
        } else if (arg == "--focus") {
            SetOnce(r.Focus, arg, value());
        } else if (arg == "--press") {
            SetOnce(r.Press, arg, value());
        } else if (arg == "--down" || arg == "--disable") {
            const std::string& name = value();
            if (name.empty()) Usage(arg + " needs a name");
            (arg == "--down" ? r.Down : r.Disable).push_back(name);
        } else if (arg == "--progress") {
            if (r.Progress) Usage("--progress is given twice");
            r.Progress = ParseProgress(value());
        } else if (arg == "--text") {
            const std::string& pair = value();
            const size_t equals = pair.find('=');
            if (equals == std::string::npos || equals == 0) Usage("--text wants NAME=TEXT, not \"" + pair + "\"");
            r.Texts.emplace_back(pair.substr(0, equals), pair.substr(equals + 1));
        } else if (arg == "--dropdown") {
            SetOnce(r.Dropdown, arg, value());
        } else if (arg == "--color") {
            if (r.Color) Usage("--color is given twice");
            r.Color = ParseColor(value());
        } else if (arg == "--path") {
            SetOnce(r.Path, arg, value());
            std::error_code error;
            if (!std::filesystem::is_directory(r.Path, error))
                Usage("--path wants an existing folder, not \"" + r.Path + "\"");
        } else if (arg == "--geometry") {
            SetOnce(r.Geometry, arg, value());
        } else if (arg == "--out") {
            SetOnce(r.Out, arg, value());
        } else if (arg.size() > 1 && arg[0] == '-') {
            Usage("unknown option " + arg);
        } else if (r.Source.empty()) {
            r.Source = arg;
        } else {
            Usage("more than one SOURCE: \"" + r.Source + "\" and \"" + arg + "\"");
        }
    }
    if (internal && !r.Source.empty()) Usage("SOURCE and --internal together");
    if (r.Form.empty()) Usage("--form is missing (" + FormList() + ")");
    bool known = false;
    for (const std::string& name : ShotFormNames()) known = known || name == r.Form;
    if (!known) Usage("unknown form \"" + r.Form + "\" (" + FormList() + ")");
    if (r.Out.empty()) Usage("--out FILE.png is missing");
    if (r.Color && r.Form != "color") Usage("--color is the colour dialog's: it needs --form color");
    if (!r.Path.empty() && r.Form != "folder") Usage("--path is the folder dialog's: it needs --form folder");
    // One mouse: a pressed control is the one under it.
    if (!r.Hover.empty() && !r.Press.empty() && r.Hover != r.Press)
        Usage("--hover " + r.Hover + " and --press " + r.Press + ": the mouse is over one control only");
    if (!r.HoverFrame.empty() && !r.PressFrame.empty() && r.HoverFrame != r.PressFrame)
        Usage("--hover-frame " + r.HoverFrame + " and --press-frame " + r.PressFrame + ": the mouse is over one button only");
    const bool onControl = !r.Hover.empty() || !r.Press.empty();
    const bool onFrame = !r.HoverFrame.empty() || !r.PressFrame.empty();
    if (onControl && onFrame) Usage("a control and a caption button at once: the mouse is over one of them only");
    return r;
}
