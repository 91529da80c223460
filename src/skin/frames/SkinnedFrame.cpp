// The shared frame: binding, skin state, window events, hot button, region and the skin commands.
#include "SkinnedFrame.h"

#include <algorithm>

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "TitleButtonAnimation.h"
#include "skin/binding/ParentBackground.h"
#include "skin/effects/GlowEffect.h"
#include "platform/BitmapView.h"
#include "platform/DesktopEffects.h"
#include "skin/manager/SkinCommands.h"
#include "platform/SysCommands.h"
#include "platform/QtRects.h"
#include "platform/SystemMetrics.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/PaintBorder.h"

bool TSkinnedFrame::PressArmed = false;

bool PreferSystemMove() {
    // X11 window managers may accept a system move and then do nothing, and a display without one
    // refuses it; elsewhere the platform moves frameless windows itself (and must, on Wayland).
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("xcb") && platform != QLatin1String("offscreen");
}

QPoint SnapToWorkArea(QPoint position, QSize size, const QRect& workArea, int buffer) {
    int x = position.x();
    int y = position.y();
    const int right = workArea.x() + workArea.width();
    const int bottom = workArea.y() + workArea.height();
    if (std::abs(right - (x + size.width())) < buffer) x = right - size.width();
    if (std::abs(bottom - (y + size.height())) < buffer) y = bottom - size.height();
    if (std::abs(x - workArea.x()) < buffer) x = workArea.x();
    if (std::abs(y - workArea.y()) < buffer) y = workArea.y();
    return {x, y};
}

TSkinnedFrame::TSkinnedFrame(QWidget* window, const QString& section, QObject* parent)
    : QObject(parent), Window_(window), SkinData_(std::make_unique<TsCommonData>(window, nullptr, 0, true, section)) {
    SkinData_->OwnerObject = this;
}

TSkinnedFrame::~TSkinnedFrame() {
    for (TFrameButton& button : Layout.Buttons) {
        delete button.Animation;
        button.Animation = nullptr;
        if (button.GlowHandle >= 0) RemoveGlow(button.GlowHandle);
    }
    if (HotCode != 0) PressArmed = false;
}

TsSkinManager* TSkinnedFrame::Manager() const { return SkinData_->EffectiveManager(); }

const SkinModel* TSkinnedFrame::Model() const { return SkinData_->Model(); }

bool TSkinnedFrame::DrawsFrame() const { return SkinData_->IsSkinned() && Window_ != nullptr; }

void TSkinnedFrame::Hook() {
    if (Window_ == nullptr) return;
    Window_->installEventFilter(this);
    Window_->setMouseTracking(true);
    if (QWidget* client = ClientWidget()) client->installEventFilter(this);
}

void TSkinnedFrame::Unhook() {
    if (Window_ == nullptr) return;
    Window_->removeEventFilter(this);
    if (QWidget* client = ClientWidget()) client->removeEventFilter(this);
    Window_->unsetCursor();
}

// --- Skin state and layout ----------------------------------------------------------------------------

void TSkinnedFrame::UpdateSkinState() {
    SkinData_->ResolveSkinIndexes();
    const SkinModel* model = Model();
    const bool skinned = SkinData_->IsSkinned();
    TitleSectionIndex = skinned ? model->SectionIndexOf(TitleSkinName().toStdString()) : -1;
    CaptionSectionIndex = skinned ? model->SectionIndexOf("CAPTION") : -1;
    for (TCaptionGlow& glow : CaptionGlows) glow = TCaptionGlow();
    UpdateLayout();
    const bool drawn = DrawsFrame();
    if (drawn != FrameApplied_ || drawn) ApplyFrameMode(drawn);
    UpdateLayout();  // the window's size follows the frame mode
    SkinData_->CacheInvalid = true;
}

void TSkinnedFrame::UpdateLayout() {
    const SkinModel* model = Model();
    if (model == nullptr || Window_ == nullptr) return;
    Layout.Update(WindowInfo(), *model, CaptionSectionIndex, UserButtonInfos());
}

TPoint TSkinnedFrame::GripCorner() const {
    const SkinModel* model = Model();
    if (model == nullptr || !Layout.Info().GripShown) return {-1, -1};
    const int index = model->MaskIndexOf("GLOBALINFO", "GRIPIMAGE");
    if (index < 0) return {-1, -1};
    const TsMaskData& mask = model->Masks[static_cast<size_t>(index)];
    const int width = TitleButtonCellWidth(*model, index);
    const int height = TitleButtonCellHeight(*model, index);
    (void)mask;
    return {Layout.Info().Width - width - Layout.BorderWidth - 1, Layout.Info().Height - height - Layout.BorderWidth - 1};
}

void TSkinnedFrame::InvalidateFrame() {
    SkinData_->CacheInvalid = true;
    if (Window_ != nullptr) Window_->update();
}

// --- Hot button ---------------------------------------------------------------------------------------

int TSkinnedFrame::FrameHitTest(QPoint point) {
    const int code = Layout.HitTest(point.x(), point.y(), GripCorner());
    if (Layout.ButtonByHitCode(code) != nullptr)
        SetHotButton(code);
    else
        SetHotButton(0);
    return code;
}

