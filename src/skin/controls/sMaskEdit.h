// TsMaskEdit: an edit whose text follows an edit mask, with a character case and a key filter.
#pragma once

#include <functional>

#include "sEdit.h"

enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

class TsMaskEdit : public TsEdit {
    Q_OBJECT
public:
    explicit TsMaskEdit(QWidget* parent = nullptr);

    /// "mask;save literals;blank character": A/a letter or digit (required/optional), L/l letter,
    /// C/c any character, 0/9 digit, > upper case, < lower case, \ a literal.
    QString EditMask() const { return EditMask_; }
    void SetEditMask(const QString& mask);
    TEditCharCase CharCase() const { return CharCase_; }
    void SetCharCase(TEditCharCase value);
    /// With a mask, the whole masked text with every empty place as the blank character.
    QString Text() const;
    void SetText(const QString& value);

    /// Fired on every change of the text, typed or set.
    std::function<void(QObject*)> OnChange;
    /// Sees every typed character first; setting it to 0 discards the key.
    std::function<void(QObject*, QChar& key)> OnKeyPress;

    /// The same mask in the notation of Qt's input masks.
    static QString QtInputMask(const QString& editMask);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString ApplyCase(const QString& text) const;
    QString EditMask_;
    TEditCharCase CharCase_ = TEditCharCase::ecNormal;
};
