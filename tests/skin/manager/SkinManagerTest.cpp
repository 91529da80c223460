// The skin manager's announcements: broadcast order, apply, remove, refresh and the active control.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "platform/Dialogs.h"
#include "platform/Forms.h"
#include "skin/manager/SkinCommands.h"
#include "skin/resources/InternalSkins.h"
#include "SkinTestFolders.h"
#include "skin/manager/sSkinManager.h"

namespace {
std::vector<std::string> Log;
std::vector<const TsSkinManager*> Senders;  // the manager each logged command came with

void Record(const QObject* who, const TNimbrelCommandEvent& command) {
    Log.push_back(who->objectName().toStdString() + ":" + std::to_string(command.Command()));
    Senders.push_back(command.Manager());
}

class RecordingForm : public TForm {
public:
    explicit RecordingForm(const char* name) { setObjectName(QString::fromLatin1(name)); }

protected:
    bool event(QEvent* event) override {
        if (TNimbrelCommandEvent* command = AsNimbrelCommand(event)) {
            if (command->Command() != AC_CTRLHANDLED) Record(this, *command);
            return true;  // answers 0 to "is skinned": the broadcast reaches it
        }
        return TForm::event(event);
    }
};

class RecordingControl : public QWidget {
public:
    RecordingControl(QWidget* parent, const char* name) : QWidget(parent) { setObjectName(QString::fromLatin1(name)); }

protected:
    bool event(QEvent* event) override {
        if (TNimbrelCommandEvent* command = AsNimbrelCommand(event)) {
            if (command->Command() == AC_CTRLHANDLED)
                command->Result = 1;
            else
                Record(this, *command);
            return true;
        }
        return QWidget::event(event);
    }
};

std::vector<std::string> Only(int command) {
    std::vector<std::string> result;
    for (const std::string& entry : Log)
        if (entry.ends_with(":" + std::to_string(command))) result.push_back(entry);
    return result;
}
}  // namespace

TEST(SkinManagerBroadcast, FormsLastFirstEachBeforeItsControlsInChildOrder) {
    RecordingForm first("first");
    new RecordingControl(first.Client(), "first.a");
    auto* panel = new QWidget(first.Client());  // a plain container is descended into
    new RecordingControl(panel, "first.panel.b");
    new RecordingControl(first.Client(), "first.c");
    RecordingForm second("second");
    new RecordingControl(second.Client(), "second.a");

    TsSkinManager manager;
    Log.clear();
    Senders.clear();
    manager.BroadcastCommand(MakeNimbrelParam(AC_REFRESH));
    EXPECT_EQ(Log, (std::vector<std::string>{"second:3", "second.a:3", "first:3", "first.a:3", "first.panel.b:3",
                                             "first.c:3"}));
    EXPECT_EQ(Senders, std::vector<const TsSkinManager*>(Log.size(), &manager));

    // The child filter may decline a container; controls answering "is skinned" are always reached.
    TsSkinManager::SetChildFilter([panel](QWidget* child) { return child != panel; });
    Log.clear();
    manager.BroadcastCommand(MakeNimbrelParam(AC_REFRESH));
    TsSkinManager::SetChildFilter(nullptr);
    EXPECT_EQ(Log, (std::vector<std::string>{"second:3", "second.a:3", "first:3", "first.a:3", "first.c:3"}));
}

TEST(SkinManagerBroadcast, ApplyRefreshRemoveAndHueChanges) {
    RecordingForm form("form");
    new RecordingControl(form.Client(), "ctl");
    Log.clear();
    TsSkinManager manager;
    manager.BeginLoading();
    manager.SetHueOffset(390);
    manager.SetInternalSkins({Glimmer()});
    manager.SetSkinName(QStringLiteral("Glimmer (internal)"));
    EXPECT_TRUE(Log.empty());  // nothing is announced while the form data is read
    manager.Loaded();
    EXPECT_EQ(Log, (std::vector<std::string>{"form:1", "ctl:1"}));
    EXPECT_TRUE(manager.CommonSkinData().SkinData.Active);
    EXPECT_TRUE(manager.IsDefault());
    for (const TsMaskData& mask : manager.CommonSkinData().Masks) ASSERT_EQ(mask.OwnerManager.Manager(), &manager);

    Log.clear();
    manager.SetHueOffset(390);
    EXPECT_TRUE(Log.empty());
    manager.SetHueOffset(30);
    EXPECT_EQ(Log, (std::vector<std::string>{"form:16", "ctl:16", "form:3", "ctl:3"}));

    Log.clear();
    manager.SetActive(false);
    EXPECT_EQ(Only(AC_REMOVESKIN), (std::vector<std::string>{"form:2", "ctl:2"}));
    EXPECT_EQ(manager.SkinInfo(), QStringLiteral("N/A"));
    Log.clear();
    manager.SetActive(true);
    EXPECT_EQ(Only(AC_SETNEWSKIN), (std::vector<std::string>{"form:1", "ctl:1"}));
    EXPECT_EQ(manager.SkinInfo(), QStringLiteral("6.4"));
}

