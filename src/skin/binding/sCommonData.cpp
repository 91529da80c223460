// TsCommonData: properties, index resolution, loading, colours, state questions and the hooks.
#include "sCommonData.h"

#include <algorithm>

#include <QVariant>
#include <QWidget>

#include "ControlKinds.h"
#include "ParentBackground.h"
#include "SkinnedControl.h"
#include "core/SystemColors.h"
#include "platform/Forms.h"
#include "skin/manager/SkinCommands.h"
#include "platform/SystemMetrics.h"
#include "platform/UpwardHooks.h"
#include "skin/model/ColorTransforms.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/PixelBlends.h"

namespace {
bool PaintingOff = false;
// The owner names its binding in this property, so that parents and children can find it.
constexpr const char* kBindingProperty = "quadrimoSkinBinding";
}  // namespace

TsCommonData::TsCommonData(QWidget* owner, TsSkinnedControl* control, int kind, bool createCache,
                           const QString& section)
    : OwnerControl(owner), OwnerObject(owner), ControlKind(kind), SkinSection_(section.toUpper()), Control_(control) {
    if (createCache) CacheBitmap = std::make_unique<Bitmap32>();
    if (owner != nullptr) owner->setProperty(kBindingProperty, QVariant::fromValue(static_cast<void*>(this)));
}

TsCommonData::~TsCommonData() {
    Destroying_ = true;
    EndGlow();
    if (OwnerControl != nullptr) OwnerControl->setProperty(kBindingProperty, QVariant());
}

TsCommonData* SkinDataOf(QObject* widget) {
    if (widget == nullptr) return nullptr;
    const QVariant value = widget->property(kBindingProperty);
    return value.isValid() ? static_cast<TsCommonData*>(value.value<void*>()) : nullptr;
}

TColor ControlColorOf(const QWidget* widget) {
    if (widget == nullptr) return clBtnFace;
    if (const auto* form = qobject_cast<const TForm*>(widget)) return form->Color();
    if (const auto* form = qobject_cast<const TForm*>(widget->parentWidget()); form && form->Client() == widget)
        return form->Color();
    if (TsCommonData* data = SkinDataOf(const_cast<QWidget*>(widget)); data && data->Control())
        return data->Control()->OwnerColor();
    return FromQColor(widget->palette().color(widget->backgroundRole()));
}

// --- Lookups ------------------------------------------------------------------------------------------

TsSkinManager* TsCommonData::EffectiveManager() const {
    return SkinManager_ ? SkinManager_.data() : TsSkinManager::DefaultManager();
}

const SkinModel* TsCommonData::Model() const {
    const TsSkinManager* manager = EffectiveManager();
    return manager != nullptr ? &manager->CommonSkinData() : nullptr;
}

const TsGeneralData* TsCommonData::Section() const {
    const SkinModel* model = Model();
    return model != nullptr ? model->SectionAt(SectionIndex) : nullptr;
}

SectionBinding TsCommonData::PaintBinding() const {
    SectionBinding binding;
    binding.SectionIndex = SectionIndex;
    binding.SectionName = SkinSection_.toStdString();
    binding.BorderMaskIndex = BorderMaskIndex;
    binding.PatternIndex = PatternIndex;
    binding.HotPatternIndex = HotPatternIndex;
    binding.CustomColor = CustomColor_;
    binding.OwnerColor = CustomColor_ ? OwnerColor() : clWhite;
    binding.HueOffset = HUEOffset_;
    binding.Saturation = Saturation_;
    binding.Model = Model();
    return binding;
}

TColor TsCommonData::OwnerColor() const {
    if (Control_ != nullptr) return Control_->OwnerColor();
    return OwnerControl != nullptr ? ControlColorOf(OwnerControl) : clBtnFace;
}

// --- Published properties -------------------------------------------------------------------------------

void TsCommonData::SetCustomColor(bool value) {
    CustomColor_ = value;
    UpdateSkinColors(true);
}

void TsCommonData::SetCustomFont(bool value) {
    CustomFont_ = value;
    Invalidate();
}

