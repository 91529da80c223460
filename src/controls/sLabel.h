// TsLabel and TsWebLabel: text labels, the second opening its address on a press.
#pragma once

#include <QFont>
#include <QLabel>

#include "ControlSkinState.h"
#include "core/Color.h"

class TsLabel : public QLabel {
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

    TsControlSkinState SkinData;

protected:
    bool event(QEvent* event) override;

private:
    bool AutoSize_ = true;
    TColor FontColor_ = clWindowText;
};

class TsWebLabel : public TsLabel {
    Q_OBJECT
public:
    explicit TsWebLabel(QWidget* parent = nullptr);

    enum TsShowMode { soDefault, soNormal, soMinimized, soMaximized };
    QString URL;
    TsShowMode ShowMode = soDefault;
    /// With a skin active the link takes the skin's colours instead of its own.
    bool UseSkinColor = true;
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
