// TsProgressBar.
#include "sProgressBar.h"

#include "binding/ControlKinds.h"

TsProgressBar::TsProgressBar(QWidget* parent)
    : QProgressBar(parent), SkinData(this, this, ckProgressBar, false, QStringLiteral("GAUGE")) {
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
}

void TsProgressBar::SetPosition(int value) {
    // Positions outside the range are clamped rather than ignored.
    setValue(qBound(minimum(), value, maximum()));
}

bool TsProgressBar::event(QEvent* event) { return HandleSkinEvent(SkinData, event) || QProgressBar::event(event); }