void TsCommonData::SetSkinManager(TsSkinManager* manager) {
    SkinManager_ = manager == TsSkinManager::DefaultManager() ? nullptr : manager;
    ResolveSkinIndexes();
    AnnounceSectionChange();
}

void TsCommonData::SetSkinSection(const QString& value) {
    const QString name = value.isEmpty() ? QStringLiteral("UNKNOWN") : value.toUpper();
    if (name == SkinSection_) return;
    SkinSection_ = name;
    ResolveSkinIndexes();
    AnnounceSectionChange();
}

void TsCommonData::AnnounceSectionChange() {
    if (OwnerControl == nullptr || OwnerLoading || Destroying_ || OwnerControl->parentWidget() == nullptr) return;
    SendSkinCommand(OwnerControl, MakeNimbrelParam(SectionIndex >= 0 ? AC_REFRESH : AC_REMOVESKIN), EffectiveManager());
}

void TsCtrlSkinData::SetHUEOffset(int value) {
    HUEOffset_ = value;
    Loaded();
    Invalidate();
}

void TsCtrlSkinData::SetSaturation(int value) {
    Saturation_ = value;
    Loaded();
    Invalidate();
}

// --- Resolution and loading ----------------------------------------------------------------------------

void TsCommonData::ResolveSkinIndexes() {
    SectionIndex = BorderMaskIndex = PatternIndex = HotPatternIndex = -1;
    BackgroundKind = 0;
    const TsSkinManager* manager = EffectiveManager();
    if (manager != nullptr && manager->Active() && !manager->Destroying() && !SkinSection_.isEmpty()) {
        const SectionBinding bound = BindSection(manager->CommonSkinData(), SkinSection_.toStdString());
        SectionIndex = bound.SectionIndex;
        BorderMaskIndex = bound.BorderMaskIndex;
        PatternIndex = bound.PatternIndex;
        HotPatternIndex = bound.HotPatternIndex;
    }
    if (const TsGeneralData* section = Section()) {
        const TsGenState& normal = section->Props[0];
        if (normal.ImagePercent != 0) BackgroundKind |= bkImage;
        if (normal.GradientPercent != 0 && !normal.GradientArray.empty()) {
            switch (normal.GradientArray[0].Mode) {
                case 0: BackgroundKind |= bkVerticalGradient; break;
                case 1: BackgroundKind |= bkHorizontalGradient; break;
                case 2: BackgroundKind |= bkTriangleGradient; break;
                default: break;
            }
        }
    }
    RecomputeSkinState();
    CacheInvalid = true;
}

void TsCommonData::Loaded() {
    if (SkinSection_.isEmpty() && !OptionalSection) {
        const QString className = OwnerObject != nullptr ? QString::fromLatin1(OwnerObject->metaObject()->className())
                                                         : QString();
        SkinSection_ = DefaultSectionForKind(ControlKind, className);
    }
    ResolveSkinIndexes();
    if (IsSkinned() && OwnerControl != nullptr && OwnerControl->parentWidget() != nullptr && !OwnerLoading) {
        SendNimbrelCommand(OwnerControl->window(), MakeNimbrelParam(AC_REGISTERCONTROL),
                           reinterpret_cast<intptr_t>(OwnerControl));
        UpdateSkinColors(false);
    }
}

void FormLoaded(QWidget* root) {
    if (root == nullptr) return;
    if (TsCommonData* data = SkinDataOf(root)) data->Loaded();
    for (QWidget* child : root->findChildren<QWidget*>())
        if (TsCommonData* data = SkinDataOf(child)) data->Loaded();
}

