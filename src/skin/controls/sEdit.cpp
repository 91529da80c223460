// TsEdit: the frame strips from the cache around Qt's text painting, the cache of a disabled edit,
// the text drawn into the cache and the edit's reactions to skin commands and its own changes.
#include "sEdit.h"

#include <QPaintEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionFrame>
#include <QValidator>

#include <utility>

#include "ControlColors.h"
#include "skin/binding/ControlKinds.h"
#include "skin/binding/RepaintPath.h"
#include "skin/binding/SkinText.h"
#include "platform/BitmapView.h"
#include "skin/manager/SkinCommands.h"
#include "sLabel.h"

namespace {
// The black circle a password character "*" is shown as.
constexpr char16_t kPasswordCircle = 0x25CF;

QChar ShownPasswordChar(QChar value) { return value == QLatin1Char('*') ? QChar(kPasswordCircle) : value; }
}  // namespace

/// Lets Qt's painting of an enabled edit mask the text with the edit's own password character.
class TsPasswordStyle : public QProxyStyle {
public:
    explicit TsPasswordStyle(QChar shown) : Shown(shown) {}
    QChar Shown;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter) return Shown.unicode();
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

/// Refuses a change made by typing that would lengthen the text past MaxLength. Qt's own length limit
/// would also cut text set from code, such as a long path chosen in a dialog.
class TsTypingLimit : public QValidator {
public:
    explicit TsTypingLimit(TsEdit& edit) : QValidator(&edit), Edit(edit) {}
    State validate(QString& input, int&) const override {
        const qsizetype before = Edit.TypingFrom_;
        const bool passes = Edit.MaxLength_ > 0 && before >= 0 && input.size() > Edit.MaxLength_ && input.size() > before;
        return passes ? Invalid : Acceptable;
    }

private:
    TsEdit& Edit;
};

TsEdit::TsEdit(QWidget* parent, const QString& section)
    : QLineEdit(parent),
      SkinData(this, this, ckEdit, true, section),
      BoundLabel(SkinData, [](QWidget* labelParent) { return new TsEditLabel(labelParent); }) {
    // The frame is painted into the text margins (see paintEvent), so Qt's own frame is off.
    setFrame(false);
    setValidator(new TsTypingLimit(*this));
    UpdateTextRect();
    connect(this, &QLineEdit::textChanged, this, [this] { InvalidateLook(); });
}

TsEdit::~TsEdit() {
    // The password style goes before the widget: hand the widget back to the application's style.
    if (PasswordStyle_) setStyle(nullptr);
}

void TsEdit::SetText(const QString& value) {
    // Set from code even when a key press (the click key's dialog) is being handled.
    const qsizetype typing = std::exchange(TypingFrom_, -1);
    setText(value);
    TypingFrom_ = typing;
}

void TsEdit::SetMaxLength(int value) { MaxLength_ = value < 0 ? 0 : value; }

void TsEdit::SetColor(TColor color) {
    Color_ = color;
    SetControlColor(this, color);
    if (SkinData.CustomColor()) SkinData.CacheInvalid = true;
}

void TsEdit::SetFontColor(TColor color) {
    FontColor_ = color;
    SetControlFontColor(this, color);
}

void TsEdit::SetDisabledKind(TsDisabledKind value) {
    DisabledKind_ = value;
    InvalidateLook();
}

void TsEdit::SetBorderStyle(TBorderStyle value) {
    BorderStyle_ = value;
    UpdateTextRect();
    InvalidateLook();
}

void TsEdit::SetPasswordChar(QChar value) {
    PasswordChar_ = value;
    if (value.isNull()) {
        setEchoMode(QLineEdit::Normal);
        setStyle(nullptr);
        PasswordStyle_.reset();
    } else {
        auto style = std::make_unique<TsPasswordStyle>(ShownPasswordChar(value));
        setStyle(style.get());
        PasswordStyle_ = std::move(style);
        setEchoMode(QLineEdit::Password);
    }
    InvalidateLook();
}

int TsEdit::BorderWidth() const { return BorderStyle_ == TBorderStyle::bsSingle ? (Ctl3D_ ? 2 : 1) : 0; }

