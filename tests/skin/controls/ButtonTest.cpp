// TsButton on the internal skin: its state rule, caption and glyph layout, window shape, fades and focus frame.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTest>

#include "skin/binding/sCommonData.h"
#include "skin/controls/sButton.h"
#include "skin/effects/sFade.h"
#include "platform/DesktopEffects.h"
#include "platform/Forms.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/GlimmerManager.h"
#include "skin/manager/sSkinManager.h"

namespace {

// The program's skin as the main window loads it.
struct TInternalSkin {
    std::unique_ptr<TsSkinManager> Owner = MakeGlimmerManager();
    TsSkinManager& Manager = *Owner;
};

// Records the state of every paint.
class TRecordingButton : public TsButton {
public:
    using TsButton::TsButton;
    std::vector<int> PaintedStates;

protected:
    void paintEvent(QPaintEvent* event) override {
        PaintedStates.push_back(ButtonState());
        TsButton::paintEvent(event);
    }
};

// The main window's "prepare" button on a shown form.
struct TButtonOnForm {
    explicit TButtonOnForm(QRect geometry = QRect(8, 143, 289, 25)) {
        form.SetClientSize(393, 195);
        // The window's focus stays in an edit, as in the main window.
        edit = new QLineEdit(form.Client());
        edit->setGeometry(128, 8, 257, 21);
        button = new TRecordingButton(form.Client());
        button->setGeometry(geometry);
        button->SetCaption(QStringLiteral("Caption"));
        FormLoaded(form.Client());
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
        edit->setFocus();
        button->repaint();
    }
    void Enter() {
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(button, &enter);
    }
    void Leave() {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave);
    }
    bool Fading() const { return button->FadeTimer() != nullptr && button->FadeTimer()->Enabled(); }
    TInternalSkin skin;
    TForm form;
    QLineEdit* edit = nullptr;
    TRecordingButton* button = nullptr;
};

}  // namespace

TEST(Button, StateFollowsDownPushHoverFocusDefaultAndEnabled) {
    TButtonOnForm f;
    TsButton* b = f.button;
    ASSERT_TRUE(b->SkinData.IsSkinned());
    struct Row {
        bool Down, Pushed, Over, Focused, Default, Enabled;
        int State;
    };
    const Row rows[] = {
        {false, false, false, false, false, true, 0},
        {false, false, true, false, false, true, 1},
        {false, false, false, true, false, true, 1},
        {false, false, false, false, true, true, 1},
        {false, true, false, false, false, true, 2},  // pushed by the keyboard: no mouse button held
        {false, true, true, false, false, true, 2},
        {true, false, false, false, false, true, 2},
        {true, false, false, false, false, false, 2},
        {false, false, true, true, false, false, 0},  // a disabled control is never hot
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "down " << r.Down << " pushed " << r.Pushed << " over " << r.Over
                                        << " focused " << r.Focused << " default " << r.Default << " enabled "
                                        << r.Enabled);
        b->setEnabled(r.Enabled);
        b->SetDown(r.Down);
        b->setDown(r.Pushed);
        b->SkinData.MouseOver = r.Over;
        b->SkinData.Focused = r.Focused;
        b->SetDefault(r.Default);
        EXPECT_EQ(b->ButtonState(), r.State);
    }
}

