// TsScrollBox: a scrolling box whose surface is a skin section's face, for controls laid on it.
#pragma once

#include <QScrollArea>

#include "skin/binding/SkinnedControl.h"
#include "skin/binding/sCommonData.h"

/// The box's surface: the section's face (state 0) when skinned, else its palette's window colour.
/// Windowless controls on it take their background from its picture.
class TsScrollBoxPanel : public QWidget, public TsSkinnedControl {
    Q_OBJECT
public:
    TsScrollBoxPanel(QWidget* parent, const QString& section);

    TsCommonData SkinData;
    TsCommonData& SkinBinding() override { return SkinData; }
    int PaintState() override { return 0; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

/// A frameless box that scrolls its panel vertically when the controls on it do not fit.
class TsScrollBox : public QScrollArea {
    Q_OBJECT
public:
    explicit TsScrollBox(QWidget* parent = nullptr, const QString& section = QStringLiteral("BAR"));

    /// Where the box's controls go.
    TsScrollBoxPanel* Panel() const { return Panel_; }

private:
    TsScrollBoxPanel* Panel_;
};