QString TsEdit::ShownText() const {
    const QString value = text();
    if (PasswordChar_.isNull()) return value;
    const QChar shown = ShownPasswordChar(PasswordChar_);
    // One per character, a character beyond the 16-bit range counting once.
    return QString(static_cast<qsizetype>(value.toUcs4().size()), shown);
}

void TsEdit::UpdateTextRect() {
    const int b = BorderWidth();
    setTextMargins(b, b, b, b);
}

void TsEdit::PaintContent(Bitmap32& cache, QPainter&, int) {
    const int b = BorderWidth();
    TsTextCanvas canvas{&cache, font(), FontColor_};
    const int format = static_cast<int>(alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop | Qt::TextSingleLine;
    DrawSkinText(canvas, ShownText(), isEnabled(), SkinData.IsHot(), SkinData, format,
                 {b + 1, b + 1, width() - b, height() - b});
}

void TsEdit::InvalidateLook() {
    if (SkinData.OwnerLoading || TsCommonData::GlobalPaintingOff()) return;
    SkinData.CacheInvalid = true;
    update();
}

void TsEdit::PaintPlainFrame() {
    const int b = BorderWidth();
    if (b == 0) return;
    QPainter painter(this);
    QStyleOptionFrame option;
    option.initFrom(this);
    option.rect = rect();
    option.lineWidth = b;
    option.midLineWidth = 0;
    style()->drawPrimitive(QStyle::PE_FrameLineEdit, &option, &painter, this);
}

void TsEdit::paintEvent(QPaintEvent* event) {
    if (!SkinData.IsSkinned()) {
        QLineEdit::paintEvent(event);
        PaintPlainFrame();
        return;
    }
    const Bitmap32* look = SkinData.AnimationFrame;
    if (look == nullptr) {
        // Held off: the paint request is only validated.
        if (!PrepareSkinnedPaint(*this)) return;
        look = SkinData.CacheBitmap.get();
    }
    if (!isEnabled()) {
        CopyCacheToWidget(this, *look, event->region());
        return;
    }
    QLineEdit::paintEvent(event);
    const int b = BorderWidth();
    if (b == 0 || look->Empty()) return;
    // The four strips of the frame, from the same place of the cache.
    QPainter painter(this);
    painter.setClipRegion(QRegion(rect()).subtracted(QRegion(rect().adjusted(b, b, -b, -b))));
    painter.drawImage(0, 0, BitmapView(*look));
}

bool TsEdit::event(QEvent* event) {
    if (TNimbrelCommandEvent* command = AsNimbrelCommand(event)) {
        switch (command->Command()) {
            case AC_REFRESH: {
                const bool handled = SkinData.HandleSkinCommand(*command);
                if (!TsCommonData::GlobalPaintingOff()) update();
                return handled || QLineEdit::event(event);
            }
            case AC_RESUME:
                if (SkinData.PaintingSuspended) {
                    SkinData.PaintingSuspended = false;
                    update();
                }
                return true;
            case AC_DEPENDSONPOSITION:
                // The edit's picture never shows what lies under it.
                command->Result = 0;
                return true;
            case AC_GETBGCOLOR:
                if (SkinData.IsSkinned()) break;
                command->Result = static_cast<intptr_t>(Color_);
                return true;
            default: break;
        }
        return SkinData.HandleSkinCommand(*command) || QLineEdit::event(event);
    }
    SkinData.HandleCommonMessage(event);
    // The events by which the user types, pastes (the context menu, the middle button) or composes.
    const QEvent::Type type = event->type();
    const bool typing = type == QEvent::KeyPress || type == QEvent::InputMethod || type == QEvent::ContextMenu ||
                        type == QEvent::MouseButtonRelease;
    const qsizetype outer = TypingFrom_;
    if (typing) TypingFrom_ = text().size();
    const bool result = QLineEdit::event(event);
    TypingFrom_ = outer;
    AfterEvent(event);
    return result;
}

void TsEdit::AfterEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::FocusOut:
            SkinData.Focused = false;
            SkinData.MouseOver = false;
            SkinData.CacheInvalid = true;
            if (isVisible()) update();
            break;
        case QEvent::FontChange:
        case QEvent::EnabledChange:
        case QEvent::ShowToParent:
        case QEvent::HideToParent: InvalidateLook(); break;
        default: break;
    }
}
