// The skin manager and the windows: shadow border pictures of extended borders, and forms frozen
// while a new look is announced.
#include <gtest/gtest.h>

#include <algorithm>

#include <QCoreApplication>
#include <QPainter>
#include <QTest>

#include "SkinTestFolders.h"
#include "platform/Application.h"
#include "platform/DesktopEffects.h"
#include "platform/Forms.h"
#include "skin/manager/SkinCommands.h"
#include "platform/SystemMetrics.h"
#include "skin/resources/InternalSkins.h"
#include "skin/manager/sSkinManager.h"
#include "support/TempFolder.h"
#include "platform/UpwardHooks.h"

namespace {
std::unique_ptr<TsSkinManager> MakeManager(const QString& name, const std::string& directory = std::string(),
                                           bool extendedBorders = true) {
    auto manager = std::make_unique<TsSkinManager>();
    manager->BeginLoading();
    manager->SetExtendedBorders(extendedBorders);
    manager->SetInternalSkins({Glimmer()});
    if (!directory.empty()) manager->SetSkinDirectory(QString::fromStdString(directory));
    manager->SetSkinName(name);
    manager->Loaded();
    return manager;
}

/// The test skin in a folder, its EXBORDER line replaced (or dropped when empty) and lines added.
void MakeBorderSkin(const std::string& folder, const std::string& exBorder, const std::string& extraGlobals) {
    MakeSkinFolder(folder, "6.4");
    const std::string path = folder + "/Options.dat";
    std::string text = ReadText(path);
    const size_t at = text.find("EXBORDER=");
    const size_t end = text.find('\n', at) + 1;
    text.replace(at, end - at, exBorder.empty() ? std::string() : "EXBORDER=" + exBorder + "\r\n");
    text.insert(text.find("[GLOBALINFO]") + 14, extraGlobals);
    WriteBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
}

struct LayeredWindows {
    explicit LayeredWindows(bool available) { SetLayeredWindowsOverride(available); }
    ~LayeredWindows() {
        SetLayeredWindowsOverride(std::nullopt);
        SetDesktopCompositionOverride(std::nullopt);
    }
};

int CountPixels(const Bitmap32& picture, uint32_t value) {
    return static_cast<int>(std::count(picture.Pixels().begin(), picture.Pixels().end(), value));
}

Bitmap32 WithoutTransparentWhite(Bitmap32 picture) {
    for (uint32_t& p : picture.Pixels())
        if (p == 0x00FFFFFFu) p = 0;
    return picture;
}
}  // namespace

TEST(ShadowTemplates, NoneWithoutLayeredWindows) {
    EXPECT_FALSE(LayeredWindowsAvailable());  // the off-screen platform composites nothing
    EXPECT_FALSE(DesktopCompositionEnabled());
    auto manager = MakeManager(kGlimmer);
    EXPECT_FALSE(manager->ExtendedBordersEffective());
    EXPECT_EQ(manager->ShadowMargin(), ShadowMargins{});
    EXPECT_TRUE(manager->ShadowTemplate(true).Empty());
    EXPECT_TRUE(manager->ShadowTemplate(false).Empty());
}

