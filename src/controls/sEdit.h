// TsEdit: the single-line edit.
#pragma once

#include <QLineEdit>

#include "ControlSkinState.h"
#include "core/Color.h"

class TsEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TsEdit(QWidget* parent = nullptr, const QString& section = QStringLiteral("EDIT"));

    QString Text() const { return text(); }
    void SetText(const QString& value) { setText(value); }
    /// 0: no limit.
    int MaxLength() const { return MaxLength_; }
    void SetMaxLength(int value);
    TColor Color() const { return Color_; }
    void SetColor(TColor color);
    TColor FontColor() const { return FontColor_; }
    void SetFontColor(TColor color);

    TsControlSkinState SkinData;

protected:
    bool event(QEvent* event) override;

private:
    int MaxLength_ = 0;
    TColor Color_ = clWindow;
    TColor FontColor_ = clWindowText;
};
