// TsEditButton, its glyph settings and the choice of the glyph's cell.
#include "sEditButton.h"

#include <algorithm>

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionToolButton>
#include <QStylePainter>

#include "EditGlyphs.h"
#include "skin/binding/ControlKinds.h"
#include "skin/binding/RepaintPath.h"
#include "skin/effects/sFade.h"
#include "skin/manager/SkinCommands.h"

namespace {
int CellCount(int width, int height) { return height > 0 && width % height == 0 ? width / height : 1; }

bool ValidIndex(const TsGlyphImages* images, int index) { return images != nullptr && index >= 0 && index < images->Count(); }
}  // namespace

// --- TsGlyphImages ----------------------------------------------------------------------------------

TsGlyphImages::TsGlyphImages(int width, int height, QObject* parent)
    : QObject(parent), Width_(std::max(width, 1)), Height_(std::max(height, 1)) {}

void TsGlyphImages::Add(const QImage& image) {
    QImage picture = image.convertToFormat(QImage::Format_ARGB32);
    if (picture.size() != QSize(Width_, Height_)) picture = picture.scaled(Width_, Height_);
    Images_.push_back(picture);
}

QImage TsGlyphImages::Image(int index) const {
    if (index < 0 || index >= Count()) return {};
    return Images_[static_cast<size_t>(index)];
}

// --- TsGlyphMode ------------------------------------------------------------------------------------

void TsGlyphMode::SetImages(TsGlyphImages* images) {
    if (Images_ == images) return;
    if (Images_) disconnect(Images_, nullptr, this, nullptr);
    Images_ = images;
    // The list going away clears Images (the pointer does) and the button lays out anew.
    if (images != nullptr) connect(images, &QObject::destroyed, this, &TsGlyphMode::LayoutChanged);
    emit LayoutChanged();
}

void TsGlyphMode::SetImageIndex(int value) {
    ImageIndex_ = value;
    emit LayoutChanged();
}

void TsGlyphMode::SetImageIndexHot(int value) {
    ImageIndexHot_ = value;
    emit LayoutChanged();
}

void TsGlyphMode::SetImageIndexPressed(int value) {
    ImageIndexPressed_ = value;
    emit LayoutChanged();
}

void TsGlyphMode::SetBlend(int value) {
    Blend_ = std::clamp(value, 0, 100);
    emit LookChanged();
}

void TsGlyphMode::SetGrayed(bool value) {
    Grayed_ = value;
    emit LookChanged();
}

// --- Glyph cells ------------------------------------------------------------------------------------

QImage TGlyphCell::Picture() const {
    if (Strip.isNull() || CellWidth <= 0) return {};
    return Strip.copy(Cell * CellWidth, 0, CellWidth, Strip.height());
}

TGlyphCell GlyphCellFor(const TsGlyphMode& mode, int defaultIndex, int state) {
    TGlyphCell result;
    const TsGlyphImages* images = mode.Images();
    if (ValidIndex(images, mode.ImageIndex())) {
        int index = state == 2 ? mode.ImageIndexPressed() : state == 1 ? mode.ImageIndexHot() : mode.ImageIndex();
        if (!ValidIndex(images, index)) index = mode.ImageIndex();
        result.Strip = images->Image(index);
        result.CellWidth = images->Width() / CellCount(images->Width(), images->Height());
        return result;
    }
    const TEditGlyphList& glyphs = EditGlyphs();
    result.Strip = glyphs.Image(defaultIndex);
    if (result.Strip.isNull()) return result;
    const int cells = glyphs.CellCount();
    result.CellWidth = glyphs.Width() / cells;
    result.Cell = std::clamp(state, 0, cells - 1);
    return result;
}

int GlyphCellWidth(const TsGlyphMode& mode) {
    const TsGlyphImages* images = mode.Images();
    if (ValidIndex(images, mode.ImageIndex())) return images->Width() / CellCount(images->Width(), images->Height());
    const TEditGlyphList& glyphs = EditGlyphs();
    return glyphs.Width() / CellCount(glyphs.Width(), glyphs.Height());
}

// --- TsEditButton -----------------------------------------------------------------------------------