TEST(ShadowTemplates, InternalSkinTakesItsExtendedBorderStates) {
    LayeredWindows layered(true);
    auto manager = MakeManager(kGlimmer);
    ASSERT_TRUE(manager->ExtendedBordersEffective());
    const SkinModel& model = manager->CommonSkinData();
    ASSERT_GE(model.WellKnown.ExBorderMask, 0);
    const Bitmap32& whole = *model.Masks[static_cast<size_t>(model.WellKnown.ExBorderMask)].Picture;
    ASSERT_EQ(whole.Width(), 256);  // two states side by side
    // Frame mode 1: the form offset (16) on every side.
    EXPECT_EQ(manager->ShadowMargin(), (ShadowMargins{16, 16, 16, 16}));
    EXPECT_EQ(manager->ShadowTemplate(false), WithoutTransparentWhite(whole.Copy(0, 0, 128, 160)));
    EXPECT_EQ(manager->ShadowTemplate(true), WithoutTransparentWhite(whole.Copy(128, 0, 256, 160)));
    EXPECT_NE(manager->ShadowTemplate(true), manager->ShadowTemplate(false));

    // Switching extended borders on an active skin rebuilds the pictures, or drops them.
    manager->SetExtendedBorders(false);
    EXPECT_EQ(manager->ShadowMargin(), ShadowMargins{});
    EXPECT_TRUE(manager->ShadowTemplate(true).Empty());
    manager->SetExtendedBorders(true);
    EXPECT_EQ(manager->ShadowMargin(), (ShadowMargins{16, 16, 16, 16}));
    EXPECT_EQ(manager->ShadowTemplate(false).Width(), 128);
    manager->SetActive(false);
    EXPECT_EQ(manager->ShadowMargin(), ShadowMargins{});
    EXPECT_TRUE(manager->ShadowTemplate(false).Empty());
}

TEST(ShadowTemplates, OneStateMaskWithBorderMarginsLessTheFormOffset) {
    LayeredWindows layered(true);
    TempFolder dir;
    MakeBorderSkin(dir / "Edged", "!EXBOR.PNG!1!0!3!0030!0020!0031!0032", "FORMOFFSET=10\r\n");
    auto manager = MakeManager(QStringLiteral("Edged"), dir.Path().string());
    ASSERT_EQ(manager->SkinName(), QStringLiteral("Edged"));
    EXPECT_EQ(manager->ShadowMargin(), (ShadowMargins{20, 10, 21, 22}));
    const Bitmap32& inactive = manager->ShadowTemplate(false);
    EXPECT_EQ(inactive.Width(), 20);
    EXPECT_EQ(inactive.Height(), 20);
    EXPECT_EQ(manager->ShadowTemplate(true), inactive);  // one state serves both
    EXPECT_EQ(CountPixels(inactive, 0x00FFFFFFu), 0);
}

TEST(ShadowTemplates, BuiltInShadowsWithoutAMask) {
    LayeredWindows layered(true);
    TempFolder dir;
    MakeBorderSkin(dir / "Plain", "", "");
    auto manager = MakeManager(QStringLiteral("Plain"), dir.Path().string());
    ASSERT_EQ(manager->SkinName(), QStringLiteral("Plain"));
    ASSERT_LT(manager->CommonSkinData().WellKnown.ExBorderMask, 0);
    EXPECT_EQ(manager->ShadowMargin(), (ShadowMargins{11, 7, 11, 11}));
    const Bitmap32& active = manager->ShadowTemplate(true);
    const Bitmap32& inactive = manager->ShadowTemplate(false);
    ASSERT_FALSE(active.Empty());
    ASSERT_EQ(active.Width(), inactive.Width());
    const int w = active.Width();
    const int h = active.Height();
    // The form's own place and the far corners are transparent black, never transparent white.
    EXPECT_EQ(active.At(w / 2, h / 2), 0u);
    EXPECT_EQ(active.At(0, 0), 0u);
    EXPECT_EQ(CountPixels(active, 0x00FFFFFFu), 0);
    EXPECT_EQ(CountPixels(inactive, 0x00FFFFFFu), 0);
    // Black shade, deepest next to the form, deeper below than above, deeper for the active form.
    const uint32_t below = active.At(w / 2, h - 11);
    EXPECT_EQ(below & 0x00FFFFFFu, 0u);
    EXPECT_GT(PixelAlpha(below), PixelAlpha(active.At(w / 2, h - 3)));
    EXPECT_GT(PixelAlpha(below), PixelAlpha(active.At(w / 2, 6)));
    EXPECT_GT(PixelAlpha(active.At(10, h / 2)), PixelAlpha(inactive.At(10, h / 2)));
    EXPECT_GT(PixelAlpha(inactive.At(10, h / 2)), 0);

    SetDesktopCompositionOverride(true);
    manager->SetHueOffset(10);  // a reload under desktop composition
    EXPECT_EQ(manager->ShadowMargin(), (ShadowMargins{12, 8, 12, 12}));
}

