// The form skinning provider on the program-shaped forms: taking the frame over, the picture, the mouse
// on the frame, double clicks, activation, DrawNonClientArea and the skin commands.
#include <gtest/gtest.h>

#include <QTest>

#include "FramesTestSupport.h"
#include "skin/binding/ParentBackground.h"
#include "skin/frames/CaptionCover.h"
#include "skin/frames/FormHook.h"
#include "skin/manager/SkinCommands.h"
#include "platform/SysCommands.h"
#include "platform/WindowHook.h"
#include "skin/model/MaskCells.h"
#include "skin/paint/ControlFace.h"

namespace {

const QPoint kClose(382, 14);
const QPoint kMinimize(354, 14);
const QPoint kCaption(200, 10);
const QPoint kIcon(12, 12);

// Records the system commands a window receives and keeps them from acting.
class CommandRecorder : public QObject {
public:
    explicit CommandRecorder(QWidget* window) { window->installEventFilter(this); }
    std::vector<int> Commands;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == TSysCommandEvent::EventType) {
            auto* command = static_cast<TSysCommandEvent*>(event);
            Commands.push_back(command->Command);
            command->Handled = true;
        }
        return false;
    }
};

void Deactivate(TForm& form, QWidget& other) {
    other.show();
    other.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&form] { return !form.isActiveWindow(); }, 2000));
}

}  // namespace

TEST(SkinProvider, TheHookGivesTheFormAFramelessFramePaintedFromTheSkin) {
    const auto manager = MakeGlimmerManager();
    ASSERT_TRUE(TWindowHook::Installed());
    TFrameTestForm form;
    form.SetColor(clWhite);
    ShowActive(form);
    TsSkinProvider* provider = TsSkinProvider::ProviderOf(&form);
    ASSERT_NE(provider, nullptr);
    EXPECT_TRUE(provider->RunTimeCreated);
    EXPECT_TRUE(provider->HadSystemMenu);
    EXPECT_EQ(form.Color(), clBtnFace);  // a run-time provider does not take the skin's colour
    EXPECT_TRUE(AnswersSkinCommands(&form));
    EXPECT_NE(HookedWrapperOf(&form), nullptr);
    EXPECT_EQ(TsSkinManager::ProviderForms().size(), 1u);

    EXPECT_TRUE(form.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(form.size(), QSize(399, 223));
    EXPECT_EQ(form.Client()->geometry(), QRect(3, 25, 393, 195));
    // The skin's key-coloured corners are cut out of the window.
    const QRegion shape = form.mask();
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.contains(QPoint(398, 0)));
    EXPECT_TRUE(shape.contains(QPoint(3, 3)));
    EXPECT_TRUE(shape.contains(QPoint(200, 222)));

    // What the window shows is the provider's picture: frame, title band and client background.
    const QImage shown = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const Bitmap32& picture = *provider->SkinData().CacheBitmap;
    ASSERT_EQ(picture.Width(), 399);
    ASSERT_EQ(picture.Height(), 223);
    for (const QPoint p : {kCaption, kClose, QPoint(1, 100), QPoint(200, 221), QPoint(390, 200)})
        EXPECT_EQ(shown.pixel(p) & 0xFFFFFF, picture.At(p.x(), p.y()) & 0xFFFFFF) << p.x() << ", " << p.y();

    // The client area answers the controls' background questions with the skin's form colour.
    BackgroundRequest request;
    QueryParentBackground(request, form.Client(), false);
    EXPECT_EQ(request.Kind, 1);
    EXPECT_EQ(request.Color, provider->SkinData().Section()->Props[0].Color);
}