TsEditButton::TsEditButton(QWidget* edit, const TsGlyphMode& mode, int defaultGlyphIndex)
    : QToolButton(edit),
      SkinData(this, this, ckSpeedButton, true, QStringLiteral("SPEEDBUTTON_SMALL")),
      Mode_(mode),
      DefaultGlyphIndex_(defaultGlyphIndex) {
    // The skin engine draws the button on the edit's surface, as a control without a window.
    SkinData.Windowless = true;
    setObjectName(QStringLiteral("Button"));
    setAutoRaise(true);
    setCursor(Qt::ArrowCursor);
    setFocusPolicy(Qt::NoFocus);
    resize(22, 21);
}

TsEditButton::~TsEditButton() { StopAnim(AnimTimer_); }

int TsEditButton::ButtonState() const {
    if (!isEnabled()) return 0;
    if (Held_ && isDown()) return 2;
    return Hot_ ? 1 : 0;
}

void TsEditButton::ChangeLook(unsigned transition, bool hot, bool held) {
    const auto apply = [this, hot, held] {
        Hot_ = hot;
        Held_ = held;
    };
    if ((AnimatEvents & transition) != 0 && isVisible() && SkinData.IsSkinned()) {
        StartAnim(AnimTimer_, *this, false, apply);
        return;
    }
    StopAnim(AnimTimer_);
    apply();
    SkinData.CacheInvalid = true;
    update();
}

void TsEditButton::mousePressEvent(QMouseEvent* event) {
    QToolButton::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) ChangeLook(aeMouseDown, Hot_, true);
}

void TsEditButton::mouseReleaseEvent(QMouseEvent* event) {
    // The release may open a modal dialog: the button looks released before that.
    if (event->button() == Qt::LeftButton && Held_) ChangeLook(aeMouseUp, Hot_, false);
    QToolButton::mouseReleaseEvent(event);
}

void TsEditButton::DrawGlyph(QPainter& painter, int state) const {
    QImage picture = GlyphCellFor(Mode_, DefaultGlyphIndex_, state).Picture();
    if (picture.isNull()) return;
    if (Mode_.Grayed() && state == 0) {
        // Grey, with the picture's own transparency.
        QImage grey = picture.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_ARGB32);
        grey.setAlphaChannel(picture.convertToFormat(QImage::Format_Alpha8));
        picture = grey;
    }
    painter.save();
    painter.setOpacity((100 - Mode_.Blend()) / 100.0);
    painter.drawImage((width() - picture.width()) / 2, (height() - picture.height()) / 2, picture);
    painter.restore();
}

void TsEditButton::PaintContent(Bitmap32&, QPainter& painter, int state) { DrawGlyph(painter, state); }

void TsEditButton::PaintUnskinned() {
    QStylePainter painter(this);
    const int state = ButtonState();
    if (state > 0) {
        QStyleOptionToolButton option;
        initStyleOption(&option);
        option.state |= state == 2 ? QStyle::State_Sunken : QStyle::State_Raised;
        painter.drawPrimitive(QStyle::PE_PanelButtonTool, option);
    }
    if (!isEnabled()) painter.setOpacity(0.4);
    DrawGlyph(painter, state);
}

void TsEditButton::paintEvent(QPaintEvent* event) {
    if (!PaintSkinnedControl(*this, event)) PaintUnskinned();
}

bool TsEditButton::event(QEvent* event) {
    if (TNimbrelCommandEvent* command = AsNimbrelCommand(event)) {
        switch (command->Command()) {
            case AC_STOPFADING: StopAnim(AnimTimer_); return true;
            case AC_REPAINT:
                repaint();
                command->Result = 1;
                return true;
            default: break;
        }
        return SkinData.HandleSkinCommand(*command) || QToolButton::event(event);
    }
    SkinData.HandleCommonMessage(event);
    switch (event->type()) {
        case QEvent::Enter:
            ChangeLook(aeMouseEnter, true, Held_);
            SkinData.UpdateGlow(false);
            break;
        case QEvent::Leave:
            ChangeLook(aeMouseLeave, false, Held_);
            SkinData.EndGlow();
            break;
        case QEvent::EnabledChange: SkinData.Invalidate(); break;
        default: break;
    }
    return QToolButton::event(event);
}
