// Parsing of quadrimo-cli's arguments.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/Color.h"
#include "map/sources/MapSourceOptions.h"

struct CommandLine {
    std::string MapPath;
    std::string OutputDir;
    std::string Title;
    TColor Background = clWhite;
    std::string BlankImage;
    int CodePage = 0;  // 0: the system's
    int Jobs = 0;      // 0: one per core
    std::optional<uint64_t> MemoryLimit;  // bytes; unset: the automatic budget
    bool InMemoryPipeline = false;  // --pipeline in-memory; by default the run streams
    /// --page, --dpi, --width; Shrink is filled from ShrinkGiven (or Nearest).
    MapSourceOptions Source;
    std::optional<ShrinkFilter> ShrinkGiven;
    bool Quiet = false;
    bool Preview = false;  // also write preview.html
    bool Verify = false;   // check the finished folder OutputDir instead of preparing a map
    bool Help = false;
    bool Version = false;
};

struct ParseResult {
    std::optional<CommandLine> Options;
    std::string Error;  // set when Options is empty
};

ParseResult ParseCommandLine(const std::vector<std::string>& args);

/// The usage error when an option given does not apply to the map's kind (its name, as the map
/// sources give it: "JPEG", "PNG", "TIFF", "PDF", "SVG"); empty when every option applies.
std::string InapplicableOptionError(const CommandLine& cl, const std::string& kind);

/// "#RRGGBB", or a named colour of the colour box ("White", "Sky Blue", "clCream"), any case.
std::optional<TColor> ParseColor(const std::string& text);

/// "200M", "1.5G", "65536", "512KiB": bytes with an optional binary K/M/G/T suffix; nothing for
/// anything else or zero.
std::optional<uint64_t> ParseByteSize(const std::string& text);

extern const char* const kUsage;
