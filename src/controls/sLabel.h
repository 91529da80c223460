// TsLabel and TsWebLabel: text labels, the second opening its address on a press.
#pragma once

#include <QFont>
#include <QLabel>

#include "binding/SkinnedControl.h"
#include "binding/sBoundLabel.h"
#include "binding/sCommonData.h"
#include "core/Color.h"

class TsLabel : public QLabel, public TsSkinnedControl {
    Q_OBJECT
public:
    explicit TsLabel(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption);
    bool AutoSize() const { return AutoSize_; }
    void SetAutoSize(bool value);
    bool WordWrap() const { return wordWrap(); }
    void SetWordWrap(bool value) { setWordWrap(value); }
    TColor FontColor() const { return FontColor_; }
    void SetFontColor(TColor color);

    /// With a skin active the label takes the skin's text colours instead of its own.
    bool UseSkinColor = true;
    /// The label's own section (optional): its colours and background, when the skin has it.
    QString SkinSection() const { return SkinData.SkinSection(); }
    void SetSkinSection(const QString& value) { SkinData.SetSkinSection(value); }

    /// A label is windowless and has no section of its own unless one is named.
    TsCommonData SkinData;
    TsCommonData& SkinBinding() override { return SkinData; }
    TColor OwnerFontColor() const override { return FontColor_; }
    void SetOwnerFontColor(TColor color) override { SetFontColor(color); }

protected:
    bool event(QEvent* event) override;

private:
    bool AutoSize_ = true;
    TColor FontColor_ = clWindowText;
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

class TsWebLabel : public TsLabel {
    Q_OBJECT
public:
    explicit TsWebLabel(QWidget* parent = nullptr);

    enum TsShowMode { soDefault, soNormal, soMinimized, soMaximized };
    QString URL;
    TsShowMode ShowMode = soDefault;
    QFont HoverFont;
    TColor HoverFontColor = clWindowText;
    /// The label's own font and colour, shown while the mouse is not over it.
    void SetNormalFont(const QFont& font, TColor color);
    bool Hot() const { return Hot_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void ShowHot(bool hot);
    QFont NormalFont_;
    TColor NormalColor_ = clWindowText;
    bool Hot_ = false;
};
