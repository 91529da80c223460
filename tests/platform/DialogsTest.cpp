// The open dialog's settings as a Qt file dialog.
#include <gtest/gtest.h>

#include <QFileDialog>

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
    EXPECT_EQ(dialog.selectedNameFilter(), QStringLiteral("Изображения карты (.jpg) (*.jpg)"));

    QFileDialog loose;
    settings.Options = ofAllowMultiSelect;
    ConfigureOpenDialog(loose, settings);
    EXPECT_EQ(loose.fileMode(), QFileDialog::ExistingFiles);
}
