// TsProgressBar: the progress bar with an integer range.
#pragma once

#include <QProgressBar>

#include "binding/SkinnedControl.h"
#include "binding/sCommonData.h"

class TsProgressBar : public QProgressBar, public TsSkinnedControl {
    Q_OBJECT
public:
    explicit TsProgressBar(QWidget* parent = nullptr);

    int Min() const { return minimum(); }
    void SetMin(int value) { setMinimum(value); }
    int Max() const { return maximum(); }
    void SetMax(int value) { setMaximum(value); }
    int Position() const { return value(); }
    void SetPosition(int value);

    TsCommonData SkinData;
    TsCommonData& SkinBinding() override { return SkinData; }
    bool KeepsCacheInvalid() const override { return true; }

protected:
    bool event(QEvent* event) override;
};
