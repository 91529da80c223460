// TsProgressBar: the progress bar with an integer range.
#pragma once

#include <QProgressBar>

#include "ControlSkinState.h"

class TsProgressBar : public QProgressBar {
    Q_OBJECT
public:
    explicit TsProgressBar(QWidget* parent = nullptr);

    int Min() const { return minimum(); }
    void SetMin(int value) { setMinimum(value); }
    int Max() const { return maximum(); }
    void SetMax(int value) { setMaximum(value); }
    int Position() const { return value(); }
    void SetPosition(int value);

    TsControlSkinState SkinData;

protected:
    bool event(QEvent* event) override;
};