TEST(SkinProvider, AnInactiveWindowDrawsItsButtonsAtHalfOpacityAndItsTitleInStateZero) {
    const auto manager = MakeGlimmerManager();
    TFrameTestForm form;
    ShowActive(form);
    TsSkinProvider* provider = TsSkinProvider::ProviderOf(&form);
    ASSERT_NE(provider, nullptr);
    const SkinModel& model = manager->CommonSkinData();
    const TFrameButton close = provider->Layout.Buttons[fbClose];
    const TsMaskData& mask = model.Masks[static_cast<size_t>(close.ImageIndex)];
    // The button at full opacity over the title band as it is under it.
    const auto full = [&](const Bitmap32& backdrop) {
        const int left = provider->Layout.ButtonsLeft();
        Bitmap32 look = backdrop.Copy(close.Left - left, close.Top, close.Right - left, close.Bottom);
        DrawMaskImage(look, 0, 0, mask, 0, model.MasterBitmap);
        return look;
    };

    provider->PaintWindowImage();
    const Bitmap32 active = *provider->SkinData().CacheBitmap;
    EXPECT_EQ(active.Copy(close.Left, close.Top, close.Right, close.Bottom), full(provider->ButtonBackdrop));

    QWidget other;
    Deactivate(form, other);
    EXPECT_FALSE(provider->FormActive);
    provider->PaintWindowImage();
    const Bitmap32 inactive = *provider->SkinData().CacheBitmap;
    // The title section in state 0 shows the form's face through.
    Bitmap32 face(399, 223);
    PaintControlFace(provider->SkinData(), BackgroundInfo(), 0, face, {0, 0}, {0, 0, 399, 223});
    EXPECT_EQ(inactive.At(kCaption.x(), kCaption.y()), face.At(kCaption.x(), kCaption.y()));
    EXPECT_NE(active.At(kCaption.x(), kCaption.y()), inactive.At(kCaption.x(), kCaption.y()));
    // Each button pixel lies halfway between the title band and the button's own pixel.
    const Bitmap32 opaque = full(provider->ButtonBackdrop);
    const int left = provider->Layout.ButtonsLeft();
    int halfway = 0;
    for (int y = 0; y < opaque.Height(); ++y) {
        for (int x = 0; x < opaque.Width(); ++x) {
            const uint32_t under = provider->ButtonBackdrop.At(close.Left - left + x, close.Top + y);
            const uint32_t over = opaque.At(x, y);
            const uint32_t got = inactive.At(close.Left + x, close.Top + y);
            for (int shift : {0, 8, 16}) {
                const int a = (under >> shift) & 0xFF, b = (over >> shift) & 0xFF, g = (got >> shift) & 0xFF;
                EXPECT_LE(std::abs(2 * g - a - b), 2) << x << ", " << y;
                if (std::abs(a - b) > 8) ++halfway;
            }
        }
    }
    EXPECT_GT(halfway, 50);

    form.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&form] { return form.isActiveWindow(); }, 2000));
    provider->PaintWindowImage();
    EXPECT_EQ(*provider->SkinData().CacheBitmap, active);  // activating redraws them fully
}

