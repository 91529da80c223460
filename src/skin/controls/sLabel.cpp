// TsCustomLabel, TsLabel and TsWebLabel: the skin colour walk, the disabled mix, the own section's
// background, the link's fonts and colours and its press.
#include "sLabel.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include "ControlColors.h"
#include "skin/binding/ControlKinds.h"
#include "platform/Application.h"
#include "platform/BitmapView.h"
#include "skin/manager/SkinCommands.h"
#include "platform/Shell.h"
#include "platform/SystemMetrics.h"
#include "skin/model/ColorTransforms.h"
#include "skin/paint/PixelBlends.h"

namespace {
constexpr TColor kNoSkinColor = 0xFFFFFFFF;  // -1: the skin names no colour
constexpr TColor kLinkHot = 0x0000FF;        // red
constexpr TColor kLinkNormal = 0xFF0000;     // blue
}  // namespace

// --- TsCustomLabel -----------------------------------------------------------------------------------

TsCustomLabel::TsCustomLabel(QWidget* parent) : QLabel(parent), SkinData(this, this, ckNone) {
    SkinData.Windowless = true;
    SkinData.OptionalSection = true;
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TsCustomLabel::SetCaption(const QString& caption) {
    setText(caption);
    if (AutoSize_ && !wordWrap()) adjustSize();
}

void TsCustomLabel::SetAutoSize(bool value) {
    AutoSize_ = value;
    if (value && !wordWrap()) adjustSize();
}

void TsCustomLabel::SetFontColor(TColor color) {
    FontColor_ = color;
    SetControlFontColor(this, color);
}

void TsCustomLabel::SetFontColorQuietly(TColor color) {
    if (color == FontColor_) return;
    Quiet_ = true;
    SetFontColor(color);
    Quiet_ = false;
}

bool TsCustomLabel::SkinActive() const {
    const TsSkinManager* manager = SkinData.EffectiveManager();
    return manager != nullptr && !manager->Destroying() && !SkinData.Destroying() &&
           manager->CommonSkinData().SkinData.Active;
}

TColor TsCustomLabel::TextColor() const {
    if (isEnabled() || !SkinActive()) return FontColor_;
    const QWidget* parent = parentWidget();
    return BlendTwoColors(FontColor_, parent != nullptr ? ControlColorOf(parent) : clBtnFace, 0.4);
}

QSize TsCustomLabel::sizeHint() const {
    const QString shown = text();
    if (!(shown.isEmpty() || shown == QStringLiteral("&"))) return QLabel::sizeHint();
    const QMargins m = contentsMargins();
    const QSize space = fontMetrics().size(Qt::TextSingleLine, QStringLiteral(" "));
    return space.grownBy(m) + QSize(2 * margin(), 2 * margin());
}

bool TsCustomLabel::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::PaletteChange:
            // A colour set while painting needs no second paint.
            if (Quiet_) return true;
            break;
        case QEvent::FontChange:
            if (AutoSize_ && !wordWrap()) adjustSize();
            update();
            break;
        case QEvent::Enter: FireEvent(OnMouseEnter, this); break;
        case QEvent::Leave: FireEvent(OnMouseLeave, this); break;
        default: break;
    }
    return HandleSkinEvent(SkinData, event) || QLabel::event(event);
}

void TsCustomLabel::paintEvent(QPaintEvent* event) {
    UpdateCurrentFont();
    const bool skinned = SkinActive();
    if (skinned && !SkinSection().isEmpty()) {
        const SkinModel& model = *SkinData.Model();
        if (const TsGeneralData* section = model.SectionAt(SkinData.SectionIndex)) {
            SetFontColorQuietly(section->Props[0].FontColor);
            if (SkinData.SectionIndex > 0 && width() > 0 && height() > 0) {
                Bitmap32 face(width(), height());
                BackgroundInfo bg;
                SkinData.ParentBackgroundFor(bg);
                PaintControlFace(SkinData, bg, 0, face, {x(), y()}, {0, 0, width(), height()});
                QPainter painter(this);
                painter.drawImage(0, 0, BitmapView(face));
            }
        }
    }
    if (!skinned) {
        QLabel::paintEvent(event);
        return;
    }
    // The text in its colour as it is, without the style's own disabled look.
    QPalette pal = palette();
    pal.setColor(QPalette::All, QPalette::WindowText, ToQColor(TextColor()));
    QPainter painter(this);
    const int m = margin();
    const QRect area = contentsRect().adjusted(m, m, -m, -m);
    int flags = static_cast<int>(alignment());
    if (wordWrap()) flags |= Qt::TextWordWrap;
    style()->drawItemText(&painter, area, flags, pal, true, text(), QPalette::WindowText);
}

