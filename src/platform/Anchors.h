// Anchors: controls keep their distances to the chosen edges of their container when it resizes.
#pragma once

#include <vector>

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

class QWidget;

enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;

/// Records the control's anchors (TAnchorLayout::Add does it too); skinned containers ask for them.
void SetAnchors(QWidget* control, TAnchors anchors);
/// The control's anchors; left and top when none were recorded.
TAnchors AnchorsOf(const QWidget* control);

class TAnchorLayout : public QObject {
    Q_OBJECT
public:
    /// Follows the container's resizes; the controls' places are taken as laid out for the size.
    TAnchorLayout(QWidget* container, QSize designSize);

    /// Anchors the control at its present place. With both left and right (or top and bottom) it
    /// stretches; with only right (bottom) it moves; with neither it keeps its place.
    void Add(QWidget* control, TAnchors anchors);
    /// Places every control for the container's present size.
    void Apply();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct TEntry {
        QPointer<QWidget> Control;
        TAnchors Anchors;
        QRect Designed;
    };
    QWidget* Container_;
    QSize DesignSize_;
    std::vector<TEntry> Entries_;
};
