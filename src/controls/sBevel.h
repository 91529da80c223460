// TsBevel: a framed box or line.
#pragma once

#include <QFrame>

#include "binding/SkinnedControl.h"
#include "binding/sCommonData.h"

enum class TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum class TBevelStyle { bsLowered, bsRaised };

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

protected:
    bool event(QEvent* event) override;

private:
    void UpdateFrame();
    void UpdateSection();
    TBevelShape Shape_ = TBevelShape::bsBox;
    TBevelStyle Style_ = TBevelStyle::bsLowered;
};
