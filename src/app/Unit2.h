// TForm2: the main window with the five inputs, the two buttons and the progress bar.
#pragma once

#include "platform/Forms.h"

class TsSkinManager;
class TsEdit;
class TsColorBox;
class TsFilenameEdit;
class TsDirectoryEdit;
class TsButton;
class TsProgressBar;
class TsLabel;
class TAboutForm;

class TForm2 : public TForm {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

    TsSkinManager* sSkinManager1;
    TsEdit* mapTitleEdit;
    TsColorBox* bgColor;
    TsFilenameEdit* blankimgEdit;
    TsFilenameEdit* imgEdit;
    TsDirectoryEdit* pathEdit;
    TsButton* sButton1;
    TsButton* sButton2;
    TsProgressBar* Progress;
    TsLabel* sLabel3;
    TsLabel* sLabel5;
    TsLabel* sLabel4;
    TsLabel* sLabel1;
    TsLabel* sLabel2;

    /// The about window the about button shows (created at start-up, owned by the application).
    TAboutForm* AboutForm = nullptr;

    /// Runs the map preparation with the five inputs. A press during a run is ignored.
    void sButton1Click(QObject* sender);
    /// Shows the about window modally.
    void sButton2Click(QObject* sender);

    bool Running() const { return Running_; }
    /// Closing during a run stops it before its next tile; the files written so far stay.
    bool CloseQuery() override;

private:
    void CreateSkinManager();
    bool Running_ = false;
    bool StopRequested_ = false;
};
