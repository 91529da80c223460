// Skins written as options text, and small skinned widgets for the binding's tests.
#pragma once

#include <string>
#include <vector>

#include <QWidget>

#include "skin/binding/SkinnedControl.h"
#include "skin/binding/sCommonData.h"
#include "skin/manager/sSkinManager.h"

/// Loads options text into the manager's model and marks the skin active, as an applied skin is.
void LoadTestSkin(TsSkinManager& manager, const std::string& optionsText);

/// A manager holding the tests' skin: opaque, translucent, see-through, gradient and framed sections,
/// an edit section, and the text sections (BindingTestSupport.cpp lists them).
struct TTestSkin {
    TTestSkin();
    TsSkinManager Manager;
};

/// A kind in none of the kind sets: the control keeps its own colours and is no container.
constexpr int kPlainKind = 200;

/// A skinned widget with a binding of a chosen kind and section. It records the commands it
/// receives and how often its cache was rebuilt, paints through the common repaint path, and fills
/// its content with nothing unless told.
class TTestControl : public QWidget, public TsSkinnedControl {
    Q_OBJECT
public:
    TTestControl(QWidget* parent, int kind, const QString& section, bool windowless = false);

    TsCtrlSkinData SkinData;
    TsCommonData& SkinBinding() override { return SkinData; }
    TColor OwnerColor() const override { return Color; }
    void SetOwnerColor(TColor color) override { Color = color; }
    TColor OwnerFontColor() const override { return FontColor; }
    void SetOwnerFontColor(TColor color) override { FontColor = color; }
    void PaintFace(Bitmap32& cache, const BackgroundInfo& bg, int state) override;

    TColor Color = 0x123456;
    TColor FontColor = 0x010101;
    std::vector<int> Commands;
    int Rebuilds = 0;
    int PaintEvents = 0;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

/// Paints the widget now through the repaint path, outside Qt's paint cycle.
void PaintNow(TTestControl& control);
