// Adapters between the controls and the map preparation run.
#include "MapRunAdapters.h"

#include <QCoreApplication>

#include "skin/controls/sComboBoxes.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sProgressBar.h"
#include "platform/Shell.h"

std::string TControlMapInputs::MapImagePath() { return MapImage_.Text().toStdString(); }
std::string TControlMapInputs::OutputFolder() { return Folder_.Text().toStdString(); }
std::string TControlMapInputs::MapTitle() { return Title_.Text().toStdString(); }
TColor TControlMapInputs::BackgroundColor() { return Background_.Selected(); }
std::string TControlMapInputs::BlankImagePath() { return BlankImage_.Text().toStdString(); }

void TProgressBarMapProgress::SetPosition(int position) { Bar_.SetPosition(position); }
int TProgressBarMapProgress::Position() { return Bar_.Position(); }
void TProgressBarMapProgress::SetMax(int max) { Bar_.SetMax(max); }
int TProgressBarMapProgress::Max() { return Bar_.Max(); }

void TProgressBarMapProgress::ProcessMessages() {
    QCoreApplication::processEvents();
    if (StopRequested_ && StopRequested_()) throw EMapRunStopped();
}

void TProgressBarMapProgress::Beep() { MessageBeep(); }
