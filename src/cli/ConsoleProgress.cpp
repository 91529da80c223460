// Terminal progress bar with tiles done, percent and elapsed time.
#include "ConsoleProgress.h"

#include <algorithm>
#include <string>

#include "Interruption.h"
#include "core/os/Terminal.h"

ConsoleProgress::ConsoleProgress(std::FILE* stream, bool quiet)
    : Stream_(stream), Quiet_(quiet), Terminal_(IsTerminal(stream)), Start_(std::chrono::steady_clock::now()) {}

double ConsoleProgress::ElapsedSeconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - Start_).count();
}

void ConsoleProgress::SetPosition(int position) {
    Position_ = position;
    Done_ = std::max(Done_, position);
}

void ConsoleProgress::ProcessMessages() {
    // Called before every tile: a stop signal ends the run here, between two whole files.
    ThrowIfInterrupted();
    Draw(false);
}

void ConsoleProgress::Draw(bool force) {
    if (Quiet_ || !Terminal_) return;
    auto now = std::chrono::steady_clock::now();
    if (!force && Drawn_ && now - LastDraw_ < std::chrono::milliseconds(100)) return;
    LastDraw_ = now;
    Drawn_ = true;
    constexpr int kWidth = 30;
    const int total = std::max(Max_, 1);
    const int filled = static_cast<int>(static_cast<long long>(Done_) * kWidth / total);
    std::string bar(static_cast<size_t>(filled), '#');
    bar.append(static_cast<size_t>(kWidth - filled), '.');
    // The total grows level by level; the percentage is of the tiles announced so far.
    std::fprintf(Stream_, "\r[%s] %d/%d tiles %3d%% %6.1f s", bar.c_str(), Done_, Max_,
                 static_cast<int>(static_cast<long long>(Done_) * 100 / total), ElapsedSeconds());
    std::fflush(Stream_);
}

void ConsoleProgress::Finish(bool completed) {
    if (Quiet_) return;
    if (Terminal_) {
        if (!Drawn_ && !completed) return;
        Draw(true);
        std::fputc('\n', Stream_);
    } else if (completed) {
        std::fprintf(Stream_, "%d tiles written in %.1f s\n", Done_, ElapsedSeconds());
    }
    std::fflush(Stream_);
}
