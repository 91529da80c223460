// Opening a control's list for a shot and taking the list window into the picture.
#include "ShotDropDown.h"

#include <QAbstractItemView>
#include <QImage>
#include <QPixmap>

#include "ShotSettle.h"
#include "ShotStates.h"
#include "skin/controls/sComboBoxEx.h"

QWidget* DropShotList(const ShotWindow& window, const std::string& name) {
    QWidget* control = FindShotControl(window, name);
    auto* box = qobject_cast<TsCustomComboBoxEx*>(control);
    if (box == nullptr)
        throw ShotError(kShotExitNoControl, "shot: " + name + " has no list to drop down (" +
                                                control->metaObject()->className() + ")");
    if (!box->isEnabled() || box->ReadOnly)
        throw ShotError(kShotExitNoControl, "shot: " + name + " cannot drop its list down (disabled or read-only)");
    box->showPopup();
    SettleWindow();
    return box->view()->window();
}

void OverlayDropDown(Bitmap32& bitmap, const QWidget& picture, QWidget& list) {
    if (!list.isVisible()) return;
    const QImage image = list.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QPoint at = list.mapToGlobal(QPoint(0, 0)) - picture.mapToGlobal(QPoint(0, 0));
    for (int y = 0; y < image.height(); ++y) {
        const int py = at.y() + y;
        if (py < 0 || py >= bitmap.Height()) continue;
        const auto* row = reinterpret_cast<const uint32_t*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int px = at.x() + x;
            if (px >= 0 && px < bitmap.Width()) bitmap.At(px, py) = row[x] | 0xFF000000u;
        }
    }
}
