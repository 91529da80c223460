// The skin tool's paint command: one section painted as a control face into a PNG.
#pragma once

#include <string>
#include <vector>

/// Runs "paint SOURCE SECTION --size WxH [--state S] [--parent-color 0xBBGGRR |
/// --parent-image FILE.png] [--hue N] [--saturation N] [--skin-hue N] --out FILE.png" with the
/// arguments after the command name. Returns the exit code (2 for a usage error); throws on load
/// and file errors.
int RunPaintCommand(const std::vector<std::string>& args);

extern const char* const kPaintUsage;
