// TsCustomComboBoxEx: the drop-down list's face, button, rows, list window and read-only keys.
#include "sComboBoxEx.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <QWheelEvent>

#include "ControlColors.h"
#include "skin/binding/ControlKinds.h"
#include "skin/binding/RepaintPath.h"
#include "platform/Application.h"
#include "platform/BitmapView.h"
#include "skin/manager/SkinCommands.h"
#include "platform/SystemMetrics.h"
#include "platform/QtRects.h"
#include "sComboListSkin.h"
#include "sLabel.h"
#include "skin/model/MaskCells.h"
#include "skin/paint/ControlFace.h"

namespace {
// Keys that would move the selection of a read-only box: space, paging, end and home, arrows, letters
// and any typed character. Enter and Escape still reach the form's default and cancel buttons.
bool MovesSelection(const QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Space || key == Qt::Key_PageUp || key == Qt::Key_PageDown || key == Qt::Key_End ||
        key == Qt::Key_Home || key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right ||
        key == Qt::Key_Down || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return true;
    return !event->text().isEmpty() && event->text().at(0).isPrint();
}


/// The rows of the dropped-down list are the box's own drawing (PaintListItem).
class TsComboItemDelegate : public QStyledItemDelegate {
public:
    explicit TsComboItemDelegate(TsCustomComboBoxEx& box) : QStyledItemDelegate(&box), Box_(box) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QRect r = option.rect;
        if (r.isEmpty()) return;
        TOwnerDrawState state = 0;
        if (option.state & (QStyle::State_Selected | QStyle::State_MouseOver)) state |= odSelected;
        if (option.state & QStyle::State_HasFocus) state |= odFocused;
        if (!(option.state & QStyle::State_Enabled)) state |= odDisabled;
        Bitmap32 row(r.width(), r.height());
        if (Box_.PaintListItem(index.row(), QRect(0, 0, r.width(), r.height()), &row, state))
            painter->drawImage(r.topLeft(), BitmapView(row));
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return {option.rect.width() > 0 ? option.rect.width() : Box_.width(), Box_.ItemHeight()};
    }

private:
    TsCustomComboBoxEx& Box_;
};
}  // namespace

TsCustomComboBoxEx::TsCustomComboBoxEx(QWidget* parent) : TsCustomComboBoxEx(parent, ckCustomComboBoxEx) {}

TsCustomComboBoxEx::TsCustomComboBoxEx(QWidget* parent, int kind)
    : QComboBox(parent),
      SkinData(this, this, kind, false, QStringLiteral("COMBOBOX")),
      BoundLabel(SkinData, [](QWidget* labelParent) { return new TsEditLabel(labelParent); }) {
    setEditable(false);
    setMaxVisibleItems(8);
    // A drop-down list of DropDownCount rows below the box (or above it where the screen ends), in
    // every style: some styles would otherwise open a menu of all items over the box.
    setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    setItemDelegate(new TsComboItemDelegate(*this));
    connect(this, qOverload<int>(&QComboBox::activated), this, [this](int index) { ItemActivated(index); });
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        SkinData.CacheInvalid = true;
        update();
    });
}

TsCustomComboBoxEx::~TsCustomComboBoxEx() = default;

void TsCustomComboBoxEx::SetDisabledKind(TsDisabledKind value) {
    DisabledKind_ = value;
    SkinData.Invalidate();
}

void TsCustomComboBoxEx::SetShowButton(bool value) {
    if (ShowButton_ == value) return;
    ShowButton_ = value;
    SkinData.Invalidate();
}

void TsCustomComboBoxEx::SetItemHeight(int value) {
    ItemHeight_ = value < 1 ? 1 : value;
    view()->doItemsLayout();
}

void TsCustomComboBoxEx::SetColor(TColor color) {
    Color_ = color;
    SetControlColor(this, color);
    SkinData.CacheInvalid = true;
    update();
}

void TsCustomComboBoxEx::SetFontColor(TColor color) {
    FontColor_ = color;
    SetControlFontColor(this, color);
    SkinData.CacheInvalid = true;
    update();
}

QRect TsCustomComboBoxEx::DropButtonRect() const {
    const int buttonWidth = GetSystemMetrics(SM_CXVSCROLL);
    const int left = layoutDirection() == Qt::RightToLeft ? 2 : width() - 2 - buttonWidth;
    return {left, 2, buttonWidth, height() - 4};
}

TOwnerDrawState TsCustomComboBoxEx::FaceState() const {
    TOwnerDrawState state = odComboBoxEdit;
    if (hasFocus() && isEnabled()) state |= odSelected | odFocused;
    if (!isEnabled()) state |= odDisabled;
    return state;
}

