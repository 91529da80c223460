// The skin tool's contact sheet: every mask and every section of a skin in one PNG, for looking at.
#include "SheetCommand.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "core/Exception.h"
#include "skin/model/MaskCells.h"
#include "skin/paint/ControlFace.h"

namespace {

constexpr int kSheetWidth = 1400;
constexpr int kGap = 12;
constexpr uint32_t kCheckLight = 0xFFFFFFFF, kCheckDark = 0xFFD6D6D6;
const QColor kPaper(250, 250, 250);
const QColor kCaption(40, 40, 40);

// Qt's note about a missing runtime directory is noise for a batch tool; everything else is shown.
void FilterSheetMessages(QtMsgType, const QMessageLogContext&, const QString& message) {
    if (message.startsWith(QLatin1String("QStandardPaths:"))) return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Qt needs an application object to lay out text; the tool is a batch program without a screen.
// The object ends with the sheet: left to the static objects at exit, it would outlive parts of Qt
// that its destruction still uses.
std::unique_ptr<QGuiApplication> EnsureGuiApplication() {
    if (QGuiApplication::instance() != nullptr) return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(FilterSheetMessages);
    static int argc = 1;
    static char name[] = "quadrimo-skin";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

Bitmap32 Checkerboard(int width, int height) {
    Bitmap32 b(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) b.At(x, y) = ((x / 4 + y / 4) % 2) ? kCheckDark : kCheckLight;
    }
    return b;
}

// Straight alpha over an opaque background.
void AlphaOver(Bitmap32& target, int x0, int y0, const Bitmap32& picture, TRect source) {
    for (int y = source.Top; y < source.Bottom; ++y) {
        for (int x = source.Left; x < source.Right; ++x) {
            const uint32_t s = picture.At(x, y);
            const int a = PixelAlpha(s);
            uint32_t& d = target.At(x0 + x - source.Left, y0 + y - source.Top);
            auto mix = [a](int sc, int dc) { return static_cast<uint8_t>((sc * a + dc * (255 - a) + 127) / 255); };
            d = MakePixel(mix(PixelRed(s), PixelRed(d)), mix(PixelGreen(s), PixelGreen(d)), mix(PixelBlue(s), PixelBlue(d)));
        }
    }
}

// The pixels of one mask: its states side by side with a 2-pixel gap.
Bitmap32 MaskStates(const TsMaskData& mask, const Bitmap32& master) {
    const int states = std::max<int>(1, mask.StateCount);
    const TRect first = MaskStateCell(mask, 0);
    const int cellWidth = first.Width(), cellHeight = first.Height();
    // Texture strips one pixel high are drawn taller so that they can be seen.
    const int shownHeight = std::max(cellHeight, mask.ImageKind == 1 ? 12 : 1);
    Bitmap32 out = Checkerboard(states * cellWidth + (states - 1) * 2, shownHeight);
    for (int s = 0; s < states; ++s) {
        const int x = s * (cellWidth + 2);
        if (mask.Picture && mask.ImageKind >= 3) {
            // Shadows and glows carry their own alpha.
            AlphaOver(out, x, 0, *mask.Picture, MaskStateCell(mask, s));
            continue;
        }
        for (int row = 0; row < shownHeight; row += cellHeight) DrawMaskImage(out, x, row, mask, s, master);
    }
    return out;
}

// A sample face of a section in one state, over a sample of the dialog background.
Bitmap32 SectionFace(const SkinModel& model, const std::string& name, int state, int width, int height,
                     const Bitmap32& background) {
    Bitmap32 face = background.Copy(0, 0, width, height);
    BackgroundInfo parent;
    parent.Bitmap = &background;
    parent.HasBitmap = true;
    PaintControlFace(BindSection(model, name), parent, state, face, TPoint{}, TRect{0, 0, width, height});
    return face;
}

struct Tile {
    Bitmap32 Pixels;
    int Scale = 1;
    QString Caption;
};

// Lays the tiles out in rows, captions under the pictures; returns the height used.
int Flow(QPainter* painter, const std::vector<Tile>& tiles, int top, const QFont& font) {
    const QFontMetrics metrics(font);
    int x = kGap, y = top, rowHeight = 0;
    for (const Tile& tile : tiles) {
        const int w = tile.Pixels.Width() * tile.Scale, h = tile.Pixels.Height() * tile.Scale;
        const int boxWidth = std::max(w, metrics.horizontalAdvance(tile.Caption));
        const int boxHeight = h + 4 + metrics.height();
        if (x + boxWidth > kSheetWidth - kGap && x > kGap) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        if (painter != nullptr) {
            const QImage view(reinterpret_cast<const uchar*>(tile.Pixels.Pixels().data()), tile.Pixels.Width(),
                              tile.Pixels.Height(), tile.Pixels.Width() * 4, QImage::Format_ARGB32);
            painter->drawImage(QRect(x, y, w, h), view);  // no smoothing: every pixel stays a crisp square
            painter->drawText(QPoint(x, y + h + 2 + metrics.ascent()), tile.Caption);
        }
        x += boxWidth + kGap;
        rowHeight = std::max(rowHeight, boxHeight);
    }
    return y + rowHeight + kGap - top;
}

std::vector<Tile> MaskTiles(const SkinModel& model) {
    std::vector<Tile> tiles;
    for (const auto& mask : model.Masks) {
        if (mask.StateCount < 1 || RectEmpty(MaskStateCell(mask, 0))) continue;
        Tile tile;
        tile.Pixels = MaskStates(mask, model.MasterBitmap);
        const int largest = std::max(tile.Pixels.Width(), tile.Pixels.Height());
        tile.Scale = largest <= 60 ? 3 : largest <= 160 ? 2 : 1;
        tile.Caption = QString::fromStdString(mask.SectionName + " " + mask.KeyName);
        tiles.push_back(std::move(tile));
    }
    return tiles;
}

std::vector<Tile> SectionTiles(const SkinModel& model, const Bitmap32& background) {
    std::vector<Tile> tiles;
    for (const auto& section : model.Sections) {
        if (section.SectionName == "GLOBALINFO") continue;
        const int states = std::clamp(section.States, 1, 3);
        constexpr int kWidth = 84, kHeight = 25;
        Bitmap32 strip = Checkerboard(states * (kWidth + 4) - 4, kHeight);
        for (int s = 0; s < states; ++s) {
            strip.Paste(SectionFace(model, section.SectionName, s, kWidth, kHeight, background), s * (kWidth + 4), 0);
        }
        tiles.push_back(Tile{std::move(strip), 1, QString::fromStdString(section.SectionName)});
    }
    return tiles;
}

}  // namespace

void WriteContactSheet(const SkinModel& model, const std::string& outFile) {
    const std::unique_ptr<QGuiApplication> application = EnsureGuiApplication();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    QFont heading = font;
    heading.setBold(true);
    heading.setPixelSize(14);

    // The sections are shown over the dialog's own face, as the program's controls would be.
    Bitmap32 background(120, 40, 0xFFFFFFFF);
    if (model.SectionIndexOf("DIALOG") >= 0) {
        PaintSection(BindSection(model, "DIALOG"), BackgroundInfo{}, 0, background, TPoint{}, TRect{0, 0, 120, 40});
    }
    const std::vector<Tile> masks = MaskTiles(model);
    const std::vector<Tile> sections = SectionTiles(model, background);

    const int headingHeight = QFontMetrics(heading).height() + kGap;
    const int maskHeight = Flow(nullptr, masks, 0, font);
    const int sectionHeight = Flow(nullptr, sections, 0, font);
    QImage sheet(kSheetWidth, 2 * headingHeight + maskHeight + sectionHeight + kGap, QImage::Format_ARGB32);
    sheet.fill(kPaper);
    QPainter painter(&sheet);
    painter.setPen(kCaption);
    int y = kGap;
    painter.setFont(heading);
    painter.drawText(QPoint(kGap, y + QFontMetrics(heading).ascent()), QStringLiteral("Masks"));
    y += headingHeight;
    painter.setFont(font);
    y += Flow(&painter, masks, y, font);
    painter.setFont(heading);
    painter.drawText(QPoint(kGap, y + QFontMetrics(heading).ascent()), QStringLiteral("Sections (normal, hot, pressed)"));
    y += headingHeight;
    painter.setFont(font);
    Flow(&painter, sections, y, font);
    painter.end();
    if (!sheet.save(QString::fromStdString(outFile), "PNG")) {
        throw Exception("Cannot write file \"" + outFile + "\"");
    }
}