void TSkinnedFrame::SetHotButton(int code, bool repaint) {
    if (!DrawsFrame()) return;
    if (Layout.ButtonByHitCode(code) == nullptr) code = 0;
    if (code == HotCode) return;
    if (TFrameButton* old = Layout.ButtonByHitCode(HotCode)) {
        old->State = 0;
        if (repaint) RepaintTitleButton(HotCode);
    }
    HotCode = code;
    if (TFrameButton* now = Layout.ButtonByHitCode(code)) {
        now->State = 1;
        if (repaint) RepaintTitleButton(code);
    }
    PressArmed = false;
}

// --- Shape ------------------------------------------------------------------------------------------------

QRegion TSkinnedFrame::WindowRegion() const {
    const SkinModel* model = Model();
    const TsGeneralData* section = SkinData_->Section();
    if (!DrawsFrame() || model == nullptr || section == nullptr || Window_ == nullptr) return {};
    const TFrameWindowInfo& info = Layout.Info();
    const bool minimized = info.State == TFrameWindowState::Minimized;
    if (!minimized && info.BorderStyle == TFormBorderStyle::bsNone && Layout.CaptionHeight == 0) return {};
    if (Window_->parentWidget() != nullptr && !Window_->isWindow()) return {};  // docked into a parent
    const int width = info.Width, height = info.Height;
    if (info.State == TFrameWindowState::Maximized && !info.MaxConstraints && !info.MdiChild)
        return QRegion(Layout.BorderWidth, Layout.BorderWidth, width - 2 * Layout.BorderWidth,
                       height - 2 * Layout.BorderWidth);
    QRegion region(0, 0, width, height);
    const int state = std::clamp(FormActive ? 1 : 0, 0, std::max(section->States - 1, 0));
    // The key-coloured corner pixels of the form's frame and of the title band's top corners.
    std::vector<TRect> runs;
    const TsMaskData* frameMask = model->MaskAt(SkinData_->BorderMaskIndex);
    if (frameMask != nullptr && width > 1 && height > 1) {
        Bitmap32 scratch(width, height);
        PaintBorderMask(scratch, &runs, false, state, *frameMask, model->MasterBitmap);
    }
    if (TitleSectionIndex >= 0 && Layout.CaptionHeight > 0) {
        const TsGeneralData& title = model->Sections[static_cast<size_t>(TitleSectionIndex)];
        if (const TsMaskData* titleMask = model->MaskAt(title.BorderIndex)) {
            const TsMaskData& mask = *titleMask;
            const int titleState = std::clamp(FormActive ? 1 : 0, 0, std::max(title.States - 1, 0));
            std::vector<TRect> titleRuns;
            if (width > 1 && Layout.BorderWidth + Layout.CaptionHeight > 1) {
                Bitmap32 scratch(width, Layout.BorderWidth + Layout.CaptionHeight);
                PaintBorderMask(scratch, &titleRuns, false, titleState, mask, model->MasterBitmap);
            }
            for (const TRect& run : titleRuns)
                if (run.Top < mask.BorderTop) runs.push_back(run);
        }
    }
    for (const TRect& run : runs) region -= QRegion(ToQRect(run));
    return region;
}

void TSkinnedFrame::UpdateWindowRegion() {
    if (Window_ == nullptr) return;
    const QRegion region = WindowRegion();
    if (region.isEmpty())
        Window_->clearMask();
    else if (region != Window_->mask())
        Window_->setMask(region);
}

// --- Events -------------------------------------------------------------------------------------------------

bool TSkinnedFrame::CallDefault(QEvent* event) {
    if (Window_ == nullptr) return false;
    QEvent* outer = DefaultEvent_;
    DefaultEvent_ = event;
    const bool result = QCoreApplication::sendEvent(Window_, event);
    DefaultEvent_ = outer;
    return result;
}

bool TSkinnedFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event == DefaultEvent_ || Window_ == nullptr) return false;
    if (watched == Window_) return WindowEvent(event);
    if (watched == ClientWidget()) return ClientEvent(event);
    return false;
}

bool TSkinnedFrame::SkinCommand(TNimbrelCommandEvent& command) {
    switch (command.Command()) {
        case AC_CTRLHANDLED: command.Result = 1; return true;
        case AC_SETNEWSKIN:
        case AC_REMOVESKIN:
        case AC_REFRESH:
            if (command.Manager() != nullptr && command.Manager() != Manager()) return false;
            if (command.Command() == AC_REMOVESKIN) {
                // The skin is going: give the window its platform frame back now, before the model empties.
                SkinData_->SectionIndex = -1;
                TitleSectionIndex = CaptionSectionIndex = -1;
                if (FrameApplied_) ApplyFrameMode(false);
                HotCode = 0;
                Window_->update();
                return true;
            }
            UpdateSkinState();
            PaintWindowImage(true);
            UpdateWindowRegion();
            Window_->update();
            return true;
        default: break;
    }
    return SkinData_->HandleSkinCommand(command);
}

