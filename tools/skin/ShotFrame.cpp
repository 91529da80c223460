// The caption buttons under the shot's pointer and the frame's geometry file part.
#include "ShotFrame.h"

#include <iostream>

#include <QCursor>
#include <QTest>
#include <QWindow>

#include "ShotSettle.h"
#include "skin/frames/TitleButtonAnimation.h"
#include "skin/frames/sSkinProvider.h"
#include "platform/Forms.h"
#include "platform/SysCommands.h"

namespace {

struct NamedButton {
    const char* Name;
    int Index;
};
constexpr NamedButton kButtons[] = {
    {"close", fbClose}, {"maximize", fbMaximize}, {"minimize", fbMinimize}, {"help", fbHelp}};

Json Rect(const TRect& r) {
    Json rect = Json::Array();
    for (int value : {r.Left, r.Top, r.Width(), r.Height()}) rect.Add(value);
    return rect;
}

}  // namespace

TsSkinProvider& ShotProvider(const ShotWindow& window) {
    TsSkinProvider* provider = TsSkinProvider::ProviderOf(window.Form);
    if (provider == nullptr || !provider->DrawsFrame())
        throw ShotError(kShotExitFailed, "shot: " + window.Title + " has no skinned frame (the skin lacks its section)");
    return *provider;
}

void ApplyFrameStates(const ShotWindow& window, const ShotRequest& request) {
    const std::string& name = request.PressFrame.empty() ? request.HoverFrame : request.PressFrame;
    if (name.empty()) return;
    TsSkinProvider& provider = ShotProvider(window);
    const TFrameButton* button = nullptr;
    for (const NamedButton& named : kButtons)
        if (name == named.Name) button = &provider.Layout.Buttons[static_cast<size_t>(named.Index)];
    if (button == nullptr || !button->Visible)
        throw ShotError(kShotExitNoControl, "shot: " + window.Title + " has no " + name + " button");
    QWindow* handle = window.Form->windowHandle();
    const QPoint centre((button->Left + button->Right) / 2, (button->Top + button->Bottom) / 2);
    const int code = button->HitCode;
    // The platform sends the move when the pointer moves; where it does not, the move is sent.
    QCursor::setPos(handle->mapToGlobal(centre));
    if (!QTest::qWaitFor([&] { return provider.HotCode == code; }, kShotWaitMs / 4)) QTest::mouseMove(handle, centre);
    if (!QTest::qWaitFor([&] { return provider.HotCode == code; }, kShotWaitMs))
        std::cerr << "shot: the pointer did not reach the " << name << " button\n";
    if (!request.PressFrame.empty()) QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, centre);
    SettleWindow();
    // Where caption buttons blend to their new look, the picture shows the finished one.
    if (!QTest::qWaitFor([] { return TTitleButtonAnimation::Live() == 0; }, kShotWaitMs))
        std::cerr << "shot: the " << name << " button was still changing its look\n";
    SettleWindow();
}

Json ShotFrameJson(const ShotWindow& window) {
    TsSkinProvider* provider = TsSkinProvider::ProviderOf(window.Form);
    Json frame = Json::Object();
    const bool drawn = provider != nullptr && provider->DrawsFrame();
    frame.Set("drawn", drawn);
    if (!drawn) return frame;
    const TFrameLayout& layout = provider->Layout;
    frame.Set("B", layout.BorderWidth);
    frame.Set("C", layout.CaptionHeight);
    frame.Set("icon", layout.IconShown ? Rect(layout.Icon) : Json());
    frame.Set("buttonGroupWidth", layout.ButtonGroupWidth);
    const SkinModel* model = provider->SkinData().Model();
    Json buttons = Json::Array();
    for (const NamedButton& named : kButtons) {
        const TFrameButton& button = layout.Buttons[static_cast<size_t>(named.Index)];
        if (!button.Visible) continue;
        Json b = Json::Object();
        b.Set("name", named.Name);
        b.Set("x", button.Left);
        b.Set("y", button.Top);
        b.Set("width", button.Right - button.Left);
        b.Set("height", button.Bottom - button.Top);
        b.Set("hitCode", button.HitCode);
        const TsMaskData* picture = model != nullptr ? model->MaskAt(button.ImageIndex) : nullptr;
        b.Set("picture", picture != nullptr ? Json(picture->KeyName) : Json());
        b.Set("state", button.State);
        b.Set("enabled", button.Enabled);
        buttons.Add(b);
    }
    frame.Set("buttons", buttons);
    Json caption = Json::Object();
    caption.Set("text", window.Form->windowTitle().toStdString());
    caption.Set("before", Rect(provider->CaptionPlacement.Before));
    caption.Set("after", Rect(provider->CaptionPlacement.After));
    frame.Set("caption", caption);
    return frame;
}
