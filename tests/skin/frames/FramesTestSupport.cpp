// The frames tests' forms and helpers; the frames registered once; their process state as a leftover.
#include "FramesTestSupport.h"

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>

#include "skin/frames/FormHook.h"
#include "skin/frames/SkinnedFrame.h"
#include "platform/TestIsolation.h"
#include "platform/UpwardHooks.h"

TFrameTestForm::TFrameTestForm(bool about) {
    setObjectName(about ? QStringLiteral("AboutLike") : QStringLiteral("MainLike"));
    SetCaption(about ? QStringLiteral("About") : QStringLiteral("Main"));
    SetBorderStyle(about ? TFormBorderStyle::bsDialog : TFormBorderStyle::bsSingle);
    SetBorderIcons(about ? biSystemMenu : biSystemMenu | biMinimize);
    if (about)
        SetClientSize(428, 334);
    else
        SetClientSize(393, 195);
}

void ShowActive(TForm& form) {
    form.show();
    form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_TRUE(QTest::qWaitFor([&form] { return form.isActiveWindow(); }, 2000));
}

void SendMouse(QWidget* window, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    Qt::MouseButtons buttons = held;
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) buttons |= button;
    if (type == QEvent::MouseButtonRelease) buttons &= ~Qt::MouseButtons(button);
    if (type == QEvent::MouseMove) button = Qt::NoButton;
    QMouseEvent event(type, QPointF(at), QPointF(window->mapToGlobal(at)), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &event);
}

namespace {

std::vector<std::string> LeftFramesState() {
    std::vector<std::string> left;
    if (!HookedWrappers().empty()) left.push_back("hooked wrappers");
    if (TSkinnedFrame::PressArmed) left.push_back("an armed caption button");
    TSkinnedFrame::PressArmed = false;
    return left;
}

const bool kFramesRegistered = [] {
    InstallHooks(FormHookHandlers());
    AddLeftoverCheck(LeftFramesState);
    return true;
}();

}  // namespace
