// TsSkinProvider: the form skinning provider that takes over a form's frame and paints it from the skin.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QImage>
#include <QPointer>

#include "SkinnedFrame.h"
#include "sSystemMenu.h"

class TForm;
class TWindowAnimation;
class TCaptionCover;

enum class TsGripMode { gmNone, gmRightBottom };
enum class TsResizeMode { rmStandard, rmBorder };

/// The icon picture and size of the title band (0: taken from the caption height).
struct TsTitleIcon {
    QImage Glyph;
    int Height = 0;
    int Width = 0;
};

/// A user caption button.
struct TsTitleButton {
    bool Enabled = true;
    QImage Glyph;
    QString Hint;
    QString Name;
    bool UseSkinData = true;
    bool Visible = true;
    std::function<void(QObject* sender, int index)> OnMouseDown;
    std::function<void(QObject* sender, int index)> OnMouseUp;
};
using TsTitleButtons = std::vector<TsTitleButton>;

class TsSkinProvider : public TSkinnedFrame {
    Q_OBJECT
public:
    /// A provider placed on the form: it takes the form's frame over at once (before the form is
    /// first shown, so that the platform's frame never shows).
    explicit TsSkinProvider(TForm* form);
    ~TsSkinProvider() override;

    /// The provider the hook makes for a form without one: RunTimeCreated, the form's Color left at
    /// the button-face colour, the form repainted at once.
    static TsSkinProvider* CreateAtRunTime(TForm* form);
    /// The provider of a form (its answer to the get-provider command), or null.
    static TsSkinProvider* ProviderOf(QWidget* form);

    TForm* Form() const { return Form_; }

    // --- Published properties -----------------------------------------------------------------
    TAddedTitle AddedTitleData;
    bool AllowExtBorders = true;
    bool AllowBlendOnMoving = true;
    TAlignment Alignment() const { return CaptionAlignment_; }
    void SetCaptionAlignment(TAlignment alignment);
    bool DrawNonClientArea() const { return DrawNonClientArea_; }
    /// Off: the platform's frame (and its system menu) comes back and the window's shape goes; on
    /// again takes them away.
    void SetDrawNonClientArea(bool value);
    TsGripMode GripMode() const { return GripMode_; }
    void SetGripMode(TsGripMode mode);
    bool MakeSkinMenu = false;
    QString MenuLineSkin;
    TsResizeMode ResizeMode = TsResizeMode::rmStandard;
    /// The section of the window's face: the binding's SkinSection ("FORM" unless set).
    QString SkinSection() const { return SkinData().SkinSection(); }
    void SetSkinSection(const QString& section);
    bool ScreenSnap = false;
    int SnapBuffer = 10;
    bool ShowAppIcon() const { return ShowAppIcon_; }
    void SetShowAppIcon(bool value);
    const TsTitleButtons& TitleButtons() const { return TitleButtons_; }
    const TsTitleIcon& TitleIconData() const { return TitleIcon_; }
    QString TitleSkin() const { return TitleSkin_; }
    bool UseGlobalColor() const { return UseGlobalColor_; }
    /// While skinned, true gives the form the skin's global colour (unless the binding has
    /// CustomColor); false gives it the button-face colour.
    void SetUseGlobalColor(bool value);
    std::function<void(QObject* sender)> OnAfterAnimation;
    std::function<void(QObject* sender, QPoint point, int& code)> OnExtHitTest;
    std::function<void(QObject* sender, QWidget* control, bool& allow)> OnSkinItem;

    // --- State ------------------------------------------------------------------------------------
    bool RunTimeCreated = false;
    /// The window had the system menu when the provider took it over.
    bool HadSystemMenu = false;
    TsSystemMenu* SystemMenu() const { return SystemMenu_; }
    /// The running minimize or restore animation, or null.
    TWindowAnimation* Animation() const { return Animation_.get(); }

    bool DrawsFrame() const override;
    QString TitleSkinName() const override;
    TFrameWindowInfo WindowInfo() const override;
    std::vector<TUserButtonInfo> UserButtonInfos() const override;
    void ShowSystemMenu(QPoint globalPos) override;

protected:
    TAlignment CaptionAlignment() const override { return CaptionAlignment_; }
    const TAddedTitle* AddedTitle() const override { return &AddedTitleData; }
    const QImage* TitleGlyph() const override { return &TitleIcon_.Glyph; }
    void UpdateSystemMenu() override;
    void CloseWindow() override;
    void UserButtonDown(int index) override;
    void UserButtonUp(int index) override;
    void ActivationChanged(QEvent* event) override;
    bool SkinCommand(TNimbrelCommandEvent& command) override;
    void SysCommand(TSysCommandEvent& command) override;
    void ApplyFrameMode(bool drawn) override;
    QWidget* ClientWidget() const override;
    bool SnapsToScreen(int& buffer) const override;
    void MovingChanged(bool moving) override;
    bool IsMainForm() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TsSkinProvider(TForm* form, bool runTime);
    /// Takes the form over: filters, sections, system menu, the frame mode, ProviderForms.
    void Setup();
    void ApplyGlobalColor();
    /// Where the minimize animation may run (active, drawn frame, compositing desktop).
    bool MinimizeAnimationAllowed() const;
    void StartWindowAnimation(bool minimizing);

    QPointer<TForm> Form_;
    TAlignment CaptionAlignment_ = TAlignment::taLeftJustify;
    bool DrawNonClientArea_ = true;
    TsGripMode GripMode_ = TsGripMode::gmNone;
    bool ShowAppIcon_ = true;
    TsTitleButtons TitleButtons_;
    TsTitleIcon TitleIcon_;
    QString TitleSkin_;
    bool UseGlobalColor_ = true;
    bool SetUp_ = false;
    QPointer<TsSystemMenu> SystemMenu_;
    std::unique_ptr<TWindowAnimation> Animation_;
    qreal OpacityBeforeMove_ = 1.0;
};
