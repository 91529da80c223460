// The mouse on the frame: hot and pressed caption buttons, the armed press, double clicks, the system
// menu, and moving and sizing by the frame (the platform's own move where it is reliable, else ours).
#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "SkinnedFrame.h"
#include "platform/SysCommands.h"

namespace {

Qt::Edges EdgesOf(int code) {
    switch (code) {
        case HTLEFT: return Qt::LeftEdge;
        case HTRIGHT: return Qt::RightEdge;
        case HTTOP: return Qt::TopEdge;
        case HTBOTTOM: return Qt::BottomEdge;
        case HTTOPLEFT: return Qt::TopEdge | Qt::LeftEdge;
        case HTTOPRIGHT: return Qt::TopEdge | Qt::RightEdge;
        case HTBOTTOMLEFT: return Qt::BottomEdge | Qt::LeftEdge;
        case HTBOTTOMRIGHT: return Qt::BottomEdge | Qt::RightEdge;
        default: return {};
    }
}

// How long a press on the icon waits for the second click of a double click before the menu opens:
// the plain menu would otherwise take that click.
int SystemMenuPause() { return std::max(200, QApplication::doubleClickInterval()); }

}  // namespace

void TSkinnedFrame::UpdateCursor(int code) {
    const Qt::Edges edges = EdgesOf(code);
    if (edges == Qt::LeftEdge || edges == Qt::RightEdge)
        Window_->setCursor(Qt::SizeHorCursor);
    else if (edges == Qt::TopEdge || edges == Qt::BottomEdge)
        Window_->setCursor(Qt::SizeVerCursor);
    else if (edges == (Qt::TopEdge | Qt::LeftEdge) || edges == (Qt::BottomEdge | Qt::RightEdge))
        Window_->setCursor(Qt::SizeFDiagCursor);
    else if (edges != Qt::Edges())
        Window_->setCursor(Qt::SizeBDiagCursor);
    else
        Window_->unsetCursor();
}

void TSkinnedFrame::MouseMove(QMouseEvent* event) {
    if (Drag_) {
        if ((event->buttons() & Qt::LeftButton) || Drag_->Tracking) {
            DragTo(event->globalPosition().toPoint());
            return;
        }
        EndDrag();
    }
    UpdateCursor(FrameHitTest(event->position().toPoint()));
}

void TSkinnedFrame::ButtonPressed(int code) {
    TFrameButton* button = Layout.ButtonByHitCode(code);
    if (button == nullptr) return;
    SetHotButton(code, false);
    button->State = 2;
    RepaintTitleButton(code);
    PressArmed = true;
    if (code >= 1000) UserButtonDown(code - 1000);
}

