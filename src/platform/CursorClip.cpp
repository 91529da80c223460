// The cursor clip: an application-wide filter that moves the cursor back whenever it leaves the rectangle.
#include "CursorClip.h"

#include <algorithm>

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QObject>

namespace {
class ClipFilter : public QObject {
public:
    QRect Rect;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseMove && !Rect.isEmpty()) {
            const QPoint pos = QCursor::pos();
            const QPoint inside = ClampToRect(pos, Rect);
            if (inside != pos) QCursor::setPos(inside);
        }
        return QObject::eventFilter(watched, event);
    }
};

ClipFilter* Filter = nullptr;
}  // namespace

QPoint ClampToRect(const QPoint& point, const QRect& rect) {
    if (rect.isEmpty()) return point;
    return {std::clamp(point.x(), rect.left(), rect.right()), std::clamp(point.y(), rect.top(), rect.bottom())};
}

void ClipCursor(const QRect& globalRect) {
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr) return;
    if (Filter == nullptr) {
        // Owned by the application object, so it goes with it at exit.
        Filter = new ClipFilter;
        Filter->setParent(application);
        QObject::connect(Filter, &QObject::destroyed, [] { Filter = nullptr; });
        application->installEventFilter(Filter);
    }
    Filter->Rect = globalRect;
    if (!globalRect.isEmpty()) {
        const QPoint pos = QCursor::pos();
        const QPoint inside = ClampToRect(pos, globalRect);
        if (inside != pos) QCursor::setPos(inside);
    }
}

QRect CursorClipRect() { return Filter != nullptr ? Filter->Rect : QRect(); }
