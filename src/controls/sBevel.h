// TsBevel: a framed box or line.
#pragma once

#include <QFrame>

#include "ControlSkinState.h"

enum class TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum class TBevelStyle { bsLowered, bsRaised };

class TsBevel : public QFrame {
    Q_OBJECT
public:
    explicit TsBevel(QWidget* parent = nullptr);

    TBevelShape Shape() const { return Shape_; }
    void SetShape(TBevelShape shape);
    TBevelStyle Style() const { return Style_; }
    void SetStyle(TBevelStyle style);

    TsControlSkinState SkinData;

protected:
    bool event(QEvent* event) override;

private:
    void UpdateFrame();
    TBevelShape Shape_ = TBevelShape::bsBox;
    TBevelStyle Style_ = TBevelStyle::bsLowered;
};