void TSkinnedFrame::MousePress(QMouseEvent* event) {
    if (Drag_ && Drag_->Tracking) {
        EndDrag();  // a click puts the window down where it is
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    const QPoint pos = event->position().toPoint();
    const int code = FrameHitTest(pos);
    if (!Window_->isActiveWindow()) Window_->activateWindow();
    if (Layout.ButtonByHitCode(code) != nullptr) {
        ButtonPressed(code);
        return;
    }
    const TFrameWindowInfo& info = Layout.Info();
    switch (code) {
        case HTSYSMENU:
            SetHotButton(0);
            ShowSystemMenuAtIcon();
            return;
        case HTMENU: return;
        default: break;
    }
    if (info.State == TFrameWindowState::Minimized) {
        SendSysCommand(Window_, SC_DRAGMOVE);
        return;
    }
    // A maximized window is only activated by a press in its title band.
    if (info.State == TFrameWindowState::Maximized && code == HTCAPTION) return;
    if (code == HTCAPTION || EdgesOf(code) != Qt::Edges()) StartDrag(event->globalPosition().toPoint());
    if (Drag_) Drag_->Code = code;
}

void TSkinnedFrame::MouseRelease(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        const int code = Layout.HitTest(pos.x(), pos.y(), GripCorner());
        if (code == HTCAPTION || code == HTSYSMENU) ShowSystemMenu(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton) return;
    if (Drag_) EndDrag();
    if (!PressArmed) {
        SetHotButton(0);
        return;
    }
    const int code = Layout.HitTest(pos.x(), pos.y(), GripCorner());
    const TFrameWindowInfo info = Layout.Info();
    const bool minimized = info.State == TFrameWindowState::Minimized;
    const bool maximized = info.State == TFrameWindowState::Maximized;
    QPointer<TSkinnedFrame> alive(this);
    QPointer<QWidget> window(Window_);
    switch (code) {
        case HTMINBUTTON:
            if (Layout.Buttons[fbMinimize].Contains(pos.x(), pos.y())) {
                SetHotButton(0);
                SendSysCommand(window, minimized && !IsMainForm() ? SC_RESTORE : SC_MINIMIZE);
            }
            break;
        case HTMAXBUTTON:
            if (Layout.MaximizeEnabled()) {
                SetHotButton(0);
                if (maximized) {
                    window->setWindowState(window->windowState() & ~Qt::WindowMaximized);
                    SendSysCommand(window, SC_RESTORE);
                } else {
                    SendSysCommand(window, SC_MAXIMIZE);
                }
                if (alive) UpdateSystemMenu();
            }
            break;
        case HTCLOSE:
            SetHotButton(0);
            SendSysCommand(window, SC_CLOSE);
            break;
        case HTHELP:
            SendSysCommand(window, SC_CONTEXTHELP);
            if (alive) {
                SetHotButton(0);
                UpdateSystemMenu();
                InvalidateFrame();
            }
            break;
        default:
            if (code >= 1000) UserButtonUp(code - 1000);
            break;
    }
    if (alive) PressArmed = false;
}

void TSkinnedFrame::DoubleClick(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint pos = event->position().toPoint();
    const int code = Layout.HitTest(pos.x(), pos.y(), GripCorner());
    // The second press of a double click on a caption button presses it again.
    if (Layout.ButtonByHitCode(code) != nullptr) {
        ButtonPressed(code);
        return;
    }
    const TFrameWindowInfo info = Layout.Info();
    const bool minimized = info.State == TFrameWindowState::Minimized;
    const bool maximized = info.State == TFrameWindowState::Maximized;
    QPointer<TSkinnedFrame> alive(this);
    if (code == HTSYSMENU) {
        if (MenuTimer_ != nullptr) MenuTimer_->stop();
        CloseWindow();
        return;
    }
    if (code != HTCAPTION) return;
    if (info.HasSystemMenu && Layout.MaximizeEnabled())
        SendSysCommand(Window_, minimized || maximized ? SC_RESTORE : SC_MAXIMIZE);
    else if (minimized)
        SendSysCommand(Window_, SC_RESTORE);
    else
        return;
    if (alive) UpdateSystemMenu();
}

void TSkinnedFrame::CloseWindow() {
    if (Window_ != nullptr) Window_->close();
}

void TSkinnedFrame::ShowSystemMenuAtIcon() {
    if (MenuTimer_ == nullptr) {
        MenuTimer_ = new QTimer(this);
        MenuTimer_->setSingleShot(true);
        connect(MenuTimer_, &QTimer::timeout, this, [this] {
            const int iconHeight = Layout.IconShown ? Layout.Icon.Height() : 0;
            ShowSystemMenu(Window_->mapToGlobal(QPoint(Layout.BorderWidth, 2 * Layout.BorderWidth + iconHeight)));
        });
    }
    MenuTimer_->start(SystemMenuPause());
}

// --- Moving and sizing ---------------------------------------------------------------------------------

void TSkinnedFrame::StartDrag(QPoint global) {
    Drag_ = Drag{};
    Drag_->PressGlobal = global;
    Drag_->StartGeometry = Window_->geometry();
}

void TSkinnedFrame::DragTo(QPoint global) {
    Drag& drag = *Drag_;
    const QPoint delta = global - drag.PressGlobal;
    if (!drag.Moving) {
        // Clicks and double clicks stay clicks: a drag begins only after a few pixels.
        if (delta.manhattanLength() < QApplication::startDragDistance()) return;
        drag.Moving = true;
        QWindow* handle = Window_->windowHandle();
        // A window that snaps to the screen's edges is moved here wherever the program may place its
        // windows; only Wayland's compositor keeps that to itself.
        int buffer = 0;
        const bool snapsHere = drag.Code == HTCAPTION && SnapsToScreen(buffer) &&
                               !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
        if (PreferSystemMove() && !snapsHere && handle != nullptr) {
            const bool started = drag.Code == HTCAPTION ? handle->startSystemMove() : handle->startSystemResize(EdgesOf(drag.Code));
            if (started) {
                // The platform has the mouse now; the release does not come here.
                Drag_.reset();
                return;
            }
        }
        if (drag.Code == HTCAPTION) MovingChanged(true);
    }
    if (drag.Code == HTCAPTION) {
        QPoint position = drag.StartGeometry.topLeft() + delta;
        int buffer = 0;
        if (SnapsToScreen(buffer) && position != QPoint(0, 0)) {
            const QScreen* screen = Window_->screen();
            if (screen != nullptr) position = SnapToWorkArea(position, Window_->size(), screen->availableGeometry(), buffer);
        }
        Window_->move(position);
        return;
    }
    // Sizing by an edge, kept within the window's size limits.
    QRect geometry = drag.StartGeometry;
    const Qt::Edges edges = EdgesOf(drag.Code);
    const QSize minimum = Window_->minimumSize().expandedTo(
        QSize(2 * Layout.BorderWidth + 1, Layout.NonClientTop() + Layout.BorderWidth + 1));
    const QSize maximum = Window_->maximumSize();
    if (edges & Qt::LeftEdge) geometry.setLeft(std::min(geometry.left() + delta.x(), geometry.right() - minimum.width() + 1));
    if (edges & Qt::RightEdge) geometry.setRight(geometry.right() + delta.x());
    if (edges & Qt::TopEdge) geometry.setTop(std::min(geometry.top() + delta.y(), geometry.bottom() - minimum.height() + 1));
    if (edges & Qt::BottomEdge) geometry.setBottom(geometry.bottom() + delta.y());
    geometry.setWidth(std::clamp(geometry.width(), minimum.width(), maximum.width()));
    geometry.setHeight(std::clamp(geometry.height(), minimum.height(), maximum.height()));
    Window_->setGeometry(geometry);
}

void TSkinnedFrame::EndDrag() {
    const bool moved = Drag_ && Drag_->Moving && Drag_->Code == HTCAPTION;
    const bool tracking = Drag_ && Drag_->Tracking;
    Drag_.reset();
    if (tracking && Window_ != nullptr) {
        Window_->releaseMouse();
        Window_->releaseKeyboard();
    }
    if (moved) MovingChanged(false);
}

void TSkinnedFrame::StartTracking(int code) {
    if (Drag_) EndDrag();
    // The pointer goes to the middle of the title band (moving) or to the bottom-right corner (sizing).
    const QPoint local = code == HTCAPTION ? QPoint(Window_->width() / 2, (Layout.BorderWidth + Layout.CaptionHeight) / 2)
                                           : QPoint(Window_->width() - 1, Window_->height() - 1);
    const QPoint global = Window_->mapToGlobal(local);
    QCursor::setPos(Window_->screen(), global);
    StartDrag(global);
    Drag_->Code = code;
    Drag_->Moving = true;
    Drag_->Tracking = true;
    Window_->grabMouse(code == HTCAPTION ? Qt::SizeAllCursor : Qt::SizeFDiagCursor);
    Window_->grabKeyboard();
    if (code == HTCAPTION) MovingChanged(true);
}

bool TSkinnedFrame::TrackingKey(QKeyEvent* event) {
    if (!Drag_ || !Drag_->Tracking) return false;
    // The arrows move the pointer, and with it the window, by 8 pixels (1 with Ctrl).
    const int step = event->modifiers().testFlag(Qt::ControlModifier) ? 1 : 8;
    QPoint delta;
    switch (event->key()) {
        case Qt::Key_Escape: {
            const QRect start = Drag_->StartGeometry;
            EndDrag();
            Window_->setGeometry(start);
            return true;
        }
        case Qt::Key_Return:
        case Qt::Key_Enter: EndDrag(); return true;
        case Qt::Key_Left: delta = {-step, 0}; break;
        case Qt::Key_Right: delta = {step, 0}; break;
        case Qt::Key_Up: delta = {0, -step}; break;
        case Qt::Key_Down: delta = {0, step}; break;
        default: return true;
    }
    const QPoint to = QCursor::pos(Window_->screen()) + delta;
    QCursor::setPos(Window_->screen(), to);
    DragTo(to);
    return true;
}
