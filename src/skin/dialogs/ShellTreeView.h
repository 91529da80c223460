// TsShellTreeView: the folder tree as a skinned control, with its caption label over the top left corner.
#pragma once

#include <QLabel>
#include <QPointer>

#include "ShellTreeBase.h"
#include "skin/binding/SkinnedControl.h"
#include "skin/binding/sCommonData.h"

class TsShellTreeView : public TShellTreeBase, public TsSkinnedControl {
    Q_OBJECT
public:
    explicit TsShellTreeView(QWidget* parent = nullptr);
    ~TsShellTreeView() override;

    TsCtrlSkinData SkinData;
    TsCommonData& SkinBinding() override { return SkinData; }

    /// The bound label: shown over the tree's top left corner, moved in by the indent; a blank
    /// caption shows nothing.
    bool BoundLabelActive = true;
    int BoundLabelIndent = 4;
    QString BoundLabelCaption() const { return BoundLabelCaption_; }
    void SetBoundLabelCaption(const QString& caption);
    QLabel* BoundLabel() const { return BoundLabel_; }

protected:
    bool event(QEvent* event) override;

private:
    void PlaceBoundLabel();
    QString BoundLabelCaption_ = QStringLiteral(" ");
    QPointer<QLabel> BoundLabel_;
};
