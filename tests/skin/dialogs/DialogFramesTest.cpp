// The folder and colour dialogs carry their own providers: the skin's dialog look, no icon, caption
// centred, the folder dialog's grip and minimum, the colour dialog's snapping.
#include <gtest/gtest.h>

#include "skin/controls/sButton.h"
#include "skin/dialogs/ColorDialogForm.h"
#include "skin/dialogs/PathDialogForm.h"
#include "skin/effects/EffectsTestSupport.h"
#include "skin/frames/sSkinProvider.h"

TEST(DialogFrames, BothDialogsFrameThemselvesWithTheDialogLook) {
    const auto manager = MakeGlimmerManager();
    TPathDialogForm folder;
    TsColorDialogForm colour;
    const struct {
        TForm* Form;
        TsSkinProvider* Placed;
        QSize Size;
        bool Grip;
        bool Snap;
    } cases[] = {
        {&folder, folder.sSkinProvider1, QSize(345, 411), true, false},
        {&colour, colour.sSkinProvider1, QSize(538, 413), false, true},
    };
    for (const auto& c : cases) {
        const char* name = c.Form->metaObject()->className();
        TsSkinProvider* provider = TsSkinProvider::ProviderOf(c.Form);
        ASSERT_EQ(provider, c.Placed) << name;
        EXPECT_FALSE(provider->RunTimeCreated) << name;
        EXPECT_TRUE(provider->DrawsFrame()) << name;
        EXPECT_EQ(provider->SkinSection(), QStringLiteral("DIALOG")) << name;
        EXPECT_EQ(provider->SkinData().Section(),
                  &manager->CommonSkinData().Sections[static_cast<size_t>(manager->CommonSkinData().SectionIndexOf("DIALOG"))])
            << name;
        EXPECT_FALSE(provider->Layout.IconShown) << name;
        EXPECT_EQ(provider->Layout.Info().GripShown, c.Grip) << name;
        EXPECT_EQ(provider->GripCorner().X >= 0, c.Grip) << name;
        EXPECT_EQ(provider->ScreenSnap, c.Snap) << name;
        EXPECT_EQ(c.Form->size(), c.Size) << name;  // the client keeps its size inside the drawn frame
        // A short caption moves right of where the rectangle begins: centred.
        provider->PaintWindowImage(true);
        EXPECT_GT(provider->CaptionPlacement.After.Left, provider->CaptionPlacement.Before.Left + 50) << name;
    }
    // The outer minimum is the client's minimum and the frame around it.
    EXPECT_EQ(folder.minimumSize(), QSize(267 + 8, 220 + 30));
    // Without the skin the platform's frame comes back around the same client and minimum.
    manager->SetActive(false);
    EXPECT_FALSE(folder.DrawnFrame().has_value());
    EXPECT_EQ(folder.size(), QSize(337, 381));
    EXPECT_EQ(folder.minimumSize(), QSize(267, 220));
}

TEST(DialogFrames, ButtonsDrawNoFocusAndTheFormsAreButtonFaceWithoutTheSkin) {
    const auto manager = MakeGlimmerManager();
    TPathDialogForm folder;
    TsColorDialogForm colour;
    for (TsButton* button : {folder.sBitBtn1, folder.sBitBtn2, folder.sBitBtn3, colour.sBitBtn1, colour.sBitBtn2,
                             colour.sBitBtn3, colour.sBitBtn4, colour.sBitBtn5})
        EXPECT_FALSE(button->ShowFocus()) << button->objectName().toStdString();
    const TColor global = manager->CommonSkinData().GlobalBackColor();
    ASSERT_NE(global, clBtnFace);
    for (const bool active : {true, false, true}) {
        manager->SetActive(active);
        for (const TForm* form : {static_cast<TForm*>(&folder), static_cast<TForm*>(&colour)})
            EXPECT_EQ(form->Color(), active ? global : clBtnFace) << form->metaObject()->className() << " " << active;
    }
}
