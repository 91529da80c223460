// The --verify front end: progress as for a run, the summary on standard output, failures on stderr.
#include "VerifyCommand.h"

#include <cstdio>

#include "ConsoleProgress.h"
#include "core/CodePage.h"
#include "core/Exception.h"
#include "core/Messages.h"
#include "core/TextDecoding.h"

namespace {

bool IsUtf8(const std::string& text) { return ToCodePage(text, kCodePageUtf8) == text; }

// The title for a terminal: UTF-8 as it is, other bytes read in the system's code page; control
// characters never reach the terminal.
std::string PrintableTitle(const std::string& bytes) {
    std::string title = IsUtf8(bytes) ? bytes : FromCodePage(bytes, DefaultAnsiCodePage());
    for (char& c : title) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    }
    return title;
}

template <typename List, typename Text>
void AppendNames(std::string& out, const char* label, const List& list, size_t shown, Text text) {
    if (list.empty()) return;
    out += label;
    for (size_t i = 0; i < list.size() && i < shown; ++i) out += (i == 0 ? " " : ", ") + text(list[i]);
    if (list.size() > shown) out += " and " + std::to_string(list.size() - shown) + " more";
    out += '\n';
}

}  // namespace

std::string VerifySummary(const std::string& folder, const FolderCheckReport& report, size_t shown) {
    const MapDescription& d = report.Description;
    std::string out = folder + ": \"" + PrintableTitle(d.Title) + "\", zoom " + std::to_string(d.ZoomMin) + " to " +
                      std::to_string(d.ZoomMax) + ", " + std::to_string(report.Checked) + " tiles checked: ";
    if (report.Complete()) return out + "complete\n";
    out += std::to_string(report.Missing.size()) + " missing, " + std::to_string(report.Corrupt.size()) +
           " corrupt, " + std::to_string(report.Extra.size()) + " extra";
    if (!report.Temporary.empty()) out += ", " + std::to_string(report.Temporary.size()) + " temporary";
    out += '\n';
    auto name = [](const std::string& n) { return n; };
    AppendNames(out, "missing:", report.Missing, shown, name);
    AppendNames(out, "corrupt:", report.Corrupt, shown,
                [](const TileProblem& p) { return p.Name + " (" + p.Reason + ")"; });
    AppendNames(out, "extra:", report.Extra, shown, name);
    AppendNames(out, "temporary (left by a run that was killed; the next run removes them):", report.Temporary, shown,
                name);
    return out;
}

int RunVerify(const std::string& folder, bool quiet) {
    ConsoleProgress progress(stderr, quiet);
    try {
        FolderCheckReport report = CheckOutputFolder(folder, progress);
        // Ends the bar on a terminal; the plain line of a run ("tiles written") would not fit here.
        progress.Finish(false);
        if (!quiet || !report.Complete()) std::fputs(VerifySummary(folder, report).c_str(), stdout);
        return report.Complete() ? 0 : 1;
    } catch (const std::exception& error) {
        progress.Finish(false);
        std::fprintf(stderr, "quadrimo-cli: %s\n", WithFullStop(error.what()).c_str());
        return 1;
    }
}
