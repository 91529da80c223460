// TAboutForm: the about window with the program's name, version, links and description.
#pragma once

#include "platform/Forms.h"

class TsLabel;
class TsWebLabel;
class TsBevel;
class TsButton;

class TAboutForm : public TForm {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent = nullptr);

    TsLabel* sLabel1;
    TsLabel* sLabel2;
    TsLabel* sLabel4;
    TsWebLabel* sWebLabel1;
    TsLabel* sLabel5;
    TsWebLabel* sWebLabel2;
    TsBevel* sBevel1;
    TsLabel* sLabel3;
    TsButton* sButton1;

    /// The description: four paragraphs, each opening with two blanks, an empty line after the first.
    static QString DescriptionText();
};
