// TsSkinManager: owns the active skin, loads it from where it comes, announces it to forms and controls.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include <QEvent>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "skin/model/SkinModel.h"
#include "skin/manager/sStoredSkins.h"
#include "skin/paint/ShadowTemplates.h"

class TsSkinManager : public QObject {
    Q_OBJECT
public:
    explicit TsSkinManager(QObject* owner = nullptr);
    ~TsSkinManager() override;

    // --- Form data -------------------------------------------------------------------------------
    /// Properties set between these two calls are read as form data: a skin name loads at once,
    /// nothing is broadcast until Loaded.
    void BeginLoading();
    void Loaded();
    bool Loading() const { return Loading_; }

    // --- Published properties, in declaration order ----------------------------------------------
    TsEffects Effects;
    bool ExtendedBorders() const { return ExtendedBorders_; }
    void SetExtendedBorders(bool value);
    /// Popup menus are skinned. Only kept: the program's forms have no popup menus of their own,
    /// so switching it on has nothing to prepare.
    bool SkinnedPopups = true;
    TsAnimEffects AnimEffects;
    bool IsDefault() const;
    bool Active() const { return Active_; }
    void SetActive(bool value);
    QStringList CommonSections() const { return CommonSections_; }
    void SetCommonSections(const QStringList& lines);
    int Saturation() const { return Saturation_; }
    void SetSaturation(int value);
    int HueOffset() const { return HueOffset_; }
    void SetHueOffset(int value);
    const TsStoredSkins& InternalSkins() const { return InternalSkins_; }
    void SetInternalSkins(const TsStoredSkins& skins) { InternalSkins_ = skins; }
    TsMenuSupport MenuSupport;
    QString SkinDirectory() const { return SkinDirectory_; }
    void SetSkinDirectory(const QString& value);
    QString SkinName() const { return SkinName_; }
    void SetSkinName(const QString& value);
    /// The loaded skin's version ("6.4"), or "N/A" while no skin is active.
    QString SkinInfo() const;
    void SetSkinInfo(const QString&) {}
    TsSkinningRules SkinningRules() const { return SkinningRules_; }
    void SetSkinningRules(TsSkinningRules rules);
    ThirdPartyList ThirdParty;
    QString Version() const { return QStringLiteral("7.2"); }
    void SetVersion(const QString&) {}
    std::function<void(QObject*)> OnAfterChange;
    std::function<void(QObject*)> OnBeforeChange;
    /// Supplies the text of the extra line of skinned menus.
    std::function<void(QObject*, QString& text)> OnGetMenuExtraLineData;

    // --- State -------------------------------------------------------------------------------------
    SkinModel& CommonSkinData() { return *Model_; }
    const SkinModel& CommonSkinData() const { return *Model_; }
    bool FromPackage() const { return FromPackage_; }
    /// True once the destructor has started (the skin's removal is then announced with it).
    bool Destroying() const { return Destroying_; }
    /// Extended borders are asked for and the desktop can show them (layered windows).
    bool ExtendedBordersEffective() const;
    /// The shadow border's picture for an active or an inactive form; empty while not effective.
    const Bitmap32& ShadowTemplate(bool active) const { return active ? Shadows_.Active : Shadows_.Inactive; }
    /// How far the shadow border reaches beyond a form; all 0 while not effective.
    ShadowMargins ShadowMargin() const { return Shadows_.Margins; }
    /// The case-sensitive class-name lists behind ThirdParty, filled at Loaded.
    const std::array<QStringList, ThirdPartyList::Count>& ThirdLists() const { return ThirdLists_; }
    /// Whether file dialogs and message boxes may use the platform's new style.
    static bool NewStyleDialogs();

    // --- Operations ------------------------------------------------------------------------------
    /// Fills the list, sorted, with every available skin's name; returns the first name added.
    QString ListSkins(QStringList& list, TsSkinListKind kind) const;
    void ApplyNewSkin(bool animate = true);
    void RemoveSkin();
    void RefreshSkin(bool animate = true);
    /// Sends the command, with this manager, to every form (the application's, last first, then the
    /// provider forms), their controls, and the visible hooked windows.
    void BroadcastCommand(uint32_t wParam);
    std::string ResolveSkinDirectory() const;
    QWidget* ActiveControl() const { return ActiveControl_; }
    void SetActiveControl(QWidget* control);

    /// A skin pushed by the external skin editor (the 61288-byte block); returns the answer, 1
    /// when the block was taken.
    int ReceiveEditorBlock(std::span<const uint8_t> block);
    bool EditorLink() const { return EditorLink_; }

    /// An event of this type sent to the application object makes the default manager send the
    /// repaint command to every form.
    static constexpr QEvent::Type kRepaintRequest = static_cast<QEvent::Type>(0xB000);
    bool eventFilter(QObject* watched, QEvent* event) override;