TEST(Button, CaptionAndGlyphRectanglesFollowTheAlignment) {
    TsButton b;
    b.resize(100, 41);
    b.SetCaption(QString());  // measures 0 x 0: the rectangles are the layout alone
    auto images = std::make_shared<TButtonImageList>(16, 12);
    images->Add(QImage(16, 12, QImage::Format_ARGB32));
    b.SetImages(images);
    b.ImageIndex = 0;
    b.SetImageMargins({1, 2, 3, 4});
    struct Row {
        TImageAlignment Alignment;
        QRect Caption, Glyph;  // caption as (left, top, right, bottom)
    };
    const Row rows[] = {
        {TImageAlignment::iaLeft, QRect(QPoint(26, 20), QPoint(94, 21)), QRect(7, 14, 16, 12)},
        {TImageAlignment::iaRight, QRect(QPoint(6, 20), QPoint(74, 21)), QRect(75, 14, 16, 12)},
        // space below the glyph: 2 + 12 + 12 .. 35, centred
        {TImageAlignment::iaTop, QRect(QPoint(6, 30), QPoint(94, 31)), QRect(42, 8, 16, 12)},
        // space above: 2 .. 41 - 4 - 6 - 12 - 2 = 17
        {TImageAlignment::iaBottom, QRect(QPoint(6, 9), QPoint(94, 10)), QRect(42, 19, 16, 12)},
        {TImageAlignment::iaCenter, QRect(QPoint(50, 20), QPoint(52, 21)), QRect(42, 14, 16, 12)},
    };
    auto asLTRB = [](QRect r) { return QRect(QPoint(r.left(), r.top()), QPoint(r.x() + r.width(), r.y() + r.height())); };
    for (const Row& r : rows) {
        SCOPED_TRACE(static_cast<int>(r.Alignment));
        b.SetImageAlignment(r.Alignment);
        EXPECT_EQ(asLTRB(b.CaptionRect()), r.Caption);
        EXPECT_EQ(b.GlyphRect(), r.Glyph);
        b.SetDown(true);  // pressed: both move by (1, 1)
        EXPECT_EQ(asLTRB(b.CaptionRect()), r.Caption.translated(1, 1));
        EXPECT_EQ(b.GlyphRect(), r.Glyph.translated(1, 1));
        b.SetDown(false);
    }
    // No usable glyph: centred whatever the alignment; a command link puts the caption beside its 32 x 32 glyph.
    b.ImageIndex = 1;
    b.SetImageAlignment(TImageAlignment::iaLeft);
    EXPECT_EQ(asLTRB(b.CaptionRect()), QRect(QPoint(50, 20), QPoint(52, 21)));
    EXPECT_TRUE(b.GlyphRect().isEmpty());
    b.SetStyle(TButtonStyle::bsCommandLink);
    EXPECT_EQ(b.CaptionRect().left(), 16 + 4 + 6 + 6);
    EXPECT_EQ(b.CaptionRect().top(), 6);

    // A real caption: measured width plus 2, centred.
    b.SetStyle(TButtonStyle::bsPushButton);
    b.SetCaption(QStringLiteral("Закрыть"));
    const QRect text = b.fontMetrics().boundingRect(QRect(0, 0, 100, 1 << 16), Qt::AlignCenter | Qt::TextWordWrap,
                                                    QStringLiteral("Закрыть"));
    EXPECT_EQ(b.CaptionRect().width(), text.width() + 2);
    EXPECT_EQ(b.CaptionRect().left(), (100 - text.width()) / 2);
}

TEST(Button, WindowShapeLeavesOutTheKeyCornersAndAShrinkRepaintsTheOldCorners) {
    TButtonOnForm f;
    const QRegion shape = f.button->mask();
    ASSERT_FALSE(shape.isEmpty());
    for (QPoint corner : {QPoint(0, 0), QPoint(288, 0), QPoint(0, 24), QPoint(288, 24)})
        EXPECT_FALSE(shape.contains(corner)) << corner.x() << "," << corner.y();
    for (QPoint inside : {QPoint(3, 3), QPoint(144, 0), QPoint(0, 12), QPoint(285, 21)})
        EXPECT_TRUE(shape.contains(inside)) << inside.x() << "," << inside.y();
    // The frame's rounded corner lies over the face, not over the parent.
    const Bitmap32& cache = *f.button->SkinData.CacheBitmap;
    EXPECT_NE(cache.At(3, 3), ColorToPixel(ControlColorOf(f.form.Client())));

    struct ParentPaints : QObject {
        QRegion Painted;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint) Painted += static_cast<QPaintEvent*>(event)->region();
            return false;
        }
    } paints;
    f.form.Client()->installEventFilter(&paints);
    f.button->resize(100, 25);
    f.button->repaint();
    QCoreApplication::processEvents();
    for (QRect old : {QRect(8 + 289 - 6, 143, 6, 6), QRect(8 + 289 - 6, 143 + 25 - 6, 6, 6), QRect(8, 143 + 25 - 6, 6, 6)})
        EXPECT_TRUE(paints.Painted.contains(old)) << old.x() << "," << old.y();
    EXPECT_FALSE(f.button->mask().contains(QPoint(99, 0)));
}

