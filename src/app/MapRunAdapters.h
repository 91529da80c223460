// The map preparation run's view of the main window: its five inputs and its progress bar.
#pragma once

#include <functional>

#include "map/tiles/MapPreparation.h"

class TsEdit;
class TsColorBox;
class TsProgressBar;

/// The inputs read from the controls at the moments the run asks for them.
class TControlMapInputs : public MapInputs {
public:
    TControlMapInputs(TsEdit& title, TsColorBox& background, TsEdit& blankImage, TsEdit& mapImage, TsEdit& folder)
        : Title_(title), Background_(background), BlankImage_(blankImage), MapImage_(mapImage), Folder_(folder) {}

    std::string MapImagePath() override;
    std::string OutputFolder() override;
    std::string MapTitle() override;
    TColor BackgroundColor() override;
    std::string BlankImagePath() override;

private:
    TsEdit& Title_;
    TsColorBox& Background_;
    TsEdit& BlankImage_;
    TsEdit& MapImage_;
    TsEdit& Folder_;
};

/// Raised from ProcessMessages once a stop was asked for while the window's events were pumped;
/// the engine has no cancel hook, so the run unwinds from the point before its next tile.
class EMapRunStopped {};

/// The progress bar, the event pump and the beep.
class TProgressBarMapProgress : public MapProgress {
public:
    TProgressBarMapProgress(TsProgressBar& bar, std::function<bool()> stopRequested)
        : Bar_(bar), StopRequested_(std::move(stopRequested)) {}

    void SetPosition(int position) override;
    int Position() override;
    void SetMax(int max) override;
    int Max() override;
    void ProcessMessages() override;
    void Beep() override;

private:
    TsProgressBar& Bar_;
    std::function<bool()> StopRequested_;
};