    // --- Process-wide ---------------------------------------------------------------------------
    static TsSkinManager* DefaultManager();
    static bool SkinLoading();
    static std::vector<QPointer<QWidget>>& ProviderForms();
    /// A provider form names its manager in this property (a QObject*); without it the form
    /// follows the default manager.
    static constexpr const char* kProviderManagerProperty = "SkinManager";
    /// Set while the default manager's forms are frozen for the skin-changing animation.
    static bool AnimatingSkinChange();
    static std::vector<QPointer<QWidget>>& HookedWindows();
    /// Declines descending into a child during a broadcast when it returns false.
    using ChildFilter = std::function<bool(QWidget*)>;
    static void SetChildFilter(ChildFilter filter);
    /// Messages the manager shows (load errors, the version warning, the version switch) go here
    /// instead of a box when set.
    using MessageHook = std::function<void(const QString&)>;
    static void SetMessageHook(MessageHook hook);
    /// The window hook through which forms and dialogs without a provider of their own are
    /// skinned: the frames install it at start-up (UpwardHooks.h). Without it the manager installs a
    /// hook that takes no window. Remove frees the wrappers of HookedWindows.
    struct WindowHookHandlers {
        void (*Install)() = nullptr;
        void (*Remove)() = nullptr;
    };

    /// What the effects above the manager do for it; installed at start-up, none by default.
    struct EffectsHooks {
        /// Lets a released form's old look fade away over its new one (time in ms, start alpha).
        void (*SkinChangingAnimation)(QWidget* form, const QImage& oldLook, int time, TsAnimType mode,
                                      int alpha) = nullptr;
        /// Removes every glow of the controls before a skin is applied or removed.
        void (*StopGlows)() = nullptr;
    };

private:
    enum class Source { None, Package, Editor, Folder, Internal };
    struct SkinSource {
        Source Kind = Source::None;
        std::string Path;
        int InternalIndex = -1;
    };
    SkinSource FindSource();
    /// Loads and applies the skin named now; a failed load goes back to the old name.
    void ChangeSkin(const QString& oldName);
    void LoadSkin();
    void ReloadAfterChange();
    void UpdateDialogStyle();
    /// Prepares the shadow border pictures and margins for the loaded skin, or clears them.
    void UpdateShadowTemplates();
    /// The visible, not minimised, top-level provider forms of this manager stop redrawing; returns
    /// them. Nothing while the application is minimised.
    struct FrozenForm {
        QPointer<QWidget> Form;
        bool Maximized = false;
    };
    std::vector<FrozenForm> FreezeForms();
    /// The forms FreezeForms takes.
    std::vector<QWidget*> FormsToFreeze() const;
    /// Before a new skin is loaded: the look of the forms that the skin-changing animation will
    /// run over, taken while the old skin can still paint them.
    void CoverForms();
    /// Lets the frozen forms redraw: the skin-changing animation first, then their maximised state
    /// back and a repaint with frame and children.
    void ReleaseForms(const std::vector<FrozenForm>& forms);
    /// The skin-changing animation over a released form (time and mode of AnimEffects.SkinChanging,
    /// the form's opacity or 255): its covered old look fades away. Without a cover, or without the
    /// effects registered, the form shows its new look at once.
    void RunSkinChangingAnimation(QWidget* form);
    void InstallHook();
    void UninstallHook();
    void SendToControls(QWidget* container, uint32_t wParam);
    void ShowMessage(const QString& text, bool error);
    SkinLoadSettings LoadSettings() const;

    std::unique_ptr<SkinModel> Model_;
    bool Loading_ = false;
    bool ExtendedBorders_ = false;
    bool Active_ = true;
    QStringList CommonSections_;
    int Saturation_ = 0;
    int HueOffset_ = 0;
    TsStoredSkins InternalSkins_;
    QString SkinDirectory_;
    QString SkinName_;
    TsSkinningRules SkinningRules_ = srStdForms | srStdDialogs | srThirdParty;
    std::array<QStringList, ThirdPartyList::Count> ThirdLists_;
    bool FromPackage_ = false;
    bool Removing_ = false;
    bool Destroying_ = false;
    bool HookInstalled_ = false;
    bool EditorLink_ = false;
    bool EditorMessage_ = false;
    bool HandlingBlock_ = false;
    std::unique_ptr<std::string> EditorOptions_;
    ShadowTemplates Shadows_;
    QPointer<QWidget> ActiveControl_;
    struct Cover {
        QPointer<QWidget> Form;
        QImage OldLook;
    };
    std::vector<Cover> Covers_;
};

/// Shows "Nimbrel v7.2" once when any program parameter (the program name not included), lower-cased,
/// is "/nbver"; returns whether it did.
bool ShowVersionIfAsked(const QStringList& arguments);
