// The form base: a top-level host window holding the client widget in which the controls live.
#pragma once

#include <cstdint>
#include <optional>

#include <QMargins>
#include <QWidget>

#include "core/Color.h"

class QEventLoop;

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = unsigned;

enum class TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter };

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;

/// A program window. Components (controls and non-visual components) are owned through Qt's parent
/// links: the controls are children of Client(), the others children of the form, and all are freed
/// with it. The application object owns the forms (TApplication::AddForm).
class TForm : public QWidget {
    Q_OBJECT
public:
    explicit TForm(QWidget* parent = nullptr);
    /// The form's components (its children that are no widgets) go first, while the form is whole.
    ~TForm() override;
    /// True while the form is being destroyed.
    bool Destroying() const { return Destroying_; }

    /// The widget the controls live in, at client coordinates.
    QWidget* Client() const { return Client_; }

    QString Caption() const { return windowTitle(); }
    void SetCaption(const QString& caption) { setWindowTitle(caption); }

    TFormBorderStyle BorderStyle() const { return BorderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return BorderIcons_; }
    void SetBorderIcons(TBorderIcons icons);

    /// The frame a skinning provider draws itself: the host turns frameless and the client lies inside
    /// these margins (borders, title band, menu line); std::nullopt gives the platform's frame back.
    /// The client keeps its size: the host grows or shrinks around it.
    void SetDrawnFrame(const std::optional<QMargins>& margins);
    const std::optional<QMargins>& DrawnFrame() const { return DrawnFrame_; }

    int ClientWidth() const { return ClientWidth_; }
    int ClientHeight() const { return ClientHeight_; }
    void SetClientSize(int width, int height);
    /// The smallest client a sizeable form may be given; the window's own minimum adds the frame a
    /// provider draws, so that the outer size stays what it is with the platform's frame.
    void SetMinClientSize(int width, int height);

    TColor Color() const { return Color_; }
    void SetColor(TColor color);

    TPosition Position() const { return Position_; }
    void SetPosition(TPosition position);

    intptr_t Tag = 0;

    /// Shows the form modally and returns its modal result once it closes.
    TModalResult ShowModal();
    bool Modal() const { return Modal_; }
    TModalResult ModalResult() const { return ModalResult_; }
    /// A non-zero result ends a modal showing.
    void SetModalResult(TModalResult result);

    /// Closes the form: a modal form ends its showing with mrCancel unless it has a result.
    void Close();
    /// Asked before the form closes; false keeps it open.
    virtual bool CloseQuery() { return true; }

    /// Where a first showing with poDesktopCenter or poScreenCenter puts the frame's top-left corner.
    static QPoint CenteredPosition(const QRect& desktop, const QSize& frameSize);

protected:
    /// An auxiliary window (glows, animation frames): a form the application object does not own,
    /// so that it never becomes the main form nor receives the forms' broadcasts.
    struct AuxiliaryForm {};
    TForm(QWidget* parent, AuxiliaryForm);

    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void UpdateWindowFlags();
    void ApplyFixedSize();
    void ApplyWindowFlags(Qt::WindowFlags flags);
    QMargins ClientMargins() const { return DrawnFrame_.value_or(QMargins()); }

    QWidget* Client_;
    TFormBorderStyle BorderStyle_ = TFormBorderStyle::bsSizeable;
    TBorderIcons BorderIcons_ = biSystemMenu | biMinimize | biMaximize;
    int ClientWidth_ = 0;
    int ClientHeight_ = 0;
    int MinClientWidth_ = 0;
    int MinClientHeight_ = 0;
    TColor Color_;
    TPosition Position_ = TPosition::poDesigned;
    bool Placed_ = false;
    bool Modal_ = false;
    TModalResult ModalResult_ = mrNone;
    QEventLoop* ModalLoop_ = nullptr;
    std::optional<QMargins> DrawnFrame_;
    bool Destroying_ = false;
};