namespace {
/// A provider form that notes, as each command arrives, whether it may redraw.
class WatchedForm : public TForm {
public:
    std::vector<std::pair<int, bool>> Seen;  // command, updates enabled
    std::vector<bool> AnimatingSeen;
    int Paints = 0;
    bool DropMaximizedOnRefresh = false;

protected:
    bool event(QEvent* event) override {
        if (TNimbrelCommandEvent* command = AsNimbrelCommand(event)) {
            if (command->Command() == AC_SETNEWSKIN || command->Command() == AC_REFRESH) {
                Seen.emplace_back(command->Command(), updatesEnabled());
                AnimatingSeen.push_back(TsSkinManager::AnimatingSkinChange());
                // A window that lost its maximised state while it did not redraw.
                if (DropMaximizedOnRefresh && command->Command() == AC_REFRESH) setWindowState(Qt::WindowNoState);
            }
            return true;
        }
        return TForm::event(event);
    }
    void paintEvent(QPaintEvent*) override { ++Paints; }
};

bool AllFrozen(const WatchedForm& form, bool frozen) {
    if (form.Seen.empty()) return false;
    for (const auto& [command, enabled] : form.Seen)
        if (enabled == frozen) return false;
    return true;
}

struct ProviderRegistration {
    explicit ProviderRegistration(std::initializer_list<QWidget*> forms) {
        for (QWidget* form : forms) TsSkinManager::ProviderForms().emplace_back(form);
    }
    ~ProviderRegistration() { TsSkinManager::ProviderForms().clear(); }
};
}  // namespace

TEST(SkinManagerFreeze, VisibleProviderFormsOfTheManagerStopRedrawingDuringARefresh) {
    TForm first;  // the application's main form: no test leaves a form behind
    ASSERT_EQ(TApplication::Instance()->MainForm(), &first);
    first.show();
    auto manager = MakeManager(kGlimmer, std::string(), false);
    ASSERT_TRUE(manager->IsDefault());
    WatchedForm shown, hidden, other;
    QObject otherManager;
    other.setProperty(TsSkinManager::kProviderManagerProperty, QVariant::fromValue<QObject*>(&otherManager));
    shown.show();
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&shown));
    shown.Paints = 0;
    ProviderRegistration providers{&shown, &hidden, &other};

    manager->SetHueOffset(30);  // reload and refresh with animation
    EXPECT_TRUE(AllFrozen(shown, true));
    EXPECT_TRUE(AllFrozen(hidden, false));
    EXPECT_TRUE(AllFrozen(other, false));  // another manager's form
    EXPECT_TRUE(shown.updatesEnabled());
    EXPECT_GT(shown.Paints, 0);  // repainted once released
    EXPECT_EQ(shown.AnimatingSeen.back(), true);
    EXPECT_FALSE(TsSkinManager::AnimatingSkinChange());

    // A refresh without animation, or while the application is minimised, freezes nothing.
    shown.Seen.clear();
    manager->RefreshSkin(false);
    EXPECT_TRUE(AllFrozen(shown, false));
    first.setWindowState(Qt::WindowMinimized);
    shown.Seen.clear();
    manager->RefreshSkin(true);
    first.setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(AllFrozen(shown, false));

    // Without the skin-changing animation the forms still freeze, but no animation is announced.
    manager->AnimEffects.SkinChanging.Active = false;
    shown.Seen.clear();
    shown.AnimatingSeen.clear();
    manager->RefreshSkin(true);
    EXPECT_TRUE(AllFrozen(shown, true));
    EXPECT_EQ(shown.AnimatingSeen, std::vector<bool>(shown.AnimatingSeen.size(), false));
}

