// The preview page: the embedded library, the page's own style and script, and the settings of the run.
#include "PreviewPage.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string_view>

#include "LeafletLibrary.h"
#include "core/CodePage.h"
#include "core/Exception.h"
#include "core/FileStreams.h"

namespace {

// A flat view: the heading band above, the map below it filling the window. The background colour
// and blank_img.gif show wherever no tile lies, so that no grey appears around the map.
constexpr std::string_view kPageStyle = R"css(
html, body { margin: 0; height: 100%; }
body { font-family: sans-serif; background: #f4f4f4; }
#heading { position: absolute; top: 0; left: 0; right: 0; height: 40px; margin: 0; padding: 0 12px;
           box-sizing: border-box; border-bottom: 1px solid #c8c8c8; font-size: 18px; font-weight: normal;
           line-height: 39px; white-space: nowrap; overflow: hidden; text-overflow: ellipsis; color: #202020; }
#heading.problem { color: #b00020; }
#map { position: absolute; top: 40px; left: 0; right: 0; bottom: 0; outline: none; }
)css";

// Everything comes from info.js (loaded before this script, after "sizes" was declared): the title,
// the zoom range, and per zoom the largest column and row, which decide which tiles are asked for.
// Zoom 18 is full resolution: one unit of the flat coordinates is one pixel of the map.
constexpr std::string_view kPageScript = R"js(
(function () {
  'use strict';
  var heading = document.getElementById('heading');
  var described = typeof map_title === 'string' && typeof zoom !== 'undefined' && Array.isArray(zoom) &&
      zoom.length === 3 && Array.isArray(sizes[18]);
  if (!described) {
    heading.className = 'problem';
    heading.textContent = 'info.js is missing or damaged: the map cannot be shown.';
    return;
  }
  if (map_title !== '') document.title = map_title;
  heading.textContent = map_title;

  var zoomMid = zoom[0], zoomMin = zoom[1], zoomMax = zoom[2];
  var width = settings.mapWidth, height = settings.mapHeight;
  if (Math.floor(width / 256) !== sizes[18][0] || Math.floor(height / 256) !== sizes[18][1]) {
    width = (sizes[18][0] + 1) * 256;
    height = (sizes[18][1] + 1) * 256;
  }
  var crs = L.extend({}, L.CRS.Simple, {
    transformation: new L.Transformation(1, 0, 1, 0),
    scale: function (z) { return Math.pow(2, z - 18); },
    zoom: function (scale) { return Math.log(scale) / Math.LN2 + 18; }
  });
  var bounds = L.latLngBounds([0, 0], [height, width]);
  var map = L.map('map', {
    crs: crs, minZoom: zoomMin, maxZoom: zoomMax, maxBounds: bounds, maxBoundsViscosity: 1,
    attributionControl: false
  });
  var Tiles = L.TileLayer.extend({
    _isValidTile: function (c) {
      var size = sizes[c.z];
      return Array.isArray(size) && c.x >= 0 && c.y >= 0 && c.x <= size[0] && c.y <= size[1];
    }
  });
  new Tiles('{z}_{x}_{y}.jpg', { tileSize: 256, minZoom: zoomMin, maxZoom: zoomMax, noWrap: true }).addTo(map);
  map.setView(bounds.getCenter(), zoomMid);
  map.getContainer().focus();
})();
)js";

bool ContainsNoCase(std::string_view text, std::string_view lowerNeedle) {
    auto it = std::search(text.begin(), text.end(), lowerNeedle.begin(), lowerNeedle.end(),
                          [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
    return it != text.end();
}

// The package's text without its closing source-map comment: the map file is not in the folder.
std::string_view WithoutSourceMap(std::string_view text) {
    const size_t comment = text.rfind("sourceMappingURL=");
    if (comment == std::string_view::npos) return text;
    const size_t lineStart = text.rfind('\n', comment);
    return lineStart == std::string_view::npos ? text : text.substr(0, lineStart + 1);
}

std::string ColorText(TColor color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", GetRValue(color), GetGValue(color), GetBValue(color));
    return text;
}

}  // namespace

std::string CharsetName(int codePage) {
    return codePage == kCodePageUtf8 ? "utf-8" : "windows-" + std::to_string(codePage);
}

std::string PreviewPageHtml(const PreviewPageSettings& settings) {
    const std::string_view script = WithoutSourceMap(LeafletScript());
    const std::string_view style = WithoutSourceMap(LeafletStyle());
    // Inline elements end at the first "</script" or "</style", whatever surrounds it.
    if (ContainsNoCase(script, "</script") || ContainsNoCase(script, "<!--") || ContainsNoCase(style, "</style")) {
        throw Exception("the embedded map library cannot be placed inline in a page");
    }
    std::string page;
    page.reserve(script.size() + style.size() + 8192);
    page += "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
            "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
            "<title>Map preview</title>\n<style>\n";
    page += style;
    page += "</style>\n<style>";
    page += kPageStyle;
    page += "#map { background: " + ColorText(settings.Background) + " url(\"blank_img.gif\"); }\n";
    page += "</style>\n<script>\n";
    page += script;
    page += "</script>\n<script>var sizes = [];</script>\n";
    page += "<script src=\"info.js\" charset=\"" + CharsetName(settings.CodePage) + "\"></script>\n";
    page += "</head>\n<body>\n<h1 id=\"heading\"></h1>\n<div id=\"map\" tabindex=\"0\"></div>\n<script>\n";
    page += "var settings = { mapWidth: " + std::to_string(settings.MapWidth) +
            ", mapHeight: " + std::to_string(settings.MapHeight) + " };";
    page += kPageScript;
    page += "</script>\n</body>\n</html>\n";
    return page;
}

void WritePreviewPage(const std::string& folder, const PreviewPageSettings& settings) {
    const std::string page = PreviewPageHtml(settings);
    WriteWholeFile(JoinPath(folder, kPreviewFileName),
                   std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(page.data()), page.size()));
}
