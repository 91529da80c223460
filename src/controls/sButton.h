// TsButton: the push button.
#pragma once

#include <functional>

#include <QPushButton>

#include "binding/SkinnedControl.h"
#include "binding/sCommonData.h"
#include "platform/Forms.h"

class TsButton : public QPushButton, public TsSkinnedControl {
    Q_OBJECT
public:
    explicit TsButton(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString& caption) { setText(caption); }
    /// A non-zero result is handed to the form on the press, which ends its modal showing.
    TModalResult ModalResult = mrNone;
    std::function<void(QObject*)> OnClick;
    /// Keeps the pressed look whatever the mouse and the keyboard do.
    bool Down() const { return Down_; }
    void SetDown(bool value);

    TsCtrlSkinData SkinData;
    TsCommonData& SkinBinding() override { return SkinData; }
    bool KeepsCacheInvalid() const override { return true; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void initStyleOption(QStyleOptionButton* option) const override;

private:
    void Pressed();
    bool Down_ = false;
};