void TSkinnedFrame::SysCommand(TSysCommandEvent& command) {
    // The platform's move and resize follow a held button only; chosen from the menu they are ours.
    if ((command.Command == SC_MOVE || command.Command == SC_SIZE) && !command.Handled && DrawsFrame() &&
        QGuiApplication::mouseButtons() == Qt::NoButton && Window_->isVisible() && !Window_->isMinimized() &&
        !Window_->isMaximized()) {
        command.Handled = true;
        StartTracking(command.Command == SC_MOVE ? HTCAPTION : HTBOTTOMRIGHT);
    }
}

void TSkinnedFrame::ActivationChanged(QEvent* event) {
    CallDefault(event);
    if (Window_ != nullptr) Window_->update();
}

bool TSkinnedFrame::WindowEvent(QEvent* event) {
    if (TNimbrelCommandEvent* command = AsNimbrelCommand(event)) return SkinCommand(*command);
    if (event->type() == TSysCommandEvent::EventType) {
        SysCommand(*static_cast<TSysCommandEvent*>(event));
        return false;
    }
    if (!DrawsFrame()) return false;
    switch (event->type()) {
        case QEvent::Paint:
            PaintFrame();
            return true;
        case QEvent::Resize:
        case QEvent::WindowStateChange:
            UpdateLayout();
            SkinData_->CacheInvalid = true;
            UpdateWindowRegion();
            return false;
        case QEvent::Show:
            UpdateLayout();
            UpdateWindowRegion();
            return false;
        case QEvent::KeyPress: return TrackingKey(static_cast<QKeyEvent*>(event));
        case QEvent::WindowActivate:
        case QEvent::WindowDeactivate: {
            if (event->type() == QEvent::WindowDeactivate && Drag_ && Drag_->Tracking) EndDrag();
            const bool active = Window_->isActiveWindow();
            if (active != FormActive) {
                FormActive = active;
                SkinData_->CacheInvalid = true;
                // The skin's active and inactive corners may differ.
                UpdateWindowRegion();
            }
            ActivationChanged(event);
            return true;
        }
        case QEvent::WindowTitleChange:
            for (TCaptionGlow& glow : CaptionGlows) glow = TCaptionGlow();
            InvalidateFrame();
            return false;
        case QEvent::MouseMove: MouseMove(static_cast<QMouseEvent*>(event)); return true;
        case QEvent::MouseButtonPress: MousePress(static_cast<QMouseEvent*>(event)); return true;
        case QEvent::MouseButtonRelease: MouseRelease(static_cast<QMouseEvent*>(event)); return true;
        case QEvent::MouseButtonDblClick: DoubleClick(static_cast<QMouseEvent*>(event)); return true;
        case QEvent::Leave:
            if (!Drag_) SetHotButton(0);
            return false;
        default: return false;
    }
}

bool TSkinnedFrame::ClientEvent(QEvent* event) {
    if (TNimbrelCommandEvent* command = AsNimbrelCommand(event)) {
        // The controls ask the client area about what lies under them: the picture's client part.
        const QWidget* client = ClientWidget();
        const QPoint at = client->pos();
        switch (command->Command()) {
            case AC_GETBACKGROUND: {
                auto* request = command->Data<BackgroundRequest>();
                if (request == nullptr || !SkinData_->IsSkinned()) return false;
                PaintWindowImage();
                if (request->FillTarget) {
                    request->OffsetX += at.x();
                    request->OffsetY += at.y();
                }
                AnswerGetBackground(*SkinData_, *request, command->Argument());
                if (request->Kind == 2 && !request->FillTarget) {
                    request->OffsetX += at.x();
                    request->OffsetY += at.y();
                }
                command->Result = 1;
                return true;
            }
            case AC_GETBGCOLOR:
                if (!SkinData_->IsSkinned()) return false;
                command->Result = static_cast<intptr_t>(BackgroundColorAnswer(*SkinData_));
                return true;
            case AC_ISSUSPENDED:
                // The window's picture is rebuilt before its children paint in the same pass.
                command->Result = SkinData_->PaintingSuspended ? 1 : 0;
                return true;
            case AC_ISPARTLYVISIBLE: command->Result = 0; return true;
            case AC_SKINSTATE:
                if (command->Argument() == 1) return false;
                command->Result = SkinData_->SkinState;
                return true;
            default: return false;
        }
    }
    // The mouse left the frame for the client area: no caption button is hot any longer.
    if (event->type() == QEvent::Enter && DrawsFrame() && !Drag_) SetHotButton(0);
    return false;
}

void TSkinnedFrame::PaintFrame() {
    PaintWindowImage();
    const Bitmap32* picture = SkinData_->CacheBitmap.get();
    if (picture == nullptr || picture->Empty()) return;
    QPainter painter(Window_);
    painter.drawImage(0, 0, BitmapView(*picture));
    if (!ClientFromPicture()) {
        const int b = Layout.BorderWidth;
        painter.fillRect(QRect(b, Layout.NonClientTop(), Window_->width() - 2 * b, Window_->height() - Layout.NonClientTop() - b),
                         ToQColor(Model()->GlobalBackColor()));
    }
}
