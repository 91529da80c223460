// The drawn kinds' benchmark helper: makes a plan drawing (many hairlines, circles and labels on an
// A1 sheet) as PDF or SVG, draws every level of one alone (the renderer's share), or runs the whole
// preparation with zoom 18 that many pixels wide.
//
//   quadrimo-drawbench plan OUT.pdf|OUT.svg
//   quadrimo-drawbench render MAP WIDTH        prints "render_seconds megapixels"
//   quadrimo-drawbench prepare MAP WIDTH OUT   prints "seconds megapixels"
#include <cairo-pdf.h>
#include <cairo-svg.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <random>
#include <string>
#include <vector>

#include "map/sources/MapSourceRegistry.h"
#include "map/tiles/MapPreparation.h"
#include "map/tiles/PyramidGeometry.h"

namespace {

void DrawPlan(cairo_t* cr, double w, double h) {
    std::mt19937 random(7);
    auto uniform = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(random); };
    cairo_set_line_width(cr, 0.25);
    for (int i = 0; i < 20000; ++i) {
        const double x = uniform(0, w), y = uniform(0, h);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + uniform(-40, 40), y + uniform(-40, 40));
    }
    cairo_stroke(cr);
    for (int i = 0; i < 3000; ++i) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, uniform(0, w), uniform(0, h), uniform(2, 22), 0, 2 * M_PI);
    }
    cairo_stroke(cr);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 4);
    for (int i = 0; i < 3000; ++i) {
        cairo_move_to(cr, uniform(0, w), uniform(0, h));
        cairo_show_text(cr, ("Room " + std::to_string(i)).c_str());
    }
}

int MakePlan(const std::string& path) {
    const double w = 2384, h = 1684;  // A1 landscape, points
    const bool svg = path.size() > 4 && path.substr(path.size() - 4) == ".svg";
    cairo_surface_t* surface = svg ? cairo_svg_surface_create(path.c_str(), w, h) : cairo_pdf_surface_create(path.c_str(), w, h);
    cairo_t* cr = cairo_create(surface);
    DrawPlan(cr, w, h);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return 0;
}

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

double Megapixels(const PyramidGeometry& geometry) {
    double pixels = 0;
    for (const LevelGeometry& level : geometry.Levels) {
        pixels += std::ceil(double(geometry.MapWidth) / level.Factor) * std::ceil(double(geometry.MapHeight) / level.Factor);
    }
    return pixels / 1e6;
}

int Render(const std::string& map, int width) {
    MapSourceOptions options;
    options.Width = width;
    const auto source = OpenMapSource(map, options);
    const PyramidGeometry geometry = PyramidFor(source->Width(), source->Height());
    std::vector<uint8_t> band(static_cast<size_t>(source->Width()) * 3 * 256);
    std::vector<uint8_t*> rows(256);
    const auto start = std::chrono::steady_clock::now();
    for (const LevelGeometry& level : geometry.Levels) {
        const int columns = (geometry.MapWidth + level.Factor - 1) / level.Factor;
        const int height = (geometry.MapHeight + level.Factor - 1) / level.Factor;
        for (int j = 0; j < 256; ++j) rows[j] = band.data() + static_cast<size_t>(j) * columns * 3;
        for (int top = 0; top < height; top += 256) {
            source->DrawLevelRows(level.Level, top, std::min(256, height - top), rows.data(), clWhite);
        }
    }
    std::printf("%.3f %.3f\n", Seconds(start), Megapixels(geometry));
    return 0;
}

int Prepare(const std::string& map, int width, const std::string& out) {
    FixedMapInputs inputs;
    inputs.Map = map;
    inputs.Folder = out;
    SilentProgress progress;
    MapPreparationOptions options;
    options.Source.Width = width;
    const auto start = std::chrono::steady_clock::now();
    const MapPreparationSummary summary = PrepareMap(inputs, progress, options);
    std::printf("%.3f %.3f\n", Seconds(start), Megapixels(PyramidFor(summary.MapWidth, summary.MapHeight)));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const std::string mode = argc > 1 ? argv[1] : "";
        if (mode == "plan" && argc == 3) return MakePlan(argv[2]);
        if (mode == "render" && argc == 4) return Render(argv[2], std::atoi(argv[3]));
        if (mode == "prepare" && argc == 5) return Prepare(argv[2], std::atoi(argv[3]), argv[4]);
        std::fprintf(stderr, "usage: quadrimo-drawbench plan OUT.pdf|OUT.svg | render MAP WIDTH | prepare MAP WIDTH OUT\n");
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quadrimo-drawbench: %s\n", e.what());
        return 1;
    }
}
