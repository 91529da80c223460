// The dropped-down list window's skinned frame.
#include "sComboListSkin.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QFrame>
#include <QPainter>

#include "core/SystemColors.h"
#include "platform/BitmapView.h"
#include "platform/SystemMetrics.h"
#include "sComboBoxEx.h"
#include "skin/paint/ControlFace.h"

namespace {
SectionBinding ListBinding(const TsCustomComboBoxEx& box, const QString& section) {
    const SkinModel* model = box.SkinData.Model();
    if (model == nullptr) return {};
    SectionBinding binding = BindSection(*model, section.toStdString());
    binding.HueOffset = box.SkinData.HUEOffset();
    binding.Saturation = box.SkinData.Saturation();
    return binding;
}
}  // namespace

TsComboListSkin::TsComboListSkin(TsCustomComboBoxEx& box, const QString& section)
    : Box_(box), Section_(section), Window_(qobject_cast<QFrame*>(box.view()->parentWidget())) {
    if (Window_ == nullptr) return;
    PlainFrameStyle_ = Window_->frameStyle();
    PlainMargins_ = Window_->contentsMargins();
    PlainViewFrameStyle_ = box.view()->frameStyle();
    Window_->installEventFilter(this);
}

TsComboListSkin::~TsComboListSkin() {
    if (Window_ == nullptr) return;
    Window_->removeEventFilter(this);
    // The plain frame: the style's frame gives the margins back.
    Window_->setContentsMargins(0, 0, 0, 0);
    Window_->setFrameStyle(PlainFrameStyle_);
    if (Window_->contentsMargins().isNull()) Window_->setContentsMargins(PlainMargins_);
    Box_.view()->setFrameStyle(PlainViewFrameStyle_);
    Window_->update();
}

QMargins TsComboListSkin::FrameMargins() const {
    const SectionBinding binding = ListBinding(Box_, Section_);
    const SkinModel* model = binding.Model;
    const TsMaskData* mask = model != nullptr ? model->MaskAt(binding.BorderMaskIndex) : nullptr;
    if (mask == nullptr) return {1, 1, 1, 1};
    return {mask->BorderLeft, mask->BorderTop, mask->BorderRight, mask->BorderBottom};
}

void TsComboListSkin::Prepare() {
    if (Window_ == nullptr) return;
    Window_->setFrameStyle(QFrame::NoFrame);
    Window_->setContentsMargins(FrameMargins());
    QAbstractItemView* view = Box_.view();
    view->setFrameStyle(QFrame::NoFrame);
    QPalette palette = view->palette();
    palette.setColor(QPalette::Base, ToQColor(Box_.Color()));
    view->setPalette(palette);
}

void TsComboListSkin::PaintFrame() {
    const int width = Window_->width(), height = Window_->height();
    if (width <= 0 || height <= 0) return;
    Bitmap32 picture(width, height, ColorToPixel(Box_.Color()));
    BackgroundInfo background;
    background.FillColor = ColorToRGB(Box_.Color());
    PaintControlFace(ListBinding(Box_, Section_), background, 0, picture, {0, 0}, {0, 0, width, height});
    QPainter painter(Window_);
    painter.drawImage(0, 0, BitmapView(picture));
}

bool TsComboListSkin::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Window_ && event->type() == QEvent::Paint && Box_.SkinData.IsSkinned()) {
        PaintFrame();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