TEST(SkinManagerBroadcast, ActiveControlHearsLeaveThenEnter) {
    QWidget parent;
    auto* a = new RecordingControl(&parent, "a");
    auto* b = new RecordingControl(&parent, "b");
    TsSkinManager manager;
    Log.clear();
    Senders.clear();
    manager.SetActiveControl(a);
    manager.SetActiveControl(a);
    manager.SetActiveControl(b);
    EXPECT_EQ(Log, (std::vector<std::string>{"a:29", "a:30", "b:29"}));
    EXPECT_EQ(Senders, std::vector<const TsSkinManager*>(3, &manager));
    EXPECT_EQ(manager.ActiveControl(), b);
}

TEST(SkinManager, DefaultsAndFixedValues) {
    TsSkinManager manager;
    EXPECT_EQ(manager.Version(), QStringLiteral("7.2"));
    manager.SetVersion(QStringLiteral("1.0"));
    EXPECT_EQ(manager.Version(), QStringLiteral("7.2"));
    EXPECT_TRUE(manager.Active());
    EXPECT_TRUE(manager.SkinnedPopups);
    EXPECT_FALSE(manager.ExtendedBorders());
    EXPECT_EQ(manager.SkinningRules(), srStdForms | srStdDialogs | srThirdParty);
    EXPECT_EQ(manager.AnimEffects.SkinChanging.Time, 100);
    EXPECT_EQ(manager.AnimEffects.SkinChanging.Mode, atFading);
    EXPECT_EQ(manager.AnimEffects.Minimizing.Time, 200);
    EXPECT_EQ(manager.AnimEffects.BlendOnMoving.BlendValue, 170);
    manager.BeginLoading();
    manager.Loaded();
    EXPECT_EQ(manager.SkinDirectory(), QStringLiteral("c:\\Skins"));
    EXPECT_EQ(manager.MenuSupport.IcoLineSkin, QStringLiteral("ICOLINE"));
    EXPECT_EQ(manager.ThirdLists()[1], QStringList{QStringLiteral("TButton")});
    EXPECT_EQ(manager.ThirdLists()[0], QStringList{QStringLiteral(" ")});
    EXPECT_STREQ(ThirdPartyList::PropertyNames()[17], "ThirdSpeedButton");
}

TEST(SkinManager, VersionSwitchShowsOnceInAnyCase) {
    QStringList shown;
    TsSkinManager::SetMessageHook([&](const QString& text) { shown << text; });
    EXPECT_FALSE(ShowVersionIfAsked({QStringLiteral("/other"), QStringLiteral("nbver")}));
    EXPECT_TRUE(ShowVersionIfAsked({QStringLiteral("x"), QStringLiteral("/NbVer")}));
    EXPECT_FALSE(ShowVersionIfAsked({QStringLiteral("/nbver")}));
    TsSkinManager::SetMessageHook(nullptr);
    EXPECT_EQ(shown, QStringList{QStringLiteral("Nimbrel v7.2")});
}

TEST(SkinManagerBroadcast, RepaintRequestToTheApplicationReachesEveryForm) {
    TsSkinManager manager;
    ASSERT_TRUE(manager.IsDefault());
    RecordingForm form("form");
    new RecordingControl(form.Client(), "ctl");
    Log.clear();
    QEvent request(TsSkinManager::kRepaintRequest);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &request);
    EXPECT_EQ(Log, std::vector<std::string>{"form:18"});
}

TEST(SkinManager, ActiveSkinWithStandardDialogRulesAsksForClassicDialogs) {
    TsSkinManager manager;
    manager.BeginLoading();
    manager.SetInternalSkins({Glimmer()});
    manager.SetSkinName(QStringLiteral("Glimmer (internal)"));
    manager.Loaded();
    EXPECT_FALSE(TsSkinManager::NewStyleDialogs());
    EXPECT_TRUE(ClassicDialogs());
    manager.SetSkinningRules(srStdForms);
    EXPECT_TRUE(TsSkinManager::NewStyleDialogs());
    EXPECT_FALSE(ClassicDialogs());
}
