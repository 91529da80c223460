// The open dialog's settings as a Qt file dialog.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>

#include "platform/Dialogs.h"

TEST(Dialogs, FilterPairsBecomeNameFilters) {
    EXPECT_EQ(NameFiltersFromFilter(QStringLiteral("Картинка фона (.gif)|*.gif")),
              QStringList{QStringLiteral("Картинка фона (.gif) (*.gif)")});
    EXPECT_EQ(NameFiltersFromFilter(QStringLiteral("Pictures|*.jpg;*.png|All files (*.*)|*.*")),
              (QStringList{QStringLiteral("Pictures (*.jpg *.png)"), QStringLiteral("All files (*.*) (*.*)")}));
    // A description without its pattern is dropped.
    EXPECT_TRUE(NameFiltersFromFilter(QStringLiteral("Lonely")).isEmpty());
}

TEST(Dialogs, OpenDialogTakesExtensionFilterAndExistenceRule) {
    QFileDialog dialog;
    TOpenDialogSettings settings;
    settings.Filter = QStringLiteral("Изображения карты (.jpg)|*.jpg");
    settings.DefaultExt = QStringLiteral("jpg");
    settings.Options = ofFileMustExist | ofEnableSizing;
    ConfigureOpenDialog(dialog, settings);
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("jpg"));
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(dialog.selectedNameFilter(), QStringLiteral("Изображения карты (.jpg)"));  // the patterns hidden

    QFileDialog loose;
    settings.Options = ofAllowMultiSelect;
    ConfigureOpenDialog(loose, settings);
    EXPECT_EQ(loose.fileMode(), QFileDialog::ExistingFiles);
}

TEST(Dialogs, OpenDialogListsDescriptionsAloneAndCompletesTypedNames) {
    const QString folder = QDir::temp().filePath(QStringLiteral("quadrimo-dialogs-%1").arg(QCoreApplication::applicationPid()));
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const char* name : {"back.gif", "city.jpg"}) QFile(folder + "/" + name).open(QIODevice::WriteOnly);
    struct Case {
        QString Filter, DefaultExt, Shown, Typed, Chosen;
    };
    const Case cases[] = {
        {QStringLiteral("Картинка фона (.gif)|*.gif"), "gif", QStringLiteral("Картинка фона (.gif)"), "back", "back.gif"},
        {QStringLiteral("Изображения карты (.jpg)|*.jpg"), "jpg", QStringLiteral("Изображения карты (.jpg)"), "city", "city.jpg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.DefaultExt.toStdString());
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        TOpenDialogSettings settings;
        settings.Filter = c.Filter;
        settings.DefaultExt = c.DefaultExt;
        settings.Options = ofFileMustExist | ofEnableSizing;
        settings.InitialDir = folder;
        ConfigureOpenDialog(dialog, settings);
        dialog.setOption(QFileDialog::DontUseNativeDialog);  // its widgets are read below
        auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(types, nullptr);
        EXPECT_EQ(types->currentText(), c.Shown);
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(c.Typed);
        QMetaObject::invokeMethod(&dialog, "accept");
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.selectedFiles(), QStringList{folder + "/" + c.Chosen});
    }
    QDir(folder).removeRecursively();
}
