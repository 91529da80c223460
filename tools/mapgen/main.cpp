// quadrimo-mapgen: draws a synthetic city plan or aerial-photo-like map and writes it as a JPEG.
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>

#include "JpegFileWriter.h"
#include "PhotoPainter.h"
#include "PlanPainter.h"
#include "core/Version.h"

namespace {

// Qt's note about a missing runtime directory is noise for a batch tool; everything else is shown.
void FilterQtMessages(QtMsgType, const QMessageLogContext&, const QString& message) {
    if (message.startsWith(QLatin1String("QStandardPaths:"))) return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

constexpr const char* kUsage = "usage: quadrimo-mapgen --kind plan|photo --size WxH [--quality Q] [--seed N] OUT.jpg";
// Qt's raster painter works in 16.16 fixed point; larger sides overflow it. Photo maps are painted in
// strips of blocks and may reach the largest size a JPEG file allows.
constexpr int kMaxPlanSide = 32767;
constexpr int kMaxPhotoSide = 65500;
constexpr int kMinSide = 64;
// Pixels of one strip of a photo map: the picture is never held whole.
constexpr qint64 kStripPixels = 32 << 20;

struct Options {
    bool Photo = false;
    int Width = 0, Height = 0;
    int Quality = 90;
    uint64_t Seed = 1;
    std::string Output;
};

std::optional<long long> ParseNumber(const std::string& text) {
    if (text.empty() || text.size() > 18 || text.find_first_not_of("0123456789") != std::string::npos) return {};
    return std::stoll(text);
}

// Returns the options, or an error text for wrong usage.
std::optional<Options> Parse(int argc, char** argv, std::string& error) {
    Options options;
    bool haveKind = false, haveSize = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg.size() > 1 && arg[0] == '-') {
            if (arg != "--kind" && arg != "--size" && arg != "--quality" && arg != "--seed") {
                error = "unknown option " + arg;
                return {};
            }
            if (!hasValue) {
                error = arg + " needs a value";
                return {};
            }
        }
        if (arg == "--kind") {
            const std::string kind = argv[++i];
            if (kind != "plan" && kind != "photo") {
                error = "--kind must be plan or photo";
                return {};
            }
            options.Photo = kind == "photo";
            haveKind = true;
        } else if (arg == "--size") {
            const std::string size = argv[++i];
            const size_t x = size.find('x');
            const auto w = ParseNumber(size.substr(0, x)), h = x == std::string::npos ? std::nullopt : ParseNumber(size.substr(x + 1));
            if (!w || !h || *w < kMinSide || *h < kMinSide || *w > kMaxPhotoSide || *h > kMaxPhotoSide) {
                error = "--size must be WxH with sides from " + std::to_string(kMinSide) + " to " +
                        std::to_string(kMaxPhotoSide) + " (" + std::to_string(kMaxPlanSide) + " for plans)";
                return {};
            }
            options.Width = static_cast<int>(*w);
            options.Height = static_cast<int>(*h);
            haveSize = true;
        } else if (arg == "--quality") {
            const auto q = ParseNumber(argv[++i]);
            if (!q || *q < 1 || *q > 100) {
                error = "--quality must be from 1 to 100";
                return {};
            }
            options.Quality = static_cast<int>(*q);
        } else if (arg == "--seed") {
            const auto seed = ParseNumber(argv[++i]);
            if (!seed) {
                error = "--seed must be a non-negative number";
                return {};
            }
            options.Seed = static_cast<uint64_t>(*seed);
        } else if (options.Output.empty()) {
            options.Output = arg;
        } else {
            error = "only one output file may be given";
            return {};
        }
    }
    if (!haveKind || !haveSize || options.Output.empty()) {
        error = "--kind, --size and the output file are required";
        return {};
    }
    if (!options.Photo && (options.Width > kMaxPlanSide || options.Height > kMaxPlanSide)) {
        error = "plans are at most " + std::to_string(kMaxPlanSide) + " pixels on a side";
        return {};
    }
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--version") {
        std::printf("quadrimo-mapgen %s\n", kQuadrimoVersion);
        return 0;
    }
    std::string error;
    const std::optional<Options> options = Parse(argc, argv, error);
    if (!options) {
        std::fprintf(stderr, "quadrimo-mapgen: %s\n%s\n", error.c_str(), kUsage);
        return 2;
    }
    // Text needs a font database, which needs an application; no display is ever used.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(FilterQtMessages);
    int appArgc = 1;
    QGuiApplication app(appArgc, argv);

    try {
        const QString path = QString::fromLocal8Bit(options->Output.c_str());
        if (options->Photo) {
            // Strip by strip: a gigapixel map needs no picture of its whole size.
            const PhotoScene scene = PlanPhoto(QSize(options->Width, options->Height), options->Seed);
            const int stripRows = static_cast<int>(std::clamp<qint64>(kStripPixels / options->Width / 16 * 16, 16, options->Height));
            QImage strip(options->Width, stripRows, QImage::Format_RGB32);
            if (strip.isNull()) {
                std::fprintf(stderr, "quadrimo-mapgen: not enough memory for a strip of %dx%d\n", options->Width, stripRows);
                return 1;
            }
            JpegStripWriter writer(path, options->Width, options->Height, options->Quality);
            for (int y = 0; y < options->Height; y += stripRows) {
                const int rows = std::min(stripRows, options->Height - y);
                if (rows < strip.height()) strip = QImage(options->Width, rows, QImage::Format_RGB32);
                PaintPhotoRegion(strip, QPoint(0, y), scene);
                writer.WriteRows(strip);
            }
            writer.Finish();
        } else {
            QImage image(options->Width, options->Height, QImage::Format_RGB32);
            if (image.isNull()) {
                std::fprintf(stderr, "quadrimo-mapgen: not enough memory for a %dx%d picture\n", options->Width, options->Height);
                return 1;
            }
            PaintPlan(image, options->Seed);
            WriteJpegFile(image, path, options->Quality);
        }
        std::printf("%s: %s map %dx%d, quality %d, seed %llu\n", options->Output.c_str(), options->Photo ? "photo" : "plan",
                    options->Width, options->Height, options->Quality, static_cast<unsigned long long>(options->Seed));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quadrimo-mapgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
