// The shot command: creating, skinning, setting, settling and taking the window.
#include "ShotCommand.h"

#include <cstdio>
#include <iostream>

#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <QWindow>

#include "ShotDropDown.h"
#include "ShotForms.h"
#include "ShotFrame.h"
#include "ShotGeometry.h"
#include "ShotOptions.h"
#include "ShotSettle.h"
#include "ShotStates.h"
#include "map/codec/PngEncoder.h"
#include "core/FileStreams.h"
#include "platform/Application.h"
#include "platform/Forms.h"
#include "platform/Shell.h"
#include "skin/dialogs/SkinEngine.h"

const char* const kShotUsage =
    "       quadrimo-skin shot [SOURCE | --internal] --form main|about|color|folder [--inactive] [--root-buttons]\n"
    "                     [--hover NAME] [--focus NAME] [--press NAME] [--down NAME] [--disable NAME]\n"
    "                     [--progress POS/MAX] [--text NAME=TEXT] [--dropdown NAME] [--color 0xBBGGRR]\n"
    "                     [--path DIR] [--hover-frame BUTTON] [--press-frame BUTTON] [--geometry FILE.json]\n"
    "                     --out FILE.png\n"
    "       BUTTON: close, maximize, minimize or help\n";

namespace {

// Qt's notes about a missing runtime directory are noise for a batch tool; everything else is shown.
void FilterShotMessages(QtMsgType, const QMessageLogContext&, const QString& message) {
    if (message.startsWith(QLatin1String("QStandardPaths:"))) return;
    // The offscreen platform's notes on a window's shape (kept, not applied) and on a dropped-down
    // list's popup window.
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

// A picture never opens anything, even when a pressed web label asks to.
bool IgnoreShellOpen(const QString&) {
    return true;
}

// The picture widget's pixels as the program paints them; outside the window's region transparent.
Bitmap32 TakePicture(const ShotWindow& window, QWidget& picture) {
    const QImage image = picture.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    Bitmap32 bitmap(image.width(), image.height());
    QRegion region = window.Form->mask().translated(-picture.mapTo(window.Form, QPoint(0, 0)));
    if (!picture.mask().isEmpty()) region = region.isEmpty() ? picture.mask() : region.intersected(picture.mask());
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            bitmap.At(x, y) = region.isEmpty() || region.contains(QPoint(x, y)) ? row[x] : 0;
    }
    return bitmap;
}

int Shoot(const ShotRequest& request) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(FilterShotMessages);
    int argc = 1;
    char name[] = "quadrimo-skin";
    char* argv[] = {name, nullptr};
    TApplication application(argc, argv);
    // A steady caret: a blinking one would make the picture depend on the moment it is taken.
    QApplication::setCursorFlashTime(0);
    SetShellOpenHandler(IgnoreShellOpen);
    InstallSkinEngine();  // as the program does at start-up

    const ShotWindow window = CreateShotWindow(request);
    LoadShotSource(*window.Manager, request.Source);
    ApplyControlStates(window, request);
    ParkPointer();
    window.Form->show();
    SettleWindow();
    const ShotFocusSink sink = ApplyWindowStates(window, request);
    SettleWindow();
    ApplyFrameStates(window, request);
    QWidget* list = request.Dropdown.empty() ? nullptr : DropShotList(window, request.Dropdown);

    // The whole window, its skinned frame included.
    QWidget& picture = *window.Form;
    Bitmap32 bitmap = TakePicture(window, picture);
    if (list != nullptr) OverlayDropDown(bitmap, picture, *list);
    WriteWholeFile(request.Out, EncodePng(bitmap));
    if (!request.Geometry.empty()) {
        const std::string text = ShotGeometryJson(window, request.Form, picture).Write();
        WriteWholeFile(request.Geometry, std::vector<uint8_t>(text.begin(), text.end()));
    }
    return 0;
}

}  // namespace

int RunShotCommand(const std::vector<std::string>& args) {
    try {
        return Shoot(ParseShotArguments(args));
    } catch (const ShotError& error) {
        std::cerr << error.what() << "\n";
        if (error.ExitCode == kShotExitUsage) std::cerr << "usage:\n" << kShotUsage;
        return error.ExitCode;
    } catch (const std::exception& error) {
        std::cerr << "shot: " << error.what() << "\n";
        return kShotExitFailed;
    }
}
