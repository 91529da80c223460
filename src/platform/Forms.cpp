// The form base: frame style, client size, colour, position rule and modal showing.
#include "Forms.h"

#include <vector>

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPalette>
#include <QPointer>
#include <QScreen>
#include <QWindow>

#include "Application.h"
#include "DesktopEffects.h"
#include "SystemMetrics.h"

TForm::TForm(QWidget* parent) : QWidget(parent, Qt::Window), Client_(new QWidget(this)), Color_(clBtnFace) {
    Client_->setObjectName(QStringLiteral("Client"));
    // A form without a parent belongs to the application object, which frees it at exit.
    if (parent == nullptr && TApplication::Instance() != nullptr) TApplication::Instance()->AddForm(this);
    // Decided before the window exists: the platform takes a window's translucency at its creation.
    if (ShapesNeedTranslucentWindows()) setAttribute(Qt::WA_TranslucentBackground);
    SetColor(Color_);
    UpdateWindowFlags();
}

TForm::TForm(QWidget* parent, AuxiliaryForm)
    : QWidget(parent, Qt::Window), Client_(new QWidget(this)), Color_(clBtnFace) {
    Client_->setObjectName(QStringLiteral("Client"));
    SetColor(Color_);
    UpdateWindowFlags();
}

TForm::~TForm() {
    Destroying_ = true;
    // Components may still ask the form about itself while they go (a frame provider gives nothing
    // back to a form that is going, but has to know that it is).
    std::vector<QPointer<QObject>> components;
    for (QObject* child : children())
        if (!child->isWidgetType()) components.emplace_back(child);
    for (const QPointer<QObject>& component : components) delete component.data();
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
    BorderStyle_ = style;
    UpdateWindowFlags();
    ApplyFixedSize();
}

void TForm::SetBorderIcons(TBorderIcons icons) {
    BorderIcons_ = icons;
    UpdateWindowFlags();
}

void TForm::UpdateWindowFlags() {
    Qt::WindowFlags flags = Qt::CustomizeWindowHint;
    const bool dialog = BorderStyle_ == TFormBorderStyle::bsDialog;
    flags |= dialog ? Qt::Dialog : Qt::Window;
    if (BorderStyle_ == TFormBorderStyle::bsNone || DrawnFrame_) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::WindowTitleHint;
        if (BorderIcons_ & biSystemMenu) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        // A dialog frame has no minimize or maximize buttons, whatever the icons say.
        if (!dialog && (BorderIcons_ & biMinimize)) flags |= Qt::WindowMinimizeButtonHint;
        if (!dialog && (BorderIcons_ & biMaximize) && BorderStyle_ == TFormBorderStyle::bsSizeable)
            flags |= Qt::WindowMaximizeButtonHint;
        if (BorderIcons_ & biHelp) flags |= Qt::WindowContextHelpButtonHint;
    }
    ApplyWindowFlags(flags);
}

void TForm::ApplyWindowFlags(Qt::WindowFlags flags) {
    if (flags == windowFlags()) return;
    if (testAttribute(Qt::WA_WState_Created) && windowHandle() != nullptr) {
        // A window that exists keeps it: re-creating would hide it, and it may be in the middle of
        // being shown (a provider taking it over at its first showing).
        overrideWindowFlags(flags);
        windowHandle()->setFlags(flags);
        return;
    }
    const bool visible = isVisible();
    setWindowFlags(flags);
    if (visible) show();
}

void TForm::SetDrawnFrame(const std::optional<QMargins>& margins) {
    if (margins == DrawnFrame_) return;
    const QSize client(ClientWidth_ > 0 ? ClientWidth_ : Client_->width(), ClientHeight_ > 0 ? ClientHeight_ : Client_->height());
    DrawnFrame_ = margins;
    UpdateWindowFlags();
    const QMargins m = ClientMargins();
    const QSize host(client.width() + m.left() + m.right(), client.height() + m.top() + m.bottom());
    const bool sizeable =
        BorderStyle_ == TFormBorderStyle::bsSizeable || BorderStyle_ == TFormBorderStyle::bsSizeToolWin;
    if (!sizeable && ClientWidth_ > 0 && ClientHeight_ > 0) {
        setFixedSize(host);
    } else {
        ApplyFixedSize();
        resize(host);
    }
    Client_->setGeometry(rect().marginsRemoved(m));
}