TEST(SkinManagerFreeze, NewSkinAndItsRefreshHappenFrozenAndAMaximisedFormStaysMaximised) {
    auto manager = MakeManager(kGlimmer, std::string(), false);
    WatchedForm form;
    form.showMaximized();
    ASSERT_TRUE(form.isMaximized());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.DropMaximizedOnRefresh = true;
    ProviderRegistration providers{&form};
    const int paints = form.Paints;
    manager->ApplyNewSkin(true);
    std::vector<int> commands;
    for (const auto& seen : form.Seen) commands.push_back(seen.first);
    EXPECT_TRUE(std::find(commands.begin(), commands.end(), AC_SETNEWSKIN) != commands.end());
    EXPECT_TRUE(std::find(commands.begin(), commands.end(), AC_REFRESH) != commands.end());
    EXPECT_TRUE(AllFrozen(form, true));
    EXPECT_TRUE(form.updatesEnabled());
    EXPECT_TRUE(form.isMaximized());
    EXPECT_GT(form.Paints, paints);

    // Minimised forms are left alone.
    form.DropMaximizedOnRefresh = false;
    form.showMinimized();
    form.Seen.clear();
    manager->ApplyNewSkin(true);
    EXPECT_TRUE(AllFrozen(form, false));
}

namespace {
// What the registered effects were asked to do.
struct EffectsCalls {
    int GlowRemovals = 0;
    std::vector<QWidget*> Animated;
    QImage OldLook;
    int Time = 0;
    int Alpha = 0;
};
EffectsCalls Calls;

TsSkinManager::EffectsHooks RecordingHooks() {
    Calls = EffectsCalls();
    TsSkinManager::EffectsHooks hooks;
    hooks.SkinChangingAnimation = [](QWidget* form, const QImage& oldLook, int time, TsAnimType, int alpha) {
        Calls.Animated.push_back(form);
        Calls.OldLook = oldLook;
        Calls.Time = time;
        Calls.Alpha = alpha;
    };
    hooks.StopGlows = [] { ++Calls.GlowRemovals; };
    return hooks;
}

struct RecordingEffects {
    TScopedHooks<TsSkinManager::EffectsHooks> Hooks{RecordingHooks()};
};

/// A provider form painted in its manager's loaded skin's background colour.
class HueForm : public TForm {
public:
    explicit HueForm(TsSkinManager* manager) : Manager(manager) {}
    TsSkinManager* Manager;
    QColor Look() const { return ToQColor(Manager->CommonSkinData().GlobalBackColor()); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Look());
    }
};
}  // namespace

TEST(SkinManagerEffects, GlowsGoAroundSkinChangesAndTheOldLookFadesOverTheNewOne) {
    RecordingEffects effects;
    auto manager = MakeManager(kGlimmer, std::string(), false);
    HueForm form(manager.get());
    form.resize(60, 40);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    ProviderRegistration providers{&form};

    Calls = EffectsCalls();
    manager->ApplyNewSkin(false);
    EXPECT_EQ(Calls.GlowRemovals, 1);
    // Nothing to fade where layered windows cannot show it.
    manager->SetHueOffset(30);
    EXPECT_TRUE(Calls.Animated.empty());

    SetLayeredWindowsOverride(true);
    const QColor oldLook = form.Look();
    manager->SetHueOffset(0);
    ASSERT_NE(form.Look(), oldLook);
    ASSERT_EQ(Calls.Animated, std::vector<QWidget*>{&form});
    // Taken before the reload: the old skin's look.
    ASSERT_EQ(Calls.OldLook.size(), QSize(60, 40));
    EXPECT_EQ(QColor(Calls.OldLook.pixel(30, 20)), oldLook);
    EXPECT_EQ(Calls.Time, 100);
    EXPECT_EQ(Calls.Alpha, 255);

    // Switched off, or shorter than one step: no cover, no animation.
    Calls = EffectsCalls();
    manager->AnimEffects.SkinChanging.Time = 11;
    manager->SetHueOffset(30);
    manager->AnimEffects.SkinChanging.Time = 100;
    manager->AnimEffects.SkinChanging.Active = false;
    manager->SetHueOffset(0);
    EXPECT_TRUE(Calls.Animated.empty());

    Calls = EffectsCalls();
    manager->SetActive(false);
    EXPECT_EQ(Calls.GlowRemovals, 1);
    SetLayeredWindowsOverride(std::nullopt);
}
