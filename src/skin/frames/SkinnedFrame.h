// What a form's provider and a dialog's frame share: the window picture with its title band, caption and
// caption buttons, the window's shape, the frame's hit test and its mouse, activation and caption handling.
#pragma once

#include <array>
#include <memory>
#include <optional>

#include <QFont>
#include <QIcon>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QRegion>

#include "FrameGeometry.h"
#include "skin/manager/sSkinManager.h"  // before the binding, which holds the manager by QPointer
#include "skin/binding/sCommonData.h"
#include "core/Bitmap32.h"
#include "skin/paint/TextGlow.h"

class QKeyEvent;
class QMouseEvent;
class QTimer;
class TNimbrelCommandEvent;
class TSysCommandEvent;
class TsSkinManager;

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

/// A second text drawn after the caption.
struct TAddedTitle {
    QFont Font;
    TColor FontColor = clDefault;
    QString Text;
    bool ShowMainCaption = true;
};

/// The caption text's glow picture, blurred once per look and kept until the caption or the skin
/// changes.
struct TCaptionGlow {
    std::optional<GrayPicture> Picture;
    TRect TextRect;  // where the text lay when it was made
    int Size = 0;
    TColor Color = 0;
};

/// Where the last picture put the caption text: its rectangle before and after vertical centring.
struct TCaptionPlacement {
    TRect Before;
    TRect After;
};

class TSkinnedFrame : public QObject {
    Q_OBJECT
public:
    /// The frame of window, bound to section (owner of the binding: the window).
    TSkinnedFrame(QWidget* window, const QString& section, QObject* parent);
    ~TSkinnedFrame() override;

    QWidget* Window() const { return Window_; }
    /// The frame's skin binding: its cache bitmap holds the picture of the whole window.
    TsCommonData& SkinData() { return *SkinData_; }
    const TsCommonData& SkinData() const { return *SkinData_; }

    // --- State ----------------------------------------------------------------------------------
    /// The window is drawn as active.
    bool FormActive = true;
    /// The caption button under the mouse (its hit code), 0 none.
    int HotCode = 0;
    TFrameLayout Layout;
    /// The title band from the leftmost caption button to the right edge before the buttons were drawn.
    Bitmap32 ButtonBackdrop;
    int TitleSectionIndex = -1;
    int CaptionSectionIndex = -1;
    /// Glow pictures of the caption text: [0] inactive look, [1] active.
    std::array<TCaptionGlow, 2> CaptionGlows;
    TCaptionPlacement CaptionPlacement;

    /// A caption button was pressed and the mouse has not left it since: its release fires it.
    /// Process-wide; only one button can be armed at a time.
    static bool PressArmed;

    /// Whether the frame draws the window's frame now (skinned, and for a provider DrawNonClientArea).
    virtual bool DrawsFrame() const;
    /// The title section's name ("FORMTITLE" or the provider's TitleSkin).
    virtual QString TitleSkinName() const { return QStringLiteral("FORMTITLE"); }

    // --- Operations -----------------------------------------------------------------------------
    /// Re-reads the window and the skin: indexes, the layout (metrics and buttons) and the frame mode.
    void UpdateSkinState();
    /// Recomputes the layout for the window's present size and state.
    void UpdateLayout();
    /// Rebuilds the picture of the whole window when it is out of date (or always with force).
    void PaintWindowImage(bool force = false);
    void PaintTitleBand(Bitmap32& picture, int state);
    void PaintCaptionText(Bitmap32& picture, int state);
    /// Draws every visible caption button into the picture (after ButtonBackdrop took its copy).
    void PlaceTitleButtons(Bitmap32& picture);
    /// Redraws one caption button in the picture and on the window (animated where the effects allow).
    void RepaintTitleButton(int hitCode);
    /// The hit code of a point in window coordinates; makes a caption button hot or clears the hot one.
    int FrameHitTest(QPoint point);
    /// Makes the caption button of code hot (0 or any other code: none) and clears PressArmed.
    void SetHotButton(int code, bool repaint = true);
    /// The window's shape: the whole window minus the key-coloured corner pixels (maximized: the
    /// window shrunk by the border). Empty when the frame gives the window no shape.
    QRegion WindowRegion() const;
    /// Sets the shape on the window (or removes it).
    void UpdateWindowRegion();
    /// Marks the picture out of date and repaints the window with its children.
    void InvalidateFrame();
    /// The grip image's top-left corner in window coordinates, or (-1, -1).
    TPoint GripCorner() const;

