// TsButton: the skinned push button (four looks, cross-fades, the rounded window shape, glow).
#pragma once

#include <functional>
#include <memory>

#include <QPointer>
#include <QPushButton>
#include <QRegion>

#include "ButtonImages.h"
#include "skin/binding/SkinnedControl.h"
#include "skin/binding/sCommonData.h"
#include "platform/Forms.h"

class TsFadeTimer;
class TNimbrelCommandEvent;

/// Which transitions cross-fade; aeGlobalDef defers to the skin manager's button effects.
enum TButtonAnimEvent : unsigned {
    aeMouseEnter = 1,
    aeMouseLeave = 2,
    aeMouseDown = 4,
    aeMouseUp = 8,
    aeGlobalDef = 16,
};
using TButtonAnimEvents = unsigned;

enum class TButtonStyle { bsPushButton, bsCommandLink, bsSplitButton };
enum class TImageAlignment { iaLeft, iaRight, iaTop, iaBottom, iaCenter };

struct TImageMargins {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

/// An owner-drawn push button whose face is its skin section ("BUTTON"). Click, keyboard and focus
/// behave as the platform button; the skin adds the looks normal, hot, pressed and disabled, the
/// fades between them, the window shape cut to the border mask's corners and the hover glow.
class TsButton : public QPushButton, public TsSkinnedControl {
    Q_OBJECT
public:
    explicit TsButton(QWidget* parent = nullptr);
    ~TsButton() override;

    // --- The platform button's properties -------------------------------------------------------
    QString Caption() const { return text(); }
    void SetCaption(const QString& caption);
    /// Enter pressed in the button's window, where no other button has the focus, presses it; it
    /// looks hot while no other button has the focus.
    bool Default() const { return Default_; }
    void SetDefault(bool value);
    /// Escape pressed in the button's window presses it.
    bool Cancel() const { return Cancel_; }
    void SetCancel(bool value);
    /// A non-zero result is handed to the form on the press, which ends its modal showing.
    TModalResult ModalResult = mrNone;
    bool WordWrap() const { return WordWrap_; }
    void SetWordWrap(bool value);
    /// The glyph's images (none by default) and which one each state shows (-1: ImageIndex's).
    std::shared_ptr<const TButtonImageList> Images() const { return Images_; }
    void SetImages(std::shared_ptr<const TButtonImageList> images);
    int ImageIndex = -1;
    int HotImageIndex = -1;
    int PressedImageIndex = -1;
    int SelectedImageIndex = -1;
    int DisabledImageIndex = -1;
    TImageAlignment ImageAlignment() const { return ImageAlignment_; }
    void SetImageAlignment(TImageAlignment value);
    TImageMargins ImageMargins() const { return ImageMargins_; }
    void SetImageMargins(TImageMargins value);
    QString CommandLinkHint() const { return CommandLinkHint_; }
    std::function<void(QObject*)> OnClick;

    // --- Added by the skinned button ------------------------------------------------------------
    std::function<void(QObject*)> OnMouseEnter;
    std::function<void(QObject*)> OnMouseLeave;
    TButtonAnimEvents AnimatEvents = aeGlobalDef;
    TsCtrlSkinData SkinData;
    bool ShowFocus() const { return ShowFocus_; }
    void SetShowFocus(bool value);
    TsDisabledKind DisabledKind() const override { return DisabledKind_; }
    void SetDisabledKind(TsDisabledKind value);
    /// Keeps the pressed look whatever the mouse and the keyboard do.
    bool Down() const { return Down_; }
    void SetDown(bool value);
    /// The focus rectangle is the caption's rectangle grown by this on every side.
    int FocusMargin = 1;
    /// Inner margin for caption and glyph.
    int ContentMargin() const { return ContentMargin_; }
    /// A command link has a bold caption 2 points larger and CommandLinkHint below it.
    TButtonStyle Style() const { return Style_; }
    void SetStyle(TButtonStyle value);

    // --- Painting -------------------------------------------------------------------------------
    /// 0 normal, 1 hot (default look, focused or hovered), 2 pressed (Down, or pushed while the
    /// mouse is over the button or no mouse button is held).
    int ButtonState() const;
    /// Where the caption goes (moved by (1, 1) when pressed).
    QRect CaptionRect() const;
    /// Where the glyph goes; empty without a usable glyph.
    QRect GlyphRect() const;
    /// Paints the cache for the present state and makes the window shape's region from the border
    /// mask's corners.
    void RebuildCache();
    /// The window paint: the cache rebuilt, the shape applied, the cache copied to the widget; or,
    /// with a target, copied there (a print), the shape left alone.
    void PaintButton(TDrawTarget* target = nullptr);
    /// The button's face in its state shows the glyph and the caption; the focus rectangle follows.
    void DrawCaption(Bitmap32& canvas);
    void DrawGlyph(Bitmap32& canvas);

    /// The default look: the platform's notice that the button is (or stops being) the one Enter
    /// presses.
    bool DefaultLook() const { return DefaultLook_; }
    void SetDefaultLook(bool value);
    /// The running cross-fade, or null.
    TsFadeTimer* FadeTimer() const { return FadeTimer_; }

    TsCommonData& SkinBinding() override { return SkinData; }
    int PaintState() override { return ButtonState(); }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void initStyleOption(QStyleOptionButton* option) const override;

private:
    enum Transition { teMouseEnter, teMouseLeave, teMouseDown, teMouseUp };
    enum class RegionState { None, Placeholder, Made };

    void Pressed();
    bool HandleCommand(TNimbrelCommandEvent& command);
    void MouseEntered(bool wasOver);
    void MouseLeft();
    /// Cross-fades to the new look when the event fades, else repaints; the glow follows.
    void Animate(Transition transition);
    bool FadeRunning() const;
    void StopFading();
    /// Follows the window's focus: the default look goes to the focused button, or to the default
    /// button while no button has the focus.
    void UpdateDefaultLook();
    /// Watches the window for Enter and Escape while the button is its default or cancel button.
    void WatchDialogKeys();
    /// The whole window shape with the corner pixels of the border mask cut out.
    void ApplyRegion();
    void PaintUnskinned();
    /// The caption measured as it is drawn: width and height (0 x 0 when empty).
    QSize CaptionSize() const;
    bool UsableGlyph() const;
    /// The glyph's size (32 x 32 for a command link without images), without margins.
    QSize GlyphSize() const;

    bool Default_ = false;
    bool Cancel_ = false;
    bool WordWrap_ = true;
    std::shared_ptr<const TButtonImageList> Images_;
    TImageAlignment ImageAlignment_ = TImageAlignment::iaLeft;
    TImageMargins ImageMargins_;
    QString CommandLinkHint_;
    bool ShowFocus_ = true;
    TsDisabledKind DisabledKind_ = dkBlended;
    bool Down_ = false;
    int ContentMargin_ = 6;
    TButtonStyle Style_ = TButtonStyle::bsPushButton;

    TsFadeTimer* FadeTimer_ = nullptr;
    bool PressedByMouse_ = false;
    bool DefaultLook_ = false;
    // The mouse press or release being handled before the platform's own handling sees it.
    bool PressStarting_ = false;
    bool Releasing_ = false;
    RegionState RegionState_ = RegionState::Placeholder;
    QRegion Region_;
    QRect ShapeBounds_;  // the bounds when the shape was last applied
    bool ParentHasBitmap_ = false;
    QPointer<QObject> KeysWatched_;  // the window whose Enter and Escape the button watches
};
