// TsBevel: a framed box or line, its strips copied from the skin section it paints.
#pragma once

#include <vector>

#include <QFrame>

#include "skin/binding/SkinnedControl.h"
#include "skin/binding/sCommonData.h"
#include "core/Rect.h"

enum class TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum class TBevelStyle { bsLowered, bsRaised };

/// Windowless for the skin engine: it paints only its strips over what its parent shows. Its cache
/// is never current, so every paint repaints the section.
class TsBevel : public QFrame, public TsSkinnedControl {
    Q_OBJECT
public:
    explicit TsBevel(QWidget* parent = nullptr);

    TBevelShape Shape() const { return Shape_; }
    void SetShape(TBevelShape shape);
    TBevelStyle Style() const { return Style_; }
    void SetStyle(TBevelStyle style);

    TsCommonData SkinData;
    TsCommonData& SkinBinding() override { return SkinData; }
    bool KeepsCacheInvalid() const override { return true; }
    /// The section for a shape and style: a frame is a group box, other shapes a raised or lowered panel.
    static QString SectionFor(TBevelShape shape, TBevelStyle style);
    /// The strips a skinned bevel of the shape and size paints, each copied from the same place of
    /// its cache.
    static std::vector<TRect> Strips(TBevelShape shape, int width, int height);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void UpdateFrame();
    void UpdateSection();
    TBevelShape Shape_ = TBevelShape::bsBox;
    TBevelStyle Style_ = TBevelStyle::bsLowered;
};
