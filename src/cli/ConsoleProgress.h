// Progress of a command-line run on stderr: a live bar on a terminal, one final line otherwise.
#pragma once

#include <chrono>
#include <cstdio>

#include "map/tiles/MapPreparation.h"

class ConsoleProgress : public MapProgress {
public:
    ConsoleProgress(std::FILE* stream, bool quiet);

    void SetPosition(int position) override;
    int Position() override { return Position_; }
    void SetMax(int max) override { Max_ = max; }
    int Max() override { return Max_; }
    void ProcessMessages() override;
    void Beep() override {}

    /// Ends the bar line (terminal) or prints the plain final line.
    void Finish(bool completed);

    double ElapsedSeconds() const;

private:
    void Draw(bool force);

    std::FILE* Stream_;
    bool Quiet_;
    bool Terminal_;
    int Position_ = 0;
    int Max_ = 0;
    int Done_ = 0;  // highest position reached: the position returns to 0 at the end
    bool Drawn_ = false;
    std::chrono::steady_clock::time_point Start_;
    std::chrono::steady_clock::time_point LastDraw_;
};