void TsCommonData::RecomputeSkinState() {
    SkinState &= static_cast<uint16_t>(~ssPlainBackground);
    const TsGeneralData* section = Section();
    if (!IsContainerKind(ControlKind) || section == nullptr || !IsSkinned()) return;
    const SkinModel& model = *Model();
    const TsGenState& normal = section->Props[0];
    bool ownPicture = false;
    if (const TsMaskData* mask = model.MaskAt(BorderMaskIndex)) {
        ownPicture = mask->BorderLeft + mask->BorderRight > 20 || mask->BorderTop + mask->BorderBottom > 20;
    }
    const int t = normal.Transparency;
    if (t > 0 && t < 100) {
        ownPicture = true;
    } else if (t >= 100) {
        QWidget* parent = OwnerControl != nullptr ? OwnerControl->parentWidget() : nullptr;
        if (parent == nullptr ||
            !(SendNimbrelCommand(parent, MakeNimbrelParam(AC_SKINSTATE)) & ssPlainBackground)) {
            ownPicture = true;
        }
    } else if (normal.ImagePercent != 0 || normal.GradientPercent != 0) {
        ownPicture = true;
    }
    if (!ownPicture) SkinState |= ssPlainBackground;
}

void TsCommonData::UpdateSkinColors(bool repaint) {
    const TsGeneralData* section = Section();
    if (IsEditLikeKind(ControlKind) && section != nullptr && Control_ != nullptr && IsSkinned()) {
        auto turned = [this](TColor color) {
            color = RotateColorHue(HUEOffset_, color);
            return Saturation_ != 0 ? static_cast<TColor>(ChangeSaturation(Saturation_, color)) : color;
        };
        if (!CustomColor_) Control_->SetOwnerColor(turned(section->Props[0].Color));
        if (!CustomFont_) Control_->SetOwnerFontColor(turned(section->Props[0].FontColor));
    }
    if (repaint) Invalidate();
}

// --- Painting questions -------------------------------------------------------------------------------

void TsCommonData::Invalidate() {
    CacheInvalid = true;
    if (OwnerControl == nullptr || Destroying_ || OwnerLoading || OwnerControl->parentWidget() == nullptr) return;
    // A windowless control is painted on its parent's surface at once; a repaint from inside a paint
    // would recurse, so that case waits for the next paint like a windowed control.
    QWidget* parent = OwnerControl->parentWidget();
    if (Windowless && OwnerControl->isVisible() && !OwnerControl->testAttribute(Qt::WA_WState_InPaintEvent) &&
        !parent->testAttribute(Qt::WA_WState_InPaintEvent)) {
        OwnerControl->repaint();
    } else {
        OwnerControl->update();
    }
}

bool TsCommonData::IsSkinned(bool requireActive) const {
    const TsSkinManager* manager = EffectiveManager();
    if (manager == nullptr || manager->Destroying() || Destroying_ || Section() == nullptr) return false;
    return !requireActive || manager->CommonSkinData().SkinData.Active;
}

bool TsCommonData::IsHot() const {
    if (OwnerControl == nullptr || Destroying_ || !OwnerControl->isEnabled()) return false;
    return Focused || OwnerControl->hasFocus() || (MouseOver && !IsNoHoverKind(ControlKind));
}

bool TsCommonData::IsPaintingSuspended() const {
    if (EffectiveManager() == nullptr) return false;
    if (!GlobalPaintingOff() && (SkinState & ssPlainBackground) && !IsHot()) return PaintingSuspended;
    if (Destroying_) return PaintingSuspended;
    QWidget* parent = OwnerControl != nullptr ? OwnerControl->parentWidget() : nullptr;
    if (PaintingSuspended || parent == nullptr) return true;
    return SendNimbrelCommand(parent, MakeNimbrelParam(AC_ISSUSPENDED)) != 0;
}

void TsCommonData::EnsureCache() {
    const int width = OwnerControl != nullptr ? std::max(OwnerControl->width(), 0) : 0;
    const int height = OwnerControl != nullptr ? std::max(OwnerControl->height(), 0) : 0;
    if (!CacheBitmap) CacheBitmap = std::make_unique<Bitmap32>();
    if (CacheBitmap->Width() != width || CacheBitmap->Height() != height) *CacheBitmap = Bitmap32(width, height);
}

namespace {
// The background colour of a control's parent: its answer to the background-colour command, or its
// Color when it does not answer.
TColor ParentBackgroundColor(const QWidget* owner) {
    QWidget* parent = owner != nullptr ? owner->parentWidget() : nullptr;
    if (parent == nullptr) return clBtnFace;
    const auto answer = static_cast<TColor>(SendNimbrelCommand(parent, MakeNimbrelParam(AC_GETBGCOLOR)));
    return answer == 0 || answer == clFuchsia ? ControlColorOf(parent) : answer;
}
}  // namespace