TEST(SkinProvider, APressOnlyFiresWhereItStayedOnTheButton) {
    const auto manager = MakeGlimmerManager();
    TFrameTestForm form;
    ShowActive(form);
    TsSkinProvider* provider = TsSkinProvider::ProviderOf(&form);
    ASSERT_NE(provider, nullptr);
    const TFrameButton& close = provider->Layout.Buttons[fbClose];

    SendMouse(&form, QEvent::MouseMove, kClose);
    EXPECT_EQ(provider->HotCode, HTCLOSE);
    EXPECT_EQ(close.State, 1);
    SendMouse(&form, QEvent::MouseButtonPress, kClose);
    EXPECT_EQ(close.State, 2);
    EXPECT_TRUE(TSkinnedFrame::PressArmed);
    // Off the button and back again: the press is no longer armed.
    SendMouse(&form, QEvent::MouseMove, kCaption, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(provider->HotCode, 0);
    EXPECT_EQ(close.State, 0);
    EXPECT_FALSE(TSkinnedFrame::PressArmed);
    SendMouse(&form, QEvent::MouseMove, kClose, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(close.State, 1);
    EXPECT_FALSE(TSkinnedFrame::PressArmed);
    SendMouse(&form, QEvent::MouseButtonRelease, kClose);
    EXPECT_TRUE(form.isVisible());

    // A whole click sends the button's command.
    CommandRecorder recorder(&form);
    for (const QPoint at : {kMinimize, kClose}) {
        SendMouse(&form, QEvent::MouseMove, at);
        SendMouse(&form, QEvent::MouseButtonPress, at);
        SendMouse(&form, QEvent::MouseButtonRelease, at);
    }
    EXPECT_EQ(recorder.Commands, (std::vector<int>{SC_MINIMIZE, SC_CLOSE}));
    // The mouse leaving the window clears the hot button.
    SendMouse(&form, QEvent::MouseMove, kClose);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&form, &leave);
    EXPECT_EQ(provider->HotCode, 0);
}

TEST(SkinProvider, DoubleClicksOnTheIconCloseThroughTheCloseQueryAndOnTheCaptionMaximize) {
    const auto manager = MakeGlimmerManager();
    TFrameTestForm form;
    ShowActive(form);
    form.AllowClose = false;
    SendMouse(&form, QEvent::MouseButtonDblClick, kIcon);
    EXPECT_EQ(form.CloseQueries, 1);
    EXPECT_TRUE(form.isVisible());
    {
        // Without biMaximize a double click on the caption does nothing.
        CommandRecorder recorder(&form);
        SendMouse(&form, QEvent::MouseButtonDblClick, kCaption);
        EXPECT_TRUE(recorder.Commands.empty());
    }
    form.AllowClose = true;
    SendMouse(&form, QEvent::MouseButtonDblClick, kIcon);
    EXPECT_EQ(form.CloseQueries, 2);
    EXPECT_FALSE(form.isVisible());

    TFrameTestForm sizeable;
    sizeable.SetBorderStyle(TFormBorderStyle::bsSizeable);
    sizeable.SetBorderIcons(biSystemMenu | biMinimize | biMaximize);
    ShowActive(sizeable);
    CommandRecorder recorder(&sizeable);
    SendMouse(&sizeable, QEvent::MouseButtonDblClick, kCaption);
    EXPECT_EQ(recorder.Commands, (std::vector<int>{SC_MAXIMIZE}));
}

TEST(SkinProvider, DraggingTheTitleBandMovesTheWindowAfterAFewPixels) {
    const auto manager = MakeGlimmerManager();
    TFrameTestForm form;
    form.move(100, 100);
    ShowActive(form);
    const QPoint start = form.pos();
    SendMouse(&form, QEvent::MouseButtonPress, kCaption);
    SendMouse(&form, QEvent::MouseMove, kCaption + QPoint(1, 1), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(form.pos(), start);  // a click stays a click
    // The frame follows the pointer: the events come at the old place of the window.
    SendMouse(&form, QEvent::MouseMove, kCaption + QPoint(30, 20), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(form.pos(), start + QPoint(30, 20));
    SendMouse(&form, QEvent::MouseButtonRelease, kCaption);
}

// Move and Size chosen from the system menu, with no button held: the window follows the pointer
// until a click or Enter, and Esc puts it back.
TEST(SkinProvider, MoveAndSizeFromTheMenuFollowThePointer) {
    const auto manager = MakeGlimmerManager();
    TFrameTestForm form;
    form.SetBorderStyle(TFormBorderStyle::bsSizeable);
    form.move(100, 100);
    ShowActive(form);
    TsSkinProvider* provider = TsSkinProvider::ProviderOf(&form);
    ASSERT_NE(provider, nullptr);
    const QRect start = form.geometry();
    // Where the pointer is put: the middle of the title band.
    const QPoint title(form.width() / 2, (provider->Layout.BorderWidth + provider->Layout.CaptionHeight) / 2);
    SendSysCommand(&form, SC_MOVE);
    SendMouse(&form, QEvent::MouseMove, title + QPoint(30, 20), Qt::NoButton);
    EXPECT_EQ(form.pos(), start.topLeft() + QPoint(30, 20));
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_EQ(form.geometry(), start);

    SendSysCommand(&form, SC_MOVE);
    SendMouse(&form, QEvent::MouseMove, title + QPoint(-10, 5), Qt::NoButton);
    SendMouse(&form, QEvent::MouseButtonPress, title + QPoint(-10, 5));
    SendMouse(&form, QEvent::MouseButtonRelease, title + QPoint(-10, 5));
    SendMouse(&form, QEvent::MouseMove, title + QPoint(40, 40), Qt::NoButton);
    EXPECT_EQ(form.pos(), start.topLeft() + QPoint(-10, 5));  // the click put it down

    const QRect moved = form.geometry();
    SendSysCommand(&form, SC_SIZE);
    const QPoint corner(form.width() - 1, form.height() - 1);
    SendMouse(&form, QEvent::MouseMove, corner + QPoint(20, 10), Qt::NoButton);
    QTest::keyClick(&form, Qt::Key_Return);
    SendMouse(&form, QEvent::MouseMove, corner + QPoint(50, 50), Qt::NoButton);
    EXPECT_EQ(form.geometry(), QRect(moved.topLeft(), moved.size() + QSize(20, 10)));
}

TEST(SkinProvider, DrawNonClientAreaOffGivesThePlatformFrameBackAndOnTakesItAgain) {
    const auto manager = MakeGlimmerManager();
    TFrameTestForm form;
    ShowActive(form);
    TsSkinProvider* provider = TsSkinProvider::ProviderOf(&form);
    ASSERT_NE(provider, nullptr);
    provider->SetDrawNonClientArea(false);
    EXPECT_FALSE(provider->DrawsFrame());
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowSystemMenuHint));
    EXPECT_FALSE(form.DrawnFrame().has_value());
    EXPECT_EQ(form.size(), QSize(393, 195));
    EXPECT_EQ(form.Client()->geometry(), QRect(0, 0, 393, 195));
    EXPECT_TRUE(form.mask().isEmpty());
    // The platform answers for the frame now: no caption button gets hot.
    SendMouse(&form, QEvent::MouseMove, kClose);
    EXPECT_EQ(provider->HotCode, 0);

    provider->SetDrawNonClientArea(true);
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(form.size(), QSize(399, 223));
    EXPECT_EQ(form.Client()->geometry(), QRect(3, 25, 393, 195));
    EXPECT_FALSE(form.mask().isEmpty());
}

TEST(SkinProvider, TheSkinCommandsAndTheSkinsRemoval) {
    const auto manager = MakeGlimmerManager();
    TFrameTestForm form;
    ShowActive(form);
    TsSkinProvider* provider = TsSkinProvider::ProviderOf(&form);
    ASSERT_NE(provider, nullptr);
    EXPECT_EQ(SendNimbrelCommand(&form, MakeNimbrelParam(AC_GETPROVIDER)), reinterpret_cast<intptr_t>(provider));
    manager->SetActive(false);
    EXPECT_FALSE(TWindowHook::Installed());
    EXPECT_TRUE(HookedWrappers().empty());
    EXPECT_EQ(TsSkinProvider::ProviderOf(&form), provider);  // the provider stays with its form
    EXPECT_FALSE(form.DrawnFrame().has_value());
    EXPECT_EQ(form.size(), QSize(393, 195));
    manager->SetActive(true);
    EXPECT_TRUE(form.DrawnFrame().has_value());
    EXPECT_EQ(form.size(), QSize(399, 223));
}

TEST(SkinProvider, AProviderPlacedOnTheFormFramesItBeforeItShowsAndCoversTheCaptionOnActivation) {
    const auto manager = MakeGlimmerManager();
    TFrameTestForm form;
    auto* provider = new TsSkinProvider(&form);
    EXPECT_FALSE(provider->RunTimeCreated);
    EXPECT_EQ(form.size(), QSize(399, 223));  // framed before its first showing
    EXPECT_EQ(form.Color(), manager->CommonSkinData().GlobalBackColor());
    // Each activation change shows the cover over the title band while the window handles it.
    struct CoverSpy : QObject {
        std::vector<QRect> Covers;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate)
                for (auto* cover : watched->findChildren<TCaptionCover*>())
                    if (cover->isVisible() && cover->Tag == -98) Covers.push_back(cover->geometry());
            return false;
        }
    } spy;
    form.installEventFilter(&spy);
    ShowActive(form);
    EXPECT_EQ(TsSkinProvider::ProviderOf(&form), provider);
    EXPECT_EQ(HookedWrapperOf(&form), nullptr);  // skinned already: the hook leaves it alone
    ASSERT_FALSE(spy.Covers.empty());
    EXPECT_EQ(spy.Covers.back(), QRect(form.mapToGlobal(QPoint(0, 0)), QSize(399, 25)));
    EXPECT_TRUE(form.findChildren<TCaptionCover*>().empty());  // freed afterwards
    for (const auto& wrapper : HookedWrappers()) EXPECT_FALSE(qobject_cast<TCaptionCover*>(wrapper->Window()));
}

