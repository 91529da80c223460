// TsCommonData and TsCtrlSkinData: the skin binding every skinned control owns (its SkinData).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <QPointer>
#include <QString>

#include "core/Bitmap32.h"
#include "core/Color.h"
#include "skin/model/SkinModel.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/PaintSection.h"
#include "skin/paint/PaintTypes.h"

class QEvent;
class QObject;
class QWidget;
class TNimbrelCommandEvent;
class TsSkinnedControl;

// SkinState bits.
constexpr uint16_t ssPlainBackground = 0x0001;  // a flat background: no picture of its own for children
constexpr uint16_t ssPrinting = 0x0200;         // painting into a print target
constexpr uint16_t ssUpdating = 0x0800;         // inside BeginUpdate / EndUpdate

// BackgroundKind bits: the image bit, and in the low two bits the first gradient segment's mode.
constexpr uint16_t bkImage = 0x0004;
constexpr uint16_t bkHorizontalGradient = 1;  // mode 1
constexpr uint16_t bkVerticalGradient = 2;    // mode 0
constexpr uint16_t bkTriangleGradient = 3;    // mode 2
constexpr uint16_t bkGradientMask = 3;

/// The binding: ties a control to a section of its skin manager's skin, keeps the control's cached
/// picture, tracks hover and focus, reacts to the manager's commands and answers the questions of
/// the control's children.
///
/// Qt mapping: every control here is a QWidget, also those the binding treats as windowless (labels,
/// the bevel, speed buttons); such controls set Windowless, so that Invalidate repaints them at once
/// and focus tracking leaves them alone. Commands reach every control through sendEvent.
class TsCommonData {
public:
    /// owner: the control; control: its painting side (the same object, or null for an owner that
    /// paints itself some other way); kind: the class's kind code; createCache: an empty cache
    /// bitmap now (button, edits, bevel) instead of on first use; section: the form's SkinSection,
    /// stored upper-cased as given (no side effects).
    TsCommonData(QWidget* owner, TsSkinnedControl* control, int kind, bool createCache = false,
                 const QString& section = QString());
    TsCommonData(const TsCommonData&) = delete;
    TsCommonData& operator=(const TsCommonData&) = delete;
    /// Frees the cache and ends a glow that is still shown.
    virtual ~TsCommonData();

    // --- Published properties, in declaration order ---------------------------------------------
    bool CustomColor() const { return CustomColor_; }
    /// Then UpdateSkinColors(true).
    void SetCustomColor(bool value);
    bool CustomFont() const { return CustomFont_; }
    /// Then Invalidate.
    void SetCustomFont(bool value);
    /// The stored manager; null means the application's default manager.
    TsSkinManager* SkinManager() const { return SkinManager_; }
    /// The default manager is stored as null; re-resolves, then the owner gets refresh (3) or
    /// remove-skin (2) with the manager.
    void SetSkinManager(TsSkinManager* manager);
    QString SkinSection() const { return SkinSection_; }
    /// Upper-cases (empty becomes "UNKNOWN"); an equal name changes nothing; re-resolves; an owner
    /// that is not loading or destroying and has a parent is sent refresh (3) when the section
    /// exists, else remove-skin (2).
    void SetSkinSection(const QString& value);

    /// The control's own hue offset and saturation; published by TsCtrlSkinData, 0 here.
    int HUEOffset() const { return HUEOffset_; }
    int Saturation() const { return Saturation_; }

    // --- Internal state, in declaration order -------------------------------------------------------
    int GlowHandle = -1;             // the control's glow, -1 none (shown and removed by the effects)
    bool PaintingSuspended = false;  // painting held off
    int SectionIndex = -1;
    int BorderMaskIndex = -1;
    int PatternIndex = -1;
    int HotPatternIndex = -1;
    bool UrgentPainting = false;
    bool CacheInvalid = true;
    bool PartlyVisible = true;  // not wholly inside the parent's client area at the last paint
    QWidget* OwnerControl = nullptr;
    QObject* OwnerObject = nullptr;
    /// The control's finished picture; null until created (see createCache). A zero-copy QImage view
    /// (platform/BitmapView.h) lets Qt draw text into it and copy it to the widget.
    std::unique_ptr<Bitmap32> CacheBitmap;
    int ControlKind = 0;
    bool Focused = false;
    bool MouseOver = false;
    uint16_t SkinState = 0;
    uint16_t BackgroundKind = 0;
    /// Where a print-to-surface request paints; null otherwise.
    TDrawTarget* PrintTarget = nullptr;

    // --- Qt mapping -------------------------------------------------------------------------------
    /// A control the skin engine treats as having no window of its own.
    bool Windowless = false;
    /// The control's own section is optional (labels): Loaded picks no default when it is empty.
    bool OptionalSection = false;
    /// Set while the owner's properties are being set up as form data; side effects wait.
    bool OwnerLoading = false;
    /// The frame of a running fade or animation (owned by its timer): while set, the repaint path
    /// copies it to the widget instead of the cache. A control cannot be painted from outside its
    /// paint event, so a fade's step sets it and repaints the control.
    const Bitmap32* AnimationFrame = nullptr;
    TsSkinnedControl* Control() const { return Control_; }
    /// True once the destructor has started.
    bool Destroying() const { return Destroying_; }

