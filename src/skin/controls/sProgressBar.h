// TsProgressBar: the progress bar with an integer range, painted from the skin in blocks, smoothly
// or as a running marquee.
#pragma once

#include <QProgressBar>
#include <QString>
#include <QTimer>

#include "ProgressLayout.h"
#include "skin/binding/SkinnedControl.h"
#include "skin/binding/sCommonData.h"

enum TProgressBarOrientation { pbHorizontal, pbVertical };
enum TProgressBarStyle { pbstNormal, pbstMarquee };
enum TProgressBarState { pbsNormal, pbsError, pbsPaused };

/// The bar is opaque: its cache covers the whole control, frame included. The cache is rebuilt at
/// every paint, which in block mode skips the work while the number of filled blocks stays.
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
    bool Smooth() const { return Smooth_; }
    TProgressBarOrientation Orientation() const { return Orientation_; }
    TProgressBarStyle Style() const { return Style_; }
    /// The marquee style runs the marquee timer while a skin is active.
    void SetStyle(TProgressBarStyle value);
    TProgressBarState State() const { return State_; }
    int BorderWidth() const { return BorderWidth_; }
    /// The section of the filled part; empty: "PROGRESSH" or "PROGRESSV" by the orientation.
    QString ProgressSkin;

    TsCommonData SkinData;
    TsCommonData& SkinBinding() override { return SkinData; }
    bool KeepsCacheInvalid() const override { return true; }

    /// The layout of the present size, range, position and mode.
    TsBarLayout Layout() const;
    /// Brings the cache up to date; false when block mode found it current and painted nothing.
    bool BuildBarCache();
    /// The number of filled blocks painted last (-1: none yet).
    int LastBlockCount() const { return LastBlocks_; }
    int MarqueePosition() const { return MarqueePosition_; }
    bool MarqueeRunning() const { return Marquee_.isActive(); }
    /// One step of the marquee timer.
    void MarqueeTick();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void UpdateMarqueeTimer();

    bool Smooth_ = false;
    TProgressBarOrientation Orientation_ = pbHorizontal;
    TProgressBarStyle Style_ = pbstNormal;
    TProgressBarState State_ = pbsNormal;
    int BorderWidth_ = 0;
    int LastBlocks_ = -1;
    QTimer Marquee_;
    int MarqueePosition_ = 0;
    int MarqueeDirection_ = 1;
};