    /// What the window is, for the frame rules.
    virtual TFrameWindowInfo WindowInfo() const = 0;
    /// The user caption buttons.
    virtual std::vector<TUserButtonInfo> UserButtonInfos() const { return {}; }

protected:
    // --- Differences between a form's provider and a dialog's frame -------------------------------
    virtual QString CaptionText() const;
    virtual TAlignment CaptionAlignment() const { return TAlignment::taLeftJustify; }
    /// The added title, or null.
    virtual const TAddedTitle* AddedTitle() const { return nullptr; }
    /// The icon drawn in the title band (a null icon draws nothing).
    virtual QIcon TitleIcon() const;
    /// The title icon's own picture (TitleIcon.Glyph), drawn instead of the icon when set.
    virtual const QImage* TitleGlyph() const { return nullptr; }
    virtual void ShowSystemMenu(QPoint globalPos) = 0;
    /// Refreshes the system menu's items after a command.
    virtual void UpdateSystemMenu() {}
    /// The double click on the icon: closes the window through its close query.
    virtual void CloseWindow();
    /// A user caption button was pressed or released (index from 0).
    virtual void UserButtonDown(int) {}
    virtual void UserButtonUp(int) {}
    /// Snapping while the window is moved by its title band: whether it is on, and its distance.
    virtual bool SnapsToScreen(int& buffer) const {
        (void)buffer;
        return false;
    }
    /// The window starts or stops being moved by its title band.
    virtual void MovingChanged(bool moving) { (void)moving; }
    /// Whether the window is the application's main form (its minimize button always minimizes).
    virtual bool IsMainForm() const { return false; }
    /// Activation changed; the default runs the window's own handling and repaints the frame.
    virtual void ActivationChanged(QEvent* event);
    /// A skin command reached the window; true when handled (answer in the event).
    virtual bool SkinCommand(TNimbrelCommandEvent& command);
    /// A system command reached the window; the default leaves it to its default action.
    virtual void SysCommand(TSysCommandEvent& command);
    /// The window's frame mode changed (frameless with margins, or the platform's frame back).
    virtual void ApplyFrameMode(bool drawn) = 0;
    /// The client area of the window's picture is what the client shows; false fills it with the
    /// skin's global colour instead (a dialog's background brush).
    virtual bool ClientFromPicture() const { return true; }
    /// The client widget (the controls' parent) whose background is the picture's client area.
    virtual QWidget* ClientWidget() const { return nullptr; }
    /// Calls the window's own handling of an event from inside the frame's filter.
    bool CallDefault(QEvent* event);
    /// The skin manager of the binding (or the default one).
    TsSkinManager* Manager() const;
    const SkinModel* Model() const;

    bool eventFilter(QObject* watched, QEvent* event) override;
    /// Installs the filters on the window and its client.
    void Hook();
    void Unhook();
    /// Whether the frame mode is applied now.
    bool FrameApplied() const { return FrameApplied_; }
    void SetFrameApplied(bool value) { FrameApplied_ = value; }

private:
    bool WindowEvent(QEvent* event);
    bool ClientEvent(QEvent* event);
    void PaintFrame();
    void MousePress(QMouseEvent* event);
    void MouseRelease(QMouseEvent* event);
    void MouseMove(QMouseEvent* event);
    void DoubleClick(QMouseEvent* event);
    void ButtonPressed(int code);
    void ShowSystemMenuAtIcon();
    void StartDrag(QPoint global);
    void DragTo(QPoint global);
    void EndDrag();
    /// Move or Size chosen without a mouse button held (the system menu): the window follows the
    /// pointer until a click or Enter; Esc puts it back. Code: HTCAPTION or HTBOTTOMRIGHT.
    void StartTracking(int code);
    bool TrackingKey(QKeyEvent* event);
    /// Draws one caption button in its present state into a picture whose (0, 0) is the window's origin.
    void DrawTitleButton(Bitmap32& picture, const TFrameButton& button, bool animated, TPoint origin) const;
    /// The picture of one button's rectangle in a state (backdrop plus the button).
    Bitmap32 ButtonLook(const TFrameButton& button) const;
    bool AnimationsAllowed() const;
    void UpdateButtonGlow(TFrameButton& button, bool hot);
    void UpdateCursor(int code);
    /// Draws a text line into the picture in a colour, clipped to rect.
    void DrawCaptionLine(Bitmap32& picture, const QString& text, const QFont& font, TRect rect, TColor color,
                         int dx = 0, int dy = 0) const;
    void PaintCaptionGlow(Bitmap32& picture, const QString& text, const QFont& font, TRect rect, int size,
                          TColor color);

    QPointer<QWidget> Window_;
    std::unique_ptr<TsCommonData> SkinData_;
    bool FrameApplied_ = false;
    // The event handed to the window's own handling, which the frame's filter lets through.
    QEvent* DefaultEvent_ = nullptr;
    // A press in the title band or on an edge: where, and what it may turn into.
    struct Drag {
        int Code = 0;
        QPoint PressGlobal;
        QRect StartGeometry;
        bool Moving = false;
        bool System = false;
        // Follows the pointer without a button held, with the mouse and keyboard grabbed.
        bool Tracking = false;
    };
    std::optional<Drag> Drag_;
    QTimer* MenuTimer_ = nullptr;
    friend class TTitleButtonAnimation;
};

/// Whether system moves are preferred to moving the window ourselves (they are where the platform
/// cannot place windows itself, and are unreliable on X11).
bool PreferSystemMove();

/// The window position that snapping gives: each edge within buffer pixels of the work area's edge
/// (right, bottom, left, top in this order) is moved onto it.
QPoint SnapToWorkArea(QPoint position, QSize size, const QRect& workArea, int buffer);
