// TsCustomLabel, TsLabel and TsWebLabel: text labels in the skin's text colour, the last opening
// its address on a press.
#pragma once

#include <functional>

#include <QFont>
#include <QLabel>

#include "skin/binding/SkinnedControl.h"
#include "skin/binding/sBoundLabel.h"
#include "skin/binding/sCommonData.h"
#include "core/Color.h"

/// A label that paints its text itself while a skin is active: in its font colour, or disabled in
/// 40 % of it over 60 % of the parent's background colour; an optional own section paints its
/// background and lends its font colour. The skin engine treats it as windowless.
class TsCustomLabel : public QLabel, public TsSkinnedControl {
    Q_OBJECT
public:
    explicit TsCustomLabel(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption);
    bool AutoSize() const { return AutoSize_; }
    void SetAutoSize(bool value);
    bool WordWrap() const { return wordWrap(); }
    void SetWordWrap(bool value) { setWordWrap(value); }
    TColor FontColor() const { return FontColor_; }
    void SetFontColor(TColor color);

    /// The label's own section (optional): its colours and background, when the skin has it.
    QString SkinSection() const { return SkinData.SkinSection(); }
    void SetSkinSection(const QString& value) { SkinData.SetSkinSection(value); }
    std::function<void(QObject*)> OnMouseEnter;
    std::function<void(QObject*)> OnMouseLeave;

    /// A label has no section of its own unless one is named.
    TsCommonData SkinData;
    TsCommonData& SkinBinding() override { return SkinData; }
    TColor OwnerFontColor() const override { return FontColor_; }
    void SetOwnerFontColor(TColor color) override { SetFontColor(color); }

    /// Whether the label's manager has an active skin.
    bool SkinActive() const;
    /// The colour the text is drawn in now: the font colour, or its disabled mix while skinned.
    TColor TextColor() const;
    /// What an auto-sized label measures: an empty text (or a lone "&") as one space.
    QSize sizeHint() const override;

protected:
    /// Brings the font (colour) up to date before painting; the labels below add the skin's colours.
    virtual void UpdateCurrentFont() {}
    /// Sets the font colour from painting without another repaint.
    void SetFontColorQuietly(TColor color);
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool AutoSize_ = true;
    TColor FontColor_ = clWindowText;
    bool Quiet_ = false;
};

/// The label of the forms: with a skin active and UseSkinColor it takes the text colour of the
/// nearest ancestor that lends its font, else the skin's global text colour.
class TsLabel : public TsCustomLabel {
    Q_OBJECT
public:
    explicit TsLabel(QWidget* parent = nullptr) : TsCustomLabel(parent) {}

    bool UseSkinColor = true;
    /// The skin's colour for the label's text, or clNone when the label keeps its own.
    TColor SkinFontColor() const;

protected:
    void UpdateCurrentFont() override;
    bool event(QEvent* event) override;
};

/// The label of a bound label (TsBoundLabel): a skinned label the edit places beside itself.
class TsEditLabel : public TsLabel, public TsBoundLabelControl {
    Q_OBJECT
public:
    explicit TsEditLabel(QWidget* parent = nullptr) : TsLabel(parent) {}

    QLabel* Label() override { return this; }
    bool AutoSize() const override { return TsLabel::AutoSize(); }
    void SetAutoSize(bool value) override { TsLabel::SetAutoSize(value); }
    bool UseSkinColor() const override { return TsLabel::UseSkinColor; }
    void SetUseSkinColor(bool value) override { TsLabel::UseSkinColor = value; }
};

/// The platform's show commands, in their numeric order.
enum TsWindowShowMode {
    soHide, soNormal, soShowMinimized, soMaximize, soShowNoActivate, soShow,
    soMinimize, soShowMinNoActive, soShowNA, soRestore, soDefault
};

/// A link: the normal font, or the hover font while the mouse is over it; with skin colours the
/// skin's link colours (blue, red while hovered, unless the skin names others).
class TsWebLabel : public TsLabel {
    Q_OBJECT
public:
    explicit TsWebLabel(QWidget* parent = nullptr);

    QString URL;
    TsWindowShowMode ShowMode = soDefault;
    QFont HoverFont;
    TColor HoverFontColor = clWindowText;
    /// The label's own font and colour (its Font), shown while the mouse is not over it; repaints.
    void SetNormalFont(const QFont& font, TColor color);
    bool Hot() const { return Hot_; }
    /// The colour of the text for the hover state: the skin's or the font's own.
    TColor LinkColor(bool hot) const;

protected:
    void UpdateCurrentFont() override;
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void SetHot(bool hot);
    QFont NormalFont_;
    TColor NormalColor_ = clWindowText;
    bool Hot_ = false;
};
