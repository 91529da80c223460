// The about window: texts, frame, placement between showings, the close button and the links.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "app/AboutUnit.h"
#include "platform/GuiTestSupport.h"
#include "app/Unit2.h"
#include "app/WebAddresses.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sLabel.h"
#include "platform/Shell.h"

TEST(AboutWindow, TextsFrameAndSettings) {
    TAboutForm about;
    EXPECT_EQ(about.Caption().at(0), QLatin1Char('O'));  // the Latin capital O
    EXPECT_EQ(about.Caption(), QStringLiteral("O программе Quadrimo"));
    EXPECT_EQ(about.minimumSize(), QSize(428, 334));
    EXPECT_EQ(about.maximumSize(), QSize(428, 334));
    EXPECT_FALSE(about.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(about.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(about.sLabel1->font().pixelSize(), 21);
    EXPECT_FALSE(about.sLabel2->isEnabled());
    EXPECT_EQ(about.sLabel2->Caption(), QStringLiteral("version 1.02"));  // the project's version, as the CLI's
    EXPECT_EQ(about.sWebLabel1->URL, QString::fromLatin1(kServiceAddress));
    EXPECT_EQ(about.sWebLabel2->URL, QString::fromLatin1(kDeveloperAddress));
    EXPECT_EQ(about.sButton1->Caption(), QStringLiteral("Закрыть"));
    EXPECT_EQ(about.sButton1->ModalResult, mrOk);
    EXPECT_EQ(about.sLabel3->geometry(), QRect(24, 64, 377, 225));
    EXPECT_TRUE(about.sLabel3->WordWrap());

    const QStringList lines = TAboutForm::DescriptionText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], QStringLiteral("  Программа предназначена для автоматизации процесса создания "
                                       "пользовательской интерактивной карты."));
    EXPECT_TRUE(lines[1].isEmpty());
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("  Что это значит на \"человеческом\" языке?")));
    for (int i : {3, 4}) {
        EXPECT_TRUE(lines[i].startsWith(QStringLiteral("  ")));
        EXPECT_NE(lines[i].at(2), QLatin1Char(' '));
    }
}

TEST(AboutWindow, ShownModallyByTheAboutButtonCentredFirstThenWhereItWasLeft) {
    TForm2 main;
    TAboutForm about;
    main.AboutForm = &about;
    int showings = 0;
    QPoint firstPlace;
    auto closeSoon = [&](bool moveIt) {
        QTimer::singleShot(20, &about, [&, moveIt] {
            ++showings;
            EXPECT_TRUE(about.isVisible());
            EXPECT_TRUE(about.Modal());
            if (moveIt) {
                firstPlace = about.pos();
                about.move(40, 50);
            } else {
                EXPECT_EQ(about.pos(), QPoint(40, 50));
            }
            about.sButton1->click();
        });
    };
    closeSoon(true);
    main.sButton2->click();
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.ModalResult(), mrOk);
    const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
    EXPECT_EQ(firstPlace, TForm::CenteredPosition(desktop, about.frameGeometry().size()));
    closeSoon(false);
    main.sButton2->click();
    EXPECT_EQ(showings, 2);
}

TEST(AboutWindow, WebLabelsOpenTheirAddresses) {
    static QStringList opened;
    opened.clear();
    SetShellOpenHandler([](const QString& address) {
        opened << address;
        return true;
    });
    TAboutForm about;
    about.show();
    QTest::mousePress(about.sWebLabel1, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mousePress(about.sWebLabel2, Qt::LeftButton, {}, QPoint(3, 3));
    SetShellOpenHandler(nullptr);
    EXPECT_EQ(opened, (QStringList{"https://veltrana.example/", "https://brovanti.example/"}));
}
