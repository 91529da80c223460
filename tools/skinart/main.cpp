// quadrimo-skinart: draws the pictures of the internal skin Glimmer into its source folder, or with
// --edit-glyphs the edit buttons' glyph strips.
#include <QGuiApplication>
#include <QString>

#include <cstdio>
#include <exception>
#include <string>

#include "BmpWriter.h"
#include "EditGlyphArt.h"
#include "ExtraPictures.h"
#include "MasterArt.h"
#include "map/codec/PngEncoder.h"
#include "core/FileStreams.h"
#include "core/Version.h"

namespace {

// Qt's note about a missing runtime directory is noise for a batch tool; everything else is shown.
void FilterQtMessages(QtMsgType, const QMessageLogContext&, const QString& message) {
    if (message.startsWith(QLatin1String("QStandardPaths:"))) return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

void WriteAll(const std::string& folder) {
    using namespace skinart;
    auto png = [&](const char* name, const Bitmap32& b) { WriteWholeFile(JoinPath(folder, name), EncodePng(b)); };
    auto bmp = [&](const char* name, const Bitmap32& b) { WriteWholeFile(JoinPath(folder, name), EncodeBmp24(b)); };
    bmp("Master.bmp", DrawMaster());
    bmp("ButtonHuge.bmp", DrawButtonHuge());
    png("Exbor.png", DrawExtendedBorder());
    // Button glows: the border widths of the options (18, 12) are the margins drawn here.
    png("GlowBtn.png", DrawGlow(12, 12, 18, 5, 0x78D6FA, 150));
    png("GlowH.png", DrawGlow(20, 20, 18, 9, 0x78D6FA, 170));
    png("GlowWhite.png", DrawGlow(8, 8, 12, 4, 0xFFFFFF, 170));
    // Title-button glows: the box is the glyph cell, the margin that of the options.
    png("GlowClose.png", DrawGlow(28, 15, 20, 3, 0xFF5A3C, 150));
    png("GlowMax.png", DrawGlow(24, 15, 20, 3, 0x8CE0FA, 140));
    png("GlowMin.png", DrawGlow(24, 15, 20, 3, 0x8CE0FA, 140));
    png("GlowNorm.png", DrawGlow(24, 15, 20, 3, 0x8CE0FA, 140));
}

void WriteEditGlyphs(const std::string& folder) {
    using namespace skinart;
    for (const EditGlyph glyph : {EditGlyph::File, EditGlyph::Folder, EditGlyph::Date, EditGlyph::Ellipsis,
                                  EditGlyph::Calculator})
        WriteWholeFile(JoinPath(folder, std::string(EditGlyphName(glyph)) + ".png"), EncodePng(DrawEditGlyph(glyph)));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--version") {
        std::printf("quadrimo-skinart %s\n", kQuadrimoVersion);
        return 0;
    }
    const bool glyphs = argc == 3 && std::string(argv[1]) == "--edit-glyphs";
    if (argc != 2 && !glyphs) {
        std::fprintf(stderr, "usage: quadrimo-skinart FOLDER\n       quadrimo-skinart --edit-glyphs FOLDER\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(FilterQtMessages);
    int appArgc = 1;
    QGuiApplication app(appArgc, argv);
    try {
        if (glyphs)
            WriteEditGlyphs(argv[2]);
        else
            WriteAll(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
