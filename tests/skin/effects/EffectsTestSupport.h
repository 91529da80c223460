// What the effects tests share: a manager with the program's skin, and the layer's leftover check.
#pragma once

#include <memory>
#include <vector>

#include <QWidget>

#include "skin/binding/SkinnedControl.h"
#include "skin/binding/sCommonData.h"
#include "skin/effects/sFade.h"
#include "skin/manager/GlimmerManager.h"
#include "skin/manager/sSkinManager.h"


/// While alive, layered windows count as available (the offscreen platform has none).
class LayeredWindowsOn {
public:
    LayeredWindowsOn();
    ~LayeredWindowsOn();
};

/// The flat face of a state, so that every frame pixel tells its blend weight: 0 white, 1 black,
/// 2 grey 200.
uint32_t FaceOf(int state);

/// A control bound to the skin's BUTTON section (20 fading iterations, a glow), painting a flat
/// face; kind 0 glows on hover like any control that does not start its glow itself.
class FadeWidget : public QWidget, public TsSkinnedControl {
public:
    explicit FadeWidget(QWidget* parent, bool windowless = false, int kind = 0);
    ~FadeWidget() override;

    TsCtrlSkinData Data;
    TsFadeTimer* FadeTimer = nullptr;
    TsAnimTimer* AnimTimer = nullptr;
    int State = 0;
    std::vector<int> Frames;  // the red byte of each frame announced or painted from, at the centre
    int StopRequests = 0;

    TsCommonData& SkinBinding() override { return Data; }
    int PaintState() override { return State; }
    void PaintFace(Bitmap32& cache, const BackgroundInfo&, int state) override;

    /// Paints once, so that the cache holds the present look and is valid.
    void Settle();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
