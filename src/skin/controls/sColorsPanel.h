// TsColorsPanel: a grid of colour cells given as hexadecimal texts, one of which can be selected.
#pragma once

#include <functional>
#include <vector>

#include <QRect>
#include <QStringList>
#include <QWidget>

#include "skin/binding/SkinnedControl.h"
#include "skin/binding/sCommonData.h"
#include "core/Color.h"

/// The colour of a text of six hexadecimal digits, red first: only the text up to the first space or
/// line break counts and a trailing "H" is ignored; an empty text or one with any other character
/// gives black.
TColor ColorFromHexText(const QString& text);
/// Six upper-case hexadecimal digits, red first (a system colour is resolved first).
QString HexTextOfColor(TColor color);

class TsColorsPanel : public QWidget, public TsSkinnedControl {
    Q_OBJECT
public:
    explicit TsColorsPanel(QWidget* parent = nullptr);

    struct TColorCell {
        int Index = 0;
        TColor Color = clWhite;
        QRect Rect;
        bool Selected = false;
    };

    const QStringList& Colors() const { return Colors_; }
    void SetColors(const QStringList& colors);
    int ColCount() const { return ColCount_; }
    void SetColCount(int value);
    int RowCount() const { return RowCount_; }
    void SetRowCount(int value);
    int ItemWidth() const { return ItemWidth_; }
    int ItemHeight() const { return ItemHeight_; }
    void SetItemHeight(int value);
    int ItemMargin() const { return ItemMargin_; }
    /// The selected cell, -1 for none (also for a stored index beyond the last cell).
    int ItemIndex() const;
    /// Selects the cell (-1 clears the selection) and fires OnChange; the current value does nothing.
    void SetItemIndex(int value);

    /// Fired whenever ItemIndex changes.
    std::function<void(QObject*)> OnChange;
    std::function<void(QObject*)> OnDblClick;

    /// Lays the cells out from the sizes and takes their colours from Colors, appending "FFFFFF" for
    /// every cell the list lacks.
    void BuildCells();
    /// The first cell whose rectangle, enlarged by ItemMargin on every side, holds the point; -1 if none.
    int CellAt(const QPoint& point) const;
    const std::vector<TColorCell>& Cells() const { return Cells_; }
    /// The selected cell's colour; clNone while nothing is selected.
    TColor SelectedColor() const;

    TsCommonData SkinData;
    TsCommonData& SkinBinding() override { return SkinData; }
    /// The face is the section's normal state whatever the mouse does.
    int PaintState() override { return 0; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

private:
    QStringList Colors_;
    int ColCount_ = 5;
    int RowCount_ = 2;
    int ItemWidth_ = 21;
    int ItemHeight_ = 21;
    int ItemMargin_ = 6;
    int ItemIndex_ = -1;
    std::vector<TColorCell> Cells_;
};
