// Every control of the two windows: its binding's section in the internal skin, and the manager's commands.
#include <gtest/gtest.h>

#include "app/AboutUnit.h"
#include "app/Unit2.h"
#include "skin/binding/sCommonData.h"
#include "skin/controls/sBevel.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sComboBoxes.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sLabel.h"
#include "skin/controls/sProgressBar.h"
#include "skin/controls/sTooledit.h"
#include "skin/manager/sSkinManager.h"

TEST(WindowBindings, EveryControlResolvesItsSectionFromTheInternalSkinAndFollowsTheManager) {
    TForm2 main;
    TAboutForm about;
    TsSkinManager* manager = main.sSkinManager1;
    struct Row {
        QWidget* Control;
        const char* Section;  // empty: a label, whose section is optional
    };
    const std::vector<Row> rows = {
        {main.mapTitleEdit, "EDIT"}, {main.bgColor, "COMBOBOX"},  {main.blankimgEdit, "EDIT"},
        {main.imgEdit, "EDIT"},      {main.pathEdit, "EDIT"},     {main.sButton1, "BUTTON"},
        {main.sButton2, "BUTTON"},   {main.Progress, "GAUGE"},    {main.sLabel1, ""},
        {main.sLabel2, ""},          {main.sLabel3, ""},          {main.sLabel4, ""},
        {main.sLabel5, ""},          {about.sLabel1, ""},         {about.sLabel2, ""},
        {about.sLabel3, ""},         {about.sLabel4, ""},         {about.sLabel5, ""},
        {about.sWebLabel1, ""},      {about.sWebLabel2, ""},      {about.sBevel1, "PANEL_LOW"},
        {about.sButton1, "BUTTON"},
    };
    auto check = [&](bool skinned) {
        const SkinModel& model = manager->CommonSkinData();
        for (const Row& row : rows) {
            SCOPED_TRACE(row.Control->objectName().toStdString());
            const TsCommonData* data = SkinDataOf(row.Control);
            ASSERT_NE(data, nullptr);
            EXPECT_EQ(data->EffectiveManager(), manager);
            EXPECT_EQ(data->SkinSection().toStdString(), row.Section);
            const int expected = skinned && *row.Section ? model.SectionIndexOf(row.Section) : -1;
            if (skinned && *row.Section) {
                EXPECT_GE(expected, 0);
            }
            EXPECT_EQ(data->SectionIndex, expected);
            EXPECT_EQ(data->PaintingSuspended, !skinned);
        }
    };
    check(true);
    manager->SetActive(false);
    check(false);
    EXPECT_EQ(main.mapTitleEdit->Color(), clWindow);  // the edit's plain colours are back
    manager->SetActive(true);
    check(true);
    EXPECT_EQ(main.mapTitleEdit->Color(), main.mapTitleEdit->SkinData.Section()->Props[0].Color);
}
