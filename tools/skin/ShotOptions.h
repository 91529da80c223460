// The shot command's request: which window, from which skin, with which controls in which state.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

/// Exit codes of the shot command besides 0.
enum ShotExit : int {
    kShotExitFailed = 1,     // the skin could not be loaded or a file not written
    kShotExitUsage = 2,      // the command line is wrong: options, form, state values
    kShotExitNoControl = 3,  // the form has no control of that name, or the control lacks that state
};

/// A failure of the shot command with its exit code; the message is for the user as it stands.
class ShotError : public std::runtime_error {
public:
    ShotError(int exitCode, const std::string& message) : std::runtime_error(message), ExitCode(exitCode) {}
    int ExitCode;
};

struct ShotProgress {
    int Position = 0;
    int Max = 100;
};

struct ShotRequest {
    std::string Source;  // a package or a skin folder; empty for the internal skin
    std::string Form;    // "main", "about", "color" or "folder"
    bool Inactive = false;
    bool RootButtons = false;  // the folder dialog shows its root strip
    std::string Hover;  // control names; empty for none
    std::string Focus;
    std::string Press;
    std::string HoverFrame;  // a caption button: close, maximize, minimize or help; empty for none
    std::string PressFrame;
    std::vector<std::string> Down;
    std::vector<std::string> Disable;
    std::optional<ShotProgress> Progress;
    std::vector<std::pair<std::string, std::string>> Texts;  // control name, text (UTF-8)
    std::string Dropdown;                                    // a colour box shown with its list dropped down
    std::optional<uint32_t> Color;                           // the colour dialog's colour, 0x00BBGGRR
    std::string Path;                                        // the folder dialog's folder; empty for none
    std::string Geometry;                                    // JSON file to write; empty for none
    std::string Out;                                         // PNG file to write
};

/// The forms the command can show, by the names --form takes.
const std::vector<std::string>& ShotFormNames();
/// The caption buttons --hover-frame and --press-frame take.
const std::vector<std::string>& ShotFrameButtonNames();

/// Reads the arguments after "shot". Throws ShotError (kShotExitUsage) with a message naming what is wrong.
ShotRequest ParseShotArguments(const std::vector<std::string>& args);
