// TsShellTreeView.
#include "ShellTreeView.h"

#include <QEvent>
#include <QLabel>

#include "skin/binding/ControlKinds.h"

TsShellTreeView::TsShellTreeView(QWidget* parent)
    : TShellTreeBase(parent), SkinData(this, this, ckTreeView, false, QStringLiteral("EDIT")) {}

TsShellTreeView::~TsShellTreeView() {
    delete BoundLabel_.data();
}

void TsShellTreeView::SetBoundLabelCaption(const QString& caption) {
    BoundLabelCaption_ = caption;
    const bool shown = BoundLabelActive && !caption.trimmed().isEmpty() && parentWidget() != nullptr;
    if (shown && BoundLabel_ == nullptr) {
        BoundLabel_ = new QLabel(parentWidget());
        BoundLabel_->setObjectName(objectName() + QStringLiteral("Label"));
    }
    if (BoundLabel_ == nullptr) return;
    BoundLabel_->setText(caption);
    BoundLabel_->setVisible(shown && isVisibleTo(parentWidget()));
    PlaceBoundLabel();
}

void TsShellTreeView::PlaceBoundLabel() {
    if (BoundLabel_ == nullptr) return;
    BoundLabel_->adjustSize();
    BoundLabel_->move(x() + BoundLabelIndent, y() - BoundLabel_->height());
}

bool TsShellTreeView::event(QEvent* event) {
    if (HandleSkinEvent(SkinData, event)) return true;
    switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
            PlaceBoundLabel();
            break;
        case QEvent::Show:
        case QEvent::Hide:
            if (BoundLabel_ != nullptr)
                BoundLabel_->setVisible(event->type() == QEvent::Show && !BoundLabelCaption_.trimmed().isEmpty());
            break;
        default:
            break;
    }
    return TShellTreeBase::event(event);
}
