// The bound label: creation, placement by layout, and following its control.
#include <gtest/gtest.h>

#include <QLabel>

#include "BindingTestSupport.h"
#include "skin/binding/sBoundLabel.h"

namespace {
class TTestLabel : public QLabel, public TsBoundLabelControl {
public:
    explicit TTestLabel(QWidget* parent) : QLabel(parent) { resize(60, 13); }
    QLabel* Label() override { return this; }
    bool AutoSize() const override { return AutoSize_; }
    void SetAutoSize(bool value) override { AutoSize_ = value; }
    bool UseSkinColor() const override { return UseSkinColor_; }
    void SetUseSkinColor(bool value) override { UseSkinColor_ = value; }

private:
    bool AutoSize_ = false;  // keeps the 60 x 13 caption of the examples
    bool UseSkinColor_ = true;
};

struct Edit {
    Edit() : Control(&Form, 3, QStringLiteral("EDIT")), Bound(Control.SkinData, Make) {
        Form.resize(500, 200);
        Control.setObjectName(QStringLiteral("mapTitleEdit"));
        Control.setGeometry(129, 50, 257, 21);
    }
    static TsBoundLabelControl* Make(QWidget* parent) { return new TTestLabel(parent); }
    QWidget Form;
    TTestControl Control;
    TsBoundLabel Bound;
};
}  // namespace

TEST(BoundLabel, PlacementByLayoutAndIndent) {
    struct Case {
        TsCaptionLayout Layout;
        int Indent;
        QPoint Place;
        Qt::Alignment Alignment;
    };
    const Case cases[] = {
        {sclLeft, 0, {65, 54}, Qt::AlignRight},  // 4 pixels lower than the edit's top
        {sclLeft, 3, {62, 54}, Qt::AlignRight},
        {sclTopLeft, 0, {129, 37}, Qt::AlignLeft},
        {sclTopCenter, 0, {227, 37}, Qt::AlignHCenter},
        {sclTopRight, 2, {326, 35}, Qt::AlignRight},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Layout);
        Edit edit;
        edit.Bound.SetIndent(c.Indent);
        edit.Bound.SetLayout(c.Layout);
        edit.Bound.SetActive(true);
        QLabel* label = edit.Bound.TheLabel();
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->pos(), c.Place);
        EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, c.Alignment);
    }
}

TEST(BoundLabel, CreatedBesideTheControlAndFollowingIt) {
    Edit edit;
    EXPECT_TRUE(edit.Bound.UseSkinColor());  // no label yet
    edit.Bound.SetActive(true);
    QLabel* label = edit.Bound.TheLabel();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->parentWidget(), &edit.Form);
    EXPECT_EQ(label->objectName(), QStringLiteral("mapTitleEditLabel"));
    EXPECT_EQ(label->text(), QStringLiteral("mapTitleEdit"));  // no caption: the control's name
    EXPECT_EQ(label->buddy(), &edit.Control);
    EXPECT_FALSE(label->isHidden());
    edit.Bound.SetCaption(QStringLiteral("Title"));
    EXPECT_EQ(label->text(), QStringLiteral("Title"));

    edit.Form.show();
    edit.Control.move(200, 100);
    EXPECT_EQ(label->pos(), QPoint(136, 104));
    edit.Control.setEnabled(false);
    EXPECT_FALSE(label->isEnabled());  // the control's disabled look blends
    edit.Control.setEnabled(true);
    EXPECT_TRUE(label->isEnabled());
    edit.Control.hide();
    EXPECT_TRUE(label->isHidden());
    edit.Control.show();
    EXPECT_FALSE(label->isHidden());

    // A maximum width wraps the caption and makes the label at least as high as the control.
    edit.Bound.SetMaxWidth(40);
    EXPECT_EQ(label->width(), 40);
    EXPECT_EQ(label->height(), 21);
    EXPECT_TRUE(label->wordWrap());

    edit.Bound.SetActive(false);
    EXPECT_EQ(edit.Bound.TheLabel(), nullptr);
    EXPECT_TRUE(edit.Form.findChildren<QLabel*>().isEmpty());
}

TEST(BoundLabel, ALabelDestroyedElsewhereIsForgotten) {
    Edit edit;
    edit.Bound.SetActive(true);
    delete edit.Bound.TheLabel();
    EXPECT_FALSE(edit.Bound.Active());
    EXPECT_TRUE(edit.Bound.UseSkinColor());
    edit.Bound.SetCaption(QStringLiteral("still fine"));
    edit.Bound.SetActive(true);
    EXPECT_NE(edit.Bound.TheLabel(), nullptr);
}
