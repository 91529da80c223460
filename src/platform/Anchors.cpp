// Anchored placement of controls.
#include "Anchors.h"

#include <QEvent>
#include <QVariant>
#include <QWidget>

TAnchorLayout::TAnchorLayout(QWidget* container, QSize designSize)
    : QObject(container), Container_(container), DesignSize_(designSize) {
    container->installEventFilter(this);
}

namespace {
constexpr const char* kAnchorsProperty = "quadrimoAnchors";
}

void SetAnchors(QWidget* control, TAnchors anchors) { control->setProperty(kAnchorsProperty, anchors); }

TAnchors AnchorsOf(const QWidget* control) {
    const QVariant value = control->property(kAnchorsProperty);
    return value.isValid() ? value.toUInt() : akLeft | akTop;
}

void TAnchorLayout::Add(QWidget* control, TAnchors anchors) {
    SetAnchors(control, anchors);
    Entries_.push_back({control, anchors, control->geometry()});
}

void TAnchorLayout::Apply() {
    const int dx = Container_->width() - DesignSize_.width();
    const int dy = Container_->height() - DesignSize_.height();
    for (const TEntry& entry : Entries_) {
        if (entry.Control.isNull()) continue;
        QRect r = entry.Designed;
        if (entry.Anchors & akRight) {
            if (entry.Anchors & akLeft)
                r.setWidth(std::max(0, r.width() + dx));
            else
                r.moveLeft(r.left() + dx);
        }
        if (entry.Anchors & akBottom) {
            if (entry.Anchors & akTop)
                r.setHeight(std::max(0, r.height() + dy));
            else
                r.moveTop(r.top() + dy);
        }
        entry.Control->setGeometry(r);
    }
}

bool TAnchorLayout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Container_ && event->type() == QEvent::Resize) Apply();
    return QObject::eventFilter(watched, event);
}