TEST(Button, AnimatEventsChooseWhichTransitionsFade) {
    struct Row {
        TButtonAnimEvents Events;
        unsigned ManagerEvents;
        bool EnterFades, LeaveFades;
    };
    const Row rows[] = {
        {aeGlobalDef, beMouseEnter | beMouseLeave | beMouseDown | beMouseUp, true, true},
        {aeGlobalDef, beMouseLeave, false, true},
        {0, beMouseEnter | beMouseLeave, false, false},
        {aeMouseEnter, 0, true, false},
        {aeMouseEnter, beMouseLeave, true, false},
    };
    TButtonOnForm f;
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "events " << r.Events << " manager " << r.ManagerEvents);
        f.button->AnimatEvents = r.Events;
        f.skin.Manager.AnimEffects.Buttons.Events = r.ManagerEvents;
        f.button->repaint();
        f.Enter();
        EXPECT_EQ(f.Fading(), r.EnterFades);
        SendNimbrelCommand(f.button, MakeNimbrelParam(AC_STOPFADING));
        f.button->repaint();
        f.Leave();
        EXPECT_EQ(f.Fading(), r.LeaveFades);
        SendNimbrelCommand(f.button, MakeNimbrelParam(AC_STOPFADING));
    }
}

TEST(Button, AQuickReleaseShowsThePressedFaceFirst) {
    TButtonOnForm f;
    // Already focused: taking the focus would change the look before the press.
    f.button->setFocus();
    f.Enter();
    SendNimbrelCommand(f.button, MakeNimbrelParam(AC_STOPFADING));
    f.button->repaint();
    QTest::mousePress(f.button, Qt::LeftButton, {}, QPoint(20, 10));
    ASSERT_TRUE(f.Fading());  // the press fade: 10 steps of 10 ms
    f.button->PaintedStates.clear();
    QElapsedTimer held;
    held.start();
    QTest::mouseRelease(f.button, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_GE(held.elapsed(), 30);
    ASSERT_FALSE(f.button->PaintedStates.empty());
    EXPECT_EQ(f.button->PaintedStates.front(), 2);
    EXPECT_EQ(f.button->ButtonState(), 1);  // released under the mouse: hot again
}

TEST(Button, DownShowsThePressedFaceAndDisabledBlendsTheNormalOne) {
    TButtonOnForm f;
    const Bitmap32 normal = *f.button->SkinData.CacheBitmap;
    f.button->SetDown(true);
    f.button->repaint();
    EXPECT_EQ(f.button->PaintedStates.back(), 2);
    EXPECT_NE(f.button->SkinData.CacheBitmap->At(3, 12), normal.At(3, 12));
    f.button->SetDown(false);
    f.button->setEnabled(false);
    f.button->repaint();
    // A window without a background picture: the normal face halfway to the parent's colour,
    // away from the caption.
    BackgroundInfo bg;
    f.button->SkinData.ParentBackgroundFor(bg);
    ASSERT_FALSE(HasParentBitmap(bg));
    const uint32_t parent = ColorToPixel(bg.FillColor);
    const uint32_t disabled = f.button->SkinData.CacheBitmap->At(3, 12), face = normal.At(3, 12);
    EXPECT_NE(disabled, face);
    for (int shift : {0, 8, 16}) {
        const int expected = (static_cast<int>((face >> shift) & 0xFF) + static_cast<int>((parent >> shift) & 0xFF)) / 2;
        EXPECT_NEAR(static_cast<int>((disabled >> shift) & 0xFF), expected, 1) << shift;
    }
}

TEST(Button, TheFocusFrameNeedsACaptionAndTheSectionsConsent) {
    TButtonOnForm f;
    SkinModel& model = f.skin.Manager.CommonSkinData();
    const int section = f.button->SkinData.SectionIndex;
    ASSERT_GE(section, 0);
    f.button->SkinData.Focused = true;
    const uint32_t black = MakePixel(0, 0, 0);
    auto dotAt = [&] {
        const QRect frame = f.button->CaptionRect().adjusted(-1, -1, 1, 1);
        f.button->repaint();
        return f.button->SkinData.CacheBitmap->At(frame.left() + 2, frame.top()) == black &&
               f.button->SkinData.CacheBitmap->At(frame.left(), frame.top() + 2) == black;
    };
    EXPECT_FALSE(dotAt());  // the internal skin asks for no focus frame
    model.Sections[static_cast<size_t>(section)].ShowFocus = true;
    EXPECT_TRUE(dotAt());
    f.button->SetShowFocus(false);
    EXPECT_FALSE(dotAt());
    f.button->SetShowFocus(true);
    f.button->SetCaption(QString());
    EXPECT_FALSE(dotAt());
    model.Sections[static_cast<size_t>(section)].ShowFocus = false;
}

TEST(Button, SkinCommandsItAnswersItself) {
    TButtonOnForm f;
    ASSERT_FALSE(f.button->mask().isEmpty());
    EXPECT_EQ(SendNimbrelCommand(f.button, MakeNimbrelParam(AC_CTRLHANDLED)), 1);
    SendSkinCommand(f.button, MakeNimbrelParam(AC_REMOVESKIN), &f.skin.Manager);
    EXPECT_TRUE(f.button->mask().isEmpty());
    // Another manager's refresh is not the button's business.
    TsSkinManager other;
    SendSkinCommand(f.button, MakeNimbrelParam(AC_REFRESH), &other);
    EXPECT_TRUE(f.button->SkinData.PaintingSuspended);
    SendSkinCommand(f.button, MakeNimbrelParam(AC_SETNEWSKIN), &f.skin.Manager);
    SendSkinCommand(f.button, MakeNimbrelParam(AC_REFRESH), &f.skin.Manager);
    f.button->repaint();
    EXPECT_FALSE(f.button->mask().isEmpty());
}

TEST(Button, UnskinnedItIsThePlatformsButtonWithTheDottedFocusFrame) {
    TForm form;
    form.SetClientSize(200, 60);
    auto* button = new TsButton(form.Client());
    button->setGeometry(10, 10, 120, 25);
    button->SetCaption(QStringLiteral("Закрыть"));
    FormLoaded(form.Client());
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    ASSERT_FALSE(button->SkinData.IsSkinned());
    button->setFocus();
    QApplication::processEvents();
    const QImage focused = button->grab().toImage();
    if (qEnvironmentVariableIsSet("QUADRIMO_BUTTON_GRAB")) focused.save(qEnvironmentVariable("QUADRIMO_BUTTON_GRAB"));
    const QRect frame = button->CaptionRect().adjusted(-1, -1, 1, 1);
    EXPECT_EQ(focused.pixelColor(frame.left() + 2, frame.top()), QColor(Qt::black));
    EXPECT_EQ(focused.pixelColor(frame.right(), frame.top() + 2), QColor(Qt::black));
    EXPECT_TRUE(button->mask().isEmpty());
    button->SetCaption(QString());
    const QRect empty = button->CaptionRect().adjusted(-1, -1, 1, 1);
    EXPECT_NE(button->grab().toImage().pixelColor(empty.left() + 2, empty.top()), QColor(Qt::black));
}

TEST(Button, GlowsWhileHoveredButNotWhileHeld) {
    SetLayeredWindowsOverride(true);
    {
        TButtonOnForm f;
        const int& glow = f.button->SkinData.GlowHandle;
        EXPECT_LT(glow, 0);
        f.Enter();
        EXPECT_GE(glow, 0);
        QTest::mousePress(f.button, Qt::LeftButton, {}, QPoint(20, 10));
        EXPECT_LT(glow, 0);
        QTest::mouseRelease(f.button, Qt::LeftButton, {}, QPoint(20, 10));
        EXPECT_GE(glow, 0);
        f.Leave();
        EXPECT_LT(glow, 0);
    }
    SetLayeredWindowsOverride(std::nullopt);
}
