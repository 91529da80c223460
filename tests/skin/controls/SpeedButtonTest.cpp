// The speed button: where its glyph and caption go, and a skinned face that changes with its state.
#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QTest>

#include "platform/Forms.h"
#include "skin/binding/sCommonData.h"
#include "skin/controls/sSpeedButton.h"
#include "skin/effects/sFade.h"
#include "skin/manager/GlimmerManager.h"

TEST(SpeedButton, GlyphCentredAloneOrAboveItsCaption) {
    TsSpeedButton button;
    button.resize(101, 70);
    QImage glyph(32, 32, QImage::Format_ARGB32);
    glyph.fill(Qt::black);
    button.SetGlyph(glyph);
    button.setText(QStringLiteral("Desktop"));
    EXPECT_EQ(button.GlyphRect(glyph.size()), QRect(34, 19, 32, 32));  // no caption shown: centred
    button.SetShowCaption(true);
    EXPECT_EQ(button.GlyphRect(glyph.size()), QRect(34, 4, 32, 32));
    EXPECT_EQ(button.CaptionRect(glyph.size()), QRect(2, 36, 97, 34));
    button.setText({});
    EXPECT_EQ(button.GlyphRect(glyph.size()).top(), 19);  // nothing to show under it
}

TEST(SpeedButton, SkinnedFaceFollowsHoverAndSection) {
    const auto manager = MakeGlimmerManager();
    TForm form;
    form.SetClientSize(200, 100);
    auto* button = new TsSpeedButton(form.Client(), QStringLiteral("TOOLBUTTON"));
    button->AnimatEvents = 0;  // the look changes at once
    button->setGeometry(10, 10, 101, 70);
    FormLoaded(&form);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    ASSERT_TRUE(button->SkinData.IsSkinned());
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
    const QImage normal = button->grab().toImage();
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(15, 15));
    QCoreApplication::sendEvent(button, &enter);
    EXPECT_EQ(button->ButtonState(), 1);
    const QImage hot = button->grab().toImage();
    EXPECT_NE(normal.pixel(50, 35), hot.pixel(50, 35));  // the hot face is painted
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(button, &leave);
    EXPECT_EQ(button->ButtonState(), 0);
    EXPECT_EQ(button->grab().toImage().pixel(50, 35), normal.pixel(50, 35));
}