void TForm::SetClientSize(int width, int height) {
    ClientWidth_ = width;
    ClientHeight_ = height;
    const QMargins m = ClientMargins();
    resize(width + m.left() + m.right(), height + m.top() + m.bottom());
    ApplyFixedSize();
}

void TForm::SetMinClientSize(int width, int height) {
    MinClientWidth_ = width;
    MinClientHeight_ = height;
    ApplyFixedSize();
}

void TForm::ApplyFixedSize() {
    const bool sizeable =
        BorderStyle_ == TFormBorderStyle::bsSizeable || BorderStyle_ == TFormBorderStyle::bsSizeToolWin;
    if (sizeable) {
        const QMargins m = ClientMargins();
        if (MinClientWidth_ > 0 || MinClientHeight_ > 0)
            setMinimumSize(MinClientWidth_ + m.left() + m.right(), MinClientHeight_ + m.top() + m.bottom());
        else
            setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else if (ClientWidth_ > 0 && ClientHeight_ > 0) {
        const QMargins m = ClientMargins();
        setFixedSize(ClientWidth_ + m.left() + m.right(), ClientHeight_ + m.top() + m.bottom());
    }
}

void TForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Client_->setGeometry(rect().marginsRemoved(ClientMargins()));
    if (BorderStyle_ == TFormBorderStyle::bsSizeable) {
        ClientWidth_ = Client_->width();
        ClientHeight_ = Client_->height();
    }
}

void TForm::SetColor(TColor color) {
    Color_ = color;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(color));
    setPalette(pal);
    setAutoFillBackground(true);
}

void TForm::SetPosition(TPosition position) {
    Position_ = position;
    Placed_ = false;
}

QPoint TForm::CenteredPosition(const QRect& desktop, const QSize& frameSize) {
    int x = desktop.left() + (desktop.width() - frameSize.width()) / 2;
    int y = desktop.top() + (desktop.height() - frameSize.height()) / 2;
    if (x < desktop.left()) x = desktop.left();
    if (y < desktop.top()) y = desktop.top();
    return {x, y};
}

void TForm::showEvent(QShowEvent* event) {
    // The position rule acts on the first showing only; later showings keep the last place.
    if (!Placed_) {
        Placed_ = true;
        QScreen* screen = QGuiApplication::primaryScreen();
        if (screen != nullptr &&
            (Position_ == TPosition::poDesktopCenter || Position_ == TPosition::poScreenCenter)) {
            const QRect area = Position_ == TPosition::poDesktopCenter ? screen->virtualGeometry()
                                                                         : screen->geometry();
            QSize frame = frameGeometry().size();
            if (frame.width() < width() || frame.height() < height()) frame = size();
            move(CenteredPosition(area, frame));
        }
    }
    QWidget::showEvent(event);
}

TModalResult TForm::ShowModal() {
    ModalResult_ = mrNone;
    Modal_ = true;
    setWindowModality(Qt::ApplicationModal);
    show();
    activateWindow();
    QEventLoop loop;
    ModalLoop_ = &loop;
    QPointer<TForm> self(this);
    // A handler may take a result back (mrNone) before the loop sees it: the showing goes on then.
    while (ModalResult_ == mrNone && isVisible()) {
        loop.exec();
        if (!self) return mrCancel;
    }
    ModalLoop_ = nullptr;
    Modal_ = false;
    if (isVisible()) hide();
    setWindowModality(Qt::NonModal);
    if (ModalResult_ == mrNone) ModalResult_ = mrCancel;
    return ModalResult_;
}

void TForm::SetModalResult(TModalResult result) {
    ModalResult_ = result;
    if (ModalLoop_ != nullptr && result != mrNone) ModalLoop_->quit();
}

void TForm::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (ModalLoop_ != nullptr) ModalLoop_->quit();
}

void TForm::Close() { close(); }

void TForm::closeEvent(QCloseEvent* event) {
    if (!CloseQuery()) {
        event->ignore();
        return;
    }
    if (Modal_ && ModalResult_ == mrNone) ModalResult_ = mrCancel;
    QWidget::closeEvent(event);
    if (ModalLoop_ != nullptr) ModalLoop_->quit();
}
