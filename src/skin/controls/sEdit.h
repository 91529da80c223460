// TsEdit: the single-line edit, its frame and (disabled) face painted from the skin.
#pragma once

#include <memory>

#include <QLineEdit>
#include <QStyle>

#include "skin/binding/SkinnedControl.h"
#include "skin/binding/sBoundLabel.h"
#include "skin/binding/sCommonData.h"
#include "core/Color.h"

enum class TBorderStyle { bsNone, bsSingle };

/// The edit. Qt has no non-client area: the edit is a frameless line edit whose text keeps a margin
/// of the border width, and the frame is painted into that margin. Skinned and enabled, Qt paints
/// the text on the edit's Color and the frame's four strips come from the cache; disabled, the
/// whole cache (face, frame, text, disabled look) is shown. The file, folder and number edits
/// derive from it and share all of this.
class TsEdit : public QLineEdit, public TsSkinnedControl {
    Q_OBJECT
public:
    explicit TsEdit(QWidget* parent = nullptr, const QString& section = QStringLiteral("EDIT"));
    ~TsEdit() override;

    QString Text() const { return text(); }
    /// Text set from code is never cut to MaxLength.
    void SetText(const QString& value);
    /// Limits typing (keys, input methods, pastes) only; 0: no limit. A longer text set from code
    /// stays whole, and typing may then shorten it but not lengthen it.
    int MaxLength() const { return MaxLength_; }
    void SetMaxLength(int value);
    TColor Color() const { return Color_; }
    /// With CustomColor the cache is out of date afterwards.
    void SetColor(TColor color);
    TColor FontColor() const { return FontColor_; }
    void SetFontColor(TColor color);
    TsDisabledKind DisabledKind() const override { return DisabledKind_; }
    void SetDisabledKind(TsDisabledKind value);
    TBorderStyle BorderStyle() const { return BorderStyle_; }
    void SetBorderStyle(TBorderStyle value);
    bool Ctl3D() const { return Ctl3D_; }
    /// 0: the text is shown; otherwise every character shows as this one.
    QChar PasswordChar() const { return PasswordChar_; }
    void SetPasswordChar(QChar value);

    /// Width of the frame: Ctl3D + 1 for a single border, none without.
    int BorderWidth() const;
    /// The text as the cache shows it: the password character once per character ("*" as "●").
    QString ShownText() const;

    TsCtrlSkinData SkinData;
    TsBoundLabel BoundLabel;

    TsCommonData& SkinBinding() override { return SkinData; }
    TColor OwnerColor() const override { return Color_; }
    void SetOwnerColor(TColor color) override { SetColor(color); }
    TColor OwnerFontColor() const override { return FontColor_; }
    void SetOwnerFontColor(TColor color) override { SetFontColor(color); }
    /// The text, drawn into the cache inside the frame.
    void PaintContent(Bitmap32& cache, QPainter& painter, int state) override;

    /// Keeps the text inside the frame (and, in the edits with a button, left of it).
    virtual void UpdateTextRect();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    friend class TsTypingLimit;
    /// The reactions after Qt handled an event (the binding already saw it).
    void AfterEvent(QEvent* event);
    /// Cache out of date and a repaint, unless the form is loading or painting is off.
    void InvalidateLook();
    /// The unskinned frame: the style's edit frame in the border's width.
    void PaintPlainFrame();

    int MaxLength_ = 0;
    /// The text's length when the user's input event being handled began; -1 outside one.
    qsizetype TypingFrom_ = -1;
    TColor Color_ = clWindow;
    TColor FontColor_ = clWindowText;
    TsDisabledKind DisabledKind_ = dkBlended;
    TBorderStyle BorderStyle_ = TBorderStyle::bsSingle;
    bool Ctl3D_ = true;
    QChar PasswordChar_;
    std::unique_ptr<QStyle> PasswordStyle_;
};
