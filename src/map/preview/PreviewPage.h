// preview.html: a self-contained page that shows a finished tile folder in a web map viewer, reading
// the folder's info.js as the service's viewer does.
#pragma once

#include <string>

#include "core/Color.h"

struct PreviewPageSettings {
    int MapWidth = 0;   // the map's pixels; the page falls back on the canvas of info.js when they
    int MapHeight = 0;  // do not match it (the folder prepared again without a page)
    TColor Background = clWhite;  // around the map, under blank_img.gif
    int CodePage = 1252;          // of info.js
};

constexpr const char* kPreviewFileName = "preview.html";

/// The page's text (UTF-8). Throws Exception when the embedded library could end its own element.
std::string PreviewPageHtml(const PreviewPageSettings& settings);

/// Writes preview.html into the folder, replacing an old one. Throws EFCreateError.
void WritePreviewPage(const std::string& folder, const PreviewPageSettings& settings);

/// The name a web page gives the code page: "windows-1251", "utf-8".
std::string CharsetName(int codePage);