    // --- Lookups ----------------------------------------------------------------------------------
    /// The stored manager, or the default manager when none is stored.
    TsSkinManager* EffectiveManager() const;
    /// The effective manager's skin, or null.
    const SkinModel* Model() const;
    /// The resolved section, or null.
    const TsGeneralData* Section() const;
    /// What the painting engine reads of this binding.
    SectionBinding PaintBinding() const;
    /// The owner's Color (a control's own or, without a painting side, the palette's); the system
    /// button-face colour without an owner.
    TColor OwnerColor() const;

    // --- Operations -------------------------------------------------------------------------------
    /// Section index (-1 when the manager is not active), BackgroundKind, SkinState, border mask and
    /// the two pattern indexes; marks the cache invalid.
    void ResolveSkinIndexes();
    /// After the form data: the default section when SkinSection is empty (else ResolveSkinIndexes);
    /// then, skinned with a parent: register-control (25) to the parent form, UpdateSkinColors(false).
    void Loaded();
    /// Edit-like kinds: Color and font colour from the section's normal set (unless CustomColor /
    /// CustomFont), through the binding's hue offset and saturation; then Invalidate if asked.
    void UpdateSkinColors(bool repaint);
    /// CacheInvalid := true; a ready owner repaints: a windowless one at once, a windowed one with
    /// its children.
    void Invalidate();
    bool IsSkinned(bool requireActive = false) const;
    bool IsHot() const;
    /// Refreshes nothing; see the repaint path for the stored copy.
    bool IsPaintingSuspended() const;
    /// Creates the cache if missing and sizes it to the owner.
    void EnsureCache();
    TColor EffectiveBackgroundColor(int state) const;
    /// What lies under the control: the parent's answer to get-background, or for an unskinned or
    /// parentless control no bitmap and FillColor = EffectiveBackgroundColor(0).
    void ParentBackgroundFor(BackgroundInfo& info) const;
    bool ShowsParentOnMove() const;
    /// Repaints the border mask's four corners of the state straight into the cache over a fresh
    /// parent background.
    void RefreshCorners(int state);
    void BeginUpdate();
    void EndUpdate(bool repaint);
    /// Recomputes SkinState's plain-background bit (containers and providers; others keep it clear).
    void RecomputeSkinState();

    /// The reactions to the skin command message; true when handled (the answer is in the event's
    /// Result). Commands of another manager than the binding's are left to the default handling.
    bool HandleSkinCommand(TNimbrelCommandEvent& command);
    /// Hover, focus, enabled, move, resize, context menu, visibility and child notifications.
    /// The reactions run beside Qt's own handling: the answer is false for every Qt event, so the
    /// caller always passes it on.
    bool HandleCommonMessage(QEvent* event);

    /// The glow rule over the effects' hooks: starts (or moves) the glow for the hover state.
    void UpdateGlow(bool pressing = false);
    /// Removes the control's glow, if any (GlowHandle := -1).
    void EndGlow();

    // --- Process-wide ---------------------------------------------------------------------------
    /// The painting-off phase: set while a whole form is re-skinned or animated; every control then
    /// skips painting and only validates its window. Also on while the manager loads a skin.
    static bool GlobalPaintingOff();
    static void SetGlobalPaintingOff(bool value);

protected:
    int HUEOffset_ = 0;
    int Saturation_ = 0;

private:
    /// The reaction to a mouse that entered or left the owner.
    void MouseEntered();
    void MouseLeft();
    /// Sends refresh or remove-skin to the owner, as the setters do.
    void AnnounceSectionChange();

    bool CustomColor_ = false;
    bool CustomFont_ = false;
    QPointer<TsSkinManager> SkinManager_;
    QString SkinSection_;
    TsSkinnedControl* Control_ = nullptr;
    bool Destroying_ = false;
};

/// The published binding of most controls: adds the control's own hue offset and saturation.
class TsCtrlSkinData : public TsCommonData {
public:
    using TsCommonData::TsCommonData;
    /// Then Loaded and Invalidate.
    void SetHUEOffset(int value);
    void SetSaturation(int value);
};

/// The binding of a widget, or null when it has none.
TsCommonData* SkinDataOf(QObject* widget);
/// The Color of any widget: a bound control's own, a form's (also for its client area), else the
/// palette's background colour.
TColor ControlColorOf(const QWidget* widget);

/// The common face painter over a binding: nothing unless the target exists, the section is valid
/// and rect lies inside the target; section, corner images, border over the background and the
/// binding's hue offset and saturation.
void PaintControlFace(const TsCommonData& data, const BackgroundInfo& background, int state, Bitmap32& target,
                      TPoint offset, TRect rect);

/// The binding's part of a control's event(): true for a skin command it handled (the answer is in
/// the event), false otherwise, after the common reactions to Qt's events; Qt's handling follows.
bool HandleSkinEvent(TsCommonData& data, QEvent* event);

/// Calls Loaded on the binding of every control under root, in creation order: what the end of
/// reading a form's data does.
void FormLoaded(QWidget* root);

/// The effects library sits above the binding: it installs these at start-up (UpwardHooks.h), and the
/// binding calls them where hover, moves and skin changes start or end glows. Null hooks do nothing.
struct TsEffectHooks {
    /// Shows, moves or removes the control's glow for its hover state (pressing: a mouse press).
    void (*UpdateGlow)(TsCommonData& data, bool pressing) = nullptr;
    /// Removes one glow by handle.
    void (*RemoveGlow)(int handle) = nullptr;
};