// --- TsLabel -----------------------------------------------------------------------------------------

TColor TsLabel::SkinFontColor() const {
    if (!UseSkinColor || !SkinActive()) return clNone;
    const SkinModel& model = *SkinData.Model();
    // The nearest ancestor that lends its font: a see-through one passes the question up.
    for (QWidget* parent = parentWidget(); parent != nullptr; parent = parent->parentWidget()) {
        int index = -1;
        SendNimbrelCommand(parent, MakeNimbrelParam(AC_GETSECTIONINDEX), reinterpret_cast<intptr_t>(&index));
        const TsGeneralData* section = model.SectionAt(index);
        if (section == nullptr) break;
        if (section->Props[0].Transparency > 50 && parent->parentWidget() != nullptr) continue;
        if (section->GiveOwnFont) return section->Props[0].FontColor;
        break;
    }
    return model.GlobalTextColor();
}

void TsLabel::UpdateCurrentFont() {
    const TColor color = SkinFontColor();
    if (color != clNone && color != clFuchsia) SetFontColorQuietly(color);
}

bool TsLabel::event(QEvent* event) {
    if (TNimbrelCommandEvent* command = AsNimbrelCommand(event)) {
        if (command->Command() == AC_REMOVESKIN) SetFontColor(clWindowText);
    }
    return TsCustomLabel::event(event);
}

// --- TsWebLabel --------------------------------------------------------------------------------------

TsWebLabel::TsWebLabel(QWidget* parent) : TsLabel(parent), HoverFont(font()), NormalFont_(font()) {
    setCursor(Qt::PointingHandCursor);
}

void TsWebLabel::SetNormalFont(const QFont& font, TColor color) {
    NormalFont_ = font;
    NormalColor_ = color;
    if (!Hot_) {
        setFont(NormalFont_);
        SetFontColor(LinkColor(false));
    }
    update();
}

TColor TsWebLabel::LinkColor(bool hot) const {
    if (UseSkinColor && SkinActive()) {
        const SkinModel& model = *SkinData.Model();
        if (const TsGeneralData* info = model.SectionAt(model.SectionIndexOf("GLOBALINFO"))) {
            // Link colours mean blue and red, not a tint: taken as the skin states them, before the
            // manager turned the skin's hue.
            const TColor stated = info->FontColors[hot ? 2 : 4];
            if (stated == kNoSkinColor) return hot ? kLinkHot : kLinkNormal;
            const int offset = SkinData.EffectiveManager()->HueOffset() % 360;
            return RotateColorHue(offset == 0 ? 0 : 360 - (offset + 360) % 360, stated);
        }
    }
    return hot ? HoverFontColor : NormalColor_;
}

void TsWebLabel::UpdateCurrentFont() {
    const QFont& wanted = Hot_ ? HoverFont : NormalFont_;
    if (font() != wanted) setFont(wanted);
    SetFontColorQuietly(LinkColor(Hot_));
}

void TsWebLabel::SetHot(bool hot) {
    if (Hot_ == hot) return;
    Hot_ = hot;
    setFont(hot ? HoverFont : NormalFont_);
    SetFontColor(LinkColor(hot));
    if (AutoSize() && !wordWrap()) adjustSize();
    update();
}

void TsWebLabel::mousePressEvent(QMouseEvent* event) {
    TsLabel::mousePressEvent(event);
    // The address opens on the press, so dragging off before the release still follows it.
    if (event->button() == Qt::LeftButton && !URL.isEmpty()) ShellOpen(URL);
}

void TsWebLabel::enterEvent(QEnterEvent* event) {
    SetHot(true);
    TsLabel::enterEvent(event);
}

void TsWebLabel::leaveEvent(QEvent* event) {
    SetHot(false);
    TsLabel::leaveEvent(event);
}
