// How the drawn kinds (PDF, SVG) are told by their first bytes: known to every build, also to one
// built without the drawing libraries, which then names the kind it cannot read.
#pragma once

#include <cstdint>
#include <span>

/// Whether the first bytes are a PDF file's: "%PDF-".
bool IsPdfStart(std::span<const uint8_t> head);

/// Whether the first bytes may start an SVG: "<svg", an XML declaration, a doctype or comment
/// (after a byte order mark and white space), or a gzip stream (.svgz).
bool IsSvgStart(std::span<const uint8_t> head);
