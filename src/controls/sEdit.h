// TsEdit: the single-line edit.
#pragma once

#include <QLineEdit>

#include "binding/SkinnedControl.h"
#include "binding/sBoundLabel.h"
#include "binding/sCommonData.h"
#include "core/Color.h"

class TsEdit : public QLineEdit, public TsSkinnedControl {
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
    TsDisabledKind DisabledKind() const override { return DisabledKind_; }
    void SetDisabledKind(TsDisabledKind value) { DisabledKind_ = value; }

    TsCtrlSkinData SkinData;
    TsBoundLabel BoundLabel;

    TsCommonData& SkinBinding() override { return SkinData; }
    TColor OwnerColor() const override { return Color_; }
    void SetOwnerColor(TColor color) override { SetColor(color); }
    TColor OwnerFontColor() const override { return FontColor_; }
    void SetOwnerFontColor(TColor color) override { SetFontColor(color); }

protected:
    bool event(QEvent* event) override;

private:
    int MaxLength_ = 0;
    TColor Color_ = clWindow;
    TColor FontColor_ = clWindowText;
    TsDisabledKind DisabledKind_ = dkBlended;
};