void TsCustomComboBoxEx::PaintFace(Bitmap32& cache, const BackgroundInfo& bg, int state) {
    TsSkinnedControl::PaintFace(cache, bg, state);
    const SkinModel* model = SkinData.Model();
    if (!ShowButton_ || model == nullptr || cache.Empty()) return;
    const QRect button = DropButtonRect();
    const int buttonState = DroppedDown_ ? 2 : SkinData.IsHot() ? 1 : 0;
    const TsWellKnownIndexes& known = model->WellKnown;
    if (known.ComboButtonSection >= 0) {
        // The button lies over the face just painted: a copy of it is the button's background.
        const Bitmap32 face = cache;
        BackgroundInfo under;
        under.Bitmap = &face;
        under.HasBitmap = true;
        under.FillColor = bg.FillColor;
        PaintSectionByIndex(known.ComboButtonSection, "COMBOBTN", under, clFuchsia, known.ComboButtonHotTexture,
                            known.ComboButtonTexture, model, cache, {0, 0}, ToTRect(button), buttonState);
    }
    if (const TsMaskData* glyph = model->MaskAt(known.ComboGlyphMask)) {
        const TsMaskData& mask = *glyph;
        const TRect cell = MaskStateCell(mask, buttonState);
        DrawMaskImage(cache, button.left() + (button.width() - cell.Width()) / 2, (height() - cell.Height()) / 2, mask,
                      buttonState, model->MasterBitmap);
    }
}

void TsCustomComboBoxEx::PaintContent(Bitmap32& cache, QPainter&, int) {
    const int index = currentIndex();
    if (index < 0) return;
    const QRect button = DropButtonRect();
    const int right = ShowButton_ ? button.left() - 1 : width() - 3;
    QRect face = QRect(QPoint(3, 3), QPoint(right - 1, height() - 4));
    if (layoutDirection() == Qt::RightToLeft)
        face = QRect(QPoint(ShowButton_ ? button.right() + 2 : 3, 3), QPoint(width() - 4, height() - 4));
    if (!face.isEmpty()) PaintListItem(index, face, &cache, FaceState());
}

void TsCustomComboBoxEx::PaintPlain() {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    if (!ShowButton_) option.subControls &= ~QStyle::SC_ComboBoxArrow;
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    if (currentIndex() < 0 || field.isEmpty()) return;
    Bitmap32 item(field.width(), field.height());
    if (PaintListItem(currentIndex(), QRect(0, 0, field.width(), field.height()), &item, FaceState()))
        painter.drawImage(field.topLeft(), BitmapView(item));
}

void TsCustomComboBoxEx::paintEvent(QPaintEvent* event) {
    if (!PaintSkinnedControl(*this, event)) PaintPlain();
}

void TsCustomComboBoxEx::SetDroppedDown(bool value) {
    if (DroppedDown_ == value) return;
    DroppedDown_ = value;
    SkinData.CacheInvalid = true;
    update();
}

void TsCustomComboBoxEx::showPopup() {
    if (ReadOnly) return;
    if (SkinData.IsSkinned()) {
        if (!ListSkin_) ListSkin_ = std::make_unique<TsComboListSkin>(*this, QStringLiteral("EDIT"));
        ListSkin_->Prepare();
    } else {
        ReleaseListSkin();
    }
    SetDroppedDown(true);
    FireEvent(OnDropDown, this);
    QComboBox::showPopup();
}

void TsCustomComboBoxEx::hidePopup() {
    ClosedUp();
    QComboBox::hidePopup();
    SetDroppedDown(false);
    FireEvent(OnCloseUp, this);
}

void TsCustomComboBoxEx::ReleaseListSkin() { ListSkin_.reset(); }

void TsCustomComboBoxEx::ItemActivated(int) { FireEvent(OnSelect, this); }

void TsCustomComboBoxEx::wheelEvent(QWheelEvent* event) {
    if (ReadOnly) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

void TsCustomComboBoxEx::keyPressEvent(QKeyEvent* event) {
    if (ReadOnly && MovesSelection(event)) return;
    QComboBox::keyPressEvent(event);
}

bool TsCustomComboBoxEx::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::Enter:
        case QEvent::Leave:
        case QEvent::FocusIn:
        case QEvent::FocusOut:
        case QEvent::EnabledChange:
        case QEvent::LayoutDirectionChange:
            // Hot look, focused face and the disabled look are all in the cache.
            SkinData.CacheInvalid = true;
            update();
            break;
        default:
            break;
    }
    const bool handled = HandleSkinEvent(SkinData, event);
    if (event->type() == TNimbrelCommandEvent::EventType &&
        static_cast<TNimbrelCommandEvent*>(event)->Command() == AC_REMOVESKIN)
        ReleaseListSkin();
    return handled || QComboBox::event(event);
}