TEST(SkinProvider, TheWindowsShapeFollowsTheActiveAndTheInactiveCorners) {
    const auto manager = MakeGlimmerManager();
    // The form's frame gets an inactive state whose corner has one more key-coloured pixel.
    SkinModel& model = manager->CommonSkinData();
    TsGeneralData& section = model.Sections[static_cast<size_t>(model.SectionIndexOf("FORM"))];
    const TsMaskData* frame = model.MaskAt(section.BorderIndex);
    ASSERT_NE(frame, nullptr);
    ASSERT_GE(std::min(frame->BorderLeft, frame->BorderTop), 3);
    ASSERT_EQ(frame->MaskLayout, 0);
    const TRect cell = MaskStateCell(*frame, 0);
    const Bitmap32& source = frame->Picture ? *frame->Picture : model.MasterBitmap;
    TsMaskData twoStates = *frame;
    twoStates.Picture = Bitmap32(2 * cell.Width(), cell.Height());
    for (int y = 0; y < cell.Height(); ++y)
        for (int x = 0; x < cell.Width(); ++x)
            twoStates.Picture->At(x, y) = twoStates.Picture->At(cell.Width() + x, y) = source.At(cell.Left + x, cell.Top + y);
    twoStates.Picture->At(2, 2) = 0xFFFF00FF;  // state 0, the inactive window's
    twoStates.SourceRect = {0, 0, 2 * cell.Width(), cell.Height()};
    twoStates.StateCount = 2;
    model.Masks.push_back(twoStates);
    section.BorderIndex = static_cast<int32_t>(model.Masks.size()) - 1;

    TFrameTestForm form;
    ShowActive(form);
    const QPoint corner(2, 2);
    EXPECT_TRUE(form.mask().contains(corner));
    QWidget other;
    Deactivate(form, other);
    EXPECT_FALSE(form.mask().contains(corner));
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&form] { return form.isActiveWindow(); }, 2000));
    EXPECT_TRUE(form.mask().contains(corner));
}