TColor TsCommonData::EffectiveBackgroundColor(int state) const {
    const TsGeneralData* section = Section();
    if (section == nullptr || !IsSkinned() || CustomColor_) return OwnerColor();
    const TsGenState& set = section->Props[state > 0 && section->States > 1 ? 1 : 0];
    if (set.Transparency <= 0) return set.Color;
    const TColor parent = ParentBackgroundColor(OwnerControl);
    if (set.Transparency >= 100) return parent;
    // Here the transparency is the weight of the section's own colour.
    return BlendTwoColors(set.Color, parent, set.Transparency / 100.0);
}

TColor BackgroundColorAnswer(const TsCommonData& data) {
    const TsGeneralData* section = data.Section();
    // A control with a custom colour paints that colour, so that is what lies under its children.
    if (section == nullptr || !data.IsSkinned() || data.CustomColor()) return data.OwnerColor();
    const TsGenState& normal = section->Props[0];
    const int t = normal.Transparency;
    if (t <= 0) return normal.Color;
    const TColor parent = ParentBackgroundColor(data.OwnerControl);
    if (t >= 100) return parent;
    const TColor own = ColorToRGB(normal.Color), other = ColorToRGB(parent);
    auto mix = [t](int o, int p) { return static_cast<uint8_t>(o + (p - o) * t / 256); };
    return RGB(mix(GetRValue(own), GetRValue(other)), mix(GetGValue(own), GetGValue(other)),
               mix(GetBValue(own), GetBValue(other)));
}

void TsCommonData::ParentBackgroundFor(BackgroundInfo& info) const {
    info = BackgroundInfo();
    QWidget* parent = OwnerControl != nullptr ? OwnerControl->parentWidget() : nullptr;
    if (parent == nullptr || !IsSkinned()) {
        info.FillColor = EffectiveBackgroundColor(0);
        return;
    }
    BackgroundRequest request;
    QueryParentBackground(request, parent, false);
    info = BackgroundInfoFromRequest(request);
}

bool TsCommonData::ShowsParentOnMove() const {
    if (UrgentPainting || !IsSkinned() || OwnerControl == nullptr || !OwnerControl->isEnabled()) return true;
    if (Section()->Props[0].Transparency <= 0) return false;
    QWidget* parent = OwnerControl->parentWidget();
    return parent != nullptr && SendNimbrelCommand(parent, MakeNimbrelParam(AC_DEPENDSONPOSITION)) != 0;
}

void TsCommonData::BeginUpdate() {
    PaintingSuspended = true;
    SkinState |= ssUpdating;
    SendNimbrelCommand(OwnerObject, MakeNimbrelParam(AC_BEGINUPDATE));
}

void TsCommonData::EndUpdate(bool repaint) {
    PaintingSuspended = false;
    SkinState &= static_cast<uint16_t>(~ssUpdating);
    SendNimbrelCommand(OwnerObject, MakeNimbrelParam(AC_ENDUPDATE));
    if (repaint) Invalidate();
}

// --- Glows and the process-wide flag -------------------------------------------------------------------

void TsCommonData::UpdateGlow(bool pressing) {
    const TsEffectHooks& hooks = InstalledHooks<TsEffectHooks>();
    if (hooks.UpdateGlow != nullptr && !Destroying_) hooks.UpdateGlow(*this, pressing);
}

void TsCommonData::EndGlow() {
    if (GlowHandle < 0) return;
    if (const auto removeGlow = InstalledHooks<TsEffectHooks>().RemoveGlow) removeGlow(GlowHandle);
    GlowHandle = -1;
}

bool TsCommonData::GlobalPaintingOff() {
    return PaintingOff || TsSkinManager::SkinLoading() || TsSkinManager::AnimatingSkinChange();
}

void TsCommonData::SetGlobalPaintingOff(bool value) { PaintingOff = value; }

