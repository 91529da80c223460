// quadrimo-cli: prepares a map picture into a tile folder from the command line.
#include <algorithm>
#include <cstdio>
#include <exception>
#include <new>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "ConsoleProgress.h"
#include "FailureText.h"
#include "Interruption.h"
#include "VerifyCommand.h"
#include "core/CodePage.h"
#include "core/Exception.h"
#include "core/FileStreams.h"
#include "core/Messages.h"
#include "core/Version.h"
#include "core/os/Files.h"
#include "core/os/ProgramArguments.h"
#include "map/preview/PreviewPage.h"
#include "map/sources/MapSourceRegistry.h"
#include "map/tiles/MapPreparation.h"

namespace {

int Fail(const std::string& message) {
    std::fprintf(stderr, "quadrimo-cli: %s\n", WithFullStop(message).c_str());
    return 1;
}

void PrintHelp() {
    std::printf(
        "Cuts a large map picture (JPEG, PNG, TIFF or BigTIFF; the kind is told by the content) into a\n"
        "pyramid of 256 x 256 JPEG tiles (zoom 18 = full resolution) and writes info.js and blank_img.gif\n"
        "beside them, ready for upload.\n\n%s\n\n"
        "  --title TEXT         map title written into info.js (default: empty)\n"
        "  --background COLOR   #RRGGBB or a colour name such as White, \"Sky Blue\", clCream (default: White)\n"
        "  --blank-image FILE   background picture copied to blank_img.gif\n"
        "  --codepage N         code page of info.js: 1250 to 1258, or utf-8 (default: from the locale)\n"
        "  --jobs N             encoder threads (default: one per core)\n"
        "  --memory-limit SIZE  the most memory the run may use, as 200M, 1.5G or bytes (default: the\n"
        "                       smaller of 1G and half of the free memory); a map whose canvas does not\n"
        "                       fit is prepared band by band in bounded memory\n"
        "  --pipeline in-memory|streaming\n"
        "                       how the tiles are made (default: streaming, band by band; in-memory holds\n"
        "                       the whole map and writes the files in pyramid order)\n"
        "  --shrink FILTER      raster maps (JPEG, PNG, TIFF): each coarser zoom takes one pixel of each\n"
        "                       2 x 2 block (nearest, the default) or their mean (mean), which keeps\n"
        "                       thin lines visible\n"
        "  --page N             PDF maps: the page to draw (default: 1)\n"
        "  --dpi N              PDF and SVG maps: zoom 18's scale in dots per inch (default: 300)\n"
        "  --width PX           PDF and SVG maps: zoom 18's width in pixels instead of --dpi\n"
        "                       An option that does not apply to the map's kind is a usage error.\n"
        "  --preview            also write preview.html, a page showing the tiles in a web map viewer\n"
        "  --verify OUTPUT_DIR  check a finished folder: every tile info.js implies is there and sound,\n"
        "                       and no other tile lies beside them (exit 0 complete, 1 not)\n"
        "  --quiet              print nothing but errors\n"
        "  --help, --version\n\n"
        "Exit status: 0 done (--verify: complete), 1 the preparation failed (--verify: incomplete),\n"
        "2 wrong usage.\n",
        kUsage);
}

// Characters of the title that the code page lacks become "?" in info.js; a user who typed them
// should hear of it and of the option that keeps them.
void WarnAboutLostCharacters(const std::string& title, int codePage) {
    const std::string converted = ToCodePage(title, codePage);
    const auto lost = std::count(converted.begin(), converted.end(), '?') - std::count(title.begin(), title.end(), '?');
    if (lost <= 0) return;
    const std::string name = codePage == kCodePageUtf8 ? "UTF-8" : "code page " + std::to_string(codePage);
    std::fprintf(stderr,
                 "quadrimo-cli: warning: %ld character%s of the title %s not in %s and become%s \"?\" in info.js; "
                 "choose the code page with --codepage (1250 to 1258, or utf-8)\n",
                 static_cast<long>(lost), lost == 1 ? "" : "s", lost == 1 ? "is" : "are", name.c_str(),
                 lost == 1 ? "s" : "");
}

}  // namespace

int main(int argc, char** argv) {
    PrepareConsoleOutput();
    ParseResult parsed = ParseCommandLine(ProgramArguments(argc, argv));
    if (!parsed.Options) {
        std::fprintf(stderr, "quadrimo-cli: %s\n%s\n", parsed.Error.c_str(), kUsage);
        return 2;
    }
    const CommandLine& cl = *parsed.Options;
    if (cl.Help) {
        PrintHelp();
        return 0;
    }
    if (cl.Version) {
        std::printf("quadrimo-cli %s\n", kQuadrimoVersion);
        return 0;
    }
    FileStatus status;
    if (cl.Verify) {
        if (PathStatus(cl.OutputDir, status) != 0 || status.Kind != FileKind::Folder) {
            std::fprintf(stderr, "quadrimo-cli: \"%s\" is not a folder\n%s\n", cl.OutputDir.c_str(), kUsage);
            return 2;
        }
        return RunVerify(cl.OutputDir, cl.Quiet);
    }
    if (PathStatus(cl.MapPath, status) != 0) return Fail("map file \"" + cl.MapPath + "\" does not exist");
    if (status.Kind == FileKind::Folder) return Fail("map file \"" + cl.MapPath + "\" is a folder");
    if (cl.OutputDir.empty()) return Fail("the output folder is empty");
    // Which options apply depends on the map's kind, known from its first bytes.
    if (const std::string error = InapplicableOptionError(cl, MapKindName(cl.MapPath)); !error.empty()) {
        std::fprintf(stderr, "quadrimo-cli: %s\n%s\n", error.c_str(), kUsage);
        return 2;
    }
    const int codePage = cl.CodePage != 0 ? cl.CodePage : DefaultAnsiCodePage();
    if (!cl.Quiet) WarnAboutLostCharacters(cl.Title, codePage);

    FixedMapInputs inputs;
    inputs.Map = cl.MapPath;
    inputs.Folder = cl.OutputDir;
    inputs.Title = cl.Title;
    inputs.Background = cl.Background;
    inputs.BlankImage = cl.BlankImage;
    MapPreparationOptions options;
    options.CodePage = cl.CodePage;
    options.Jobs = cl.Jobs;
    options.MemoryLimitBytes = cl.MemoryLimit;
    // Streaming is the faster pipeline and needs the least memory; the same files, the same bytes.
    options.Pipeline = cl.InMemoryPipeline ? MapPipelineChoice::InMemory : MapPipelineChoice::Streaming;
    options.Source = cl.Source;

    ConsoleProgress progress(stderr, cl.Quiet);
    InstallInterruptHandlers();
    try {
        MapPreparationSummary summary = PrepareMap(inputs, progress, options);
        progress.Finish(summary.Result == MapPreparationResult::Completed);
        if (!cl.Quiet) {
            // A JPEG map's line names no kind; other kinds say what was read.
            const std::string kind = summary.SourceDescription == "JPEG" ? "" : ", " + summary.SourceDescription;
            std::printf("%s: %lld tiles, zoom %d to %d (map %d x %d%s), %s pipeline\n", cl.OutputDir.c_str(),
                        static_cast<long long>(summary.Tiles), summary.MinZoom, summary.MaxZoom, summary.MapWidth,
                        summary.MapHeight, kind.c_str(),
                        summary.Pipeline == MapPipeline::Streaming ? "streaming" : "in-memory");
        }
        if (cl.Preview) {
            PreviewPageSettings page;
            page.MapWidth = summary.MapWidth;
            page.MapHeight = summary.MapHeight;
            page.Background = cl.Background;
            page.CodePage = cl.CodePage != 0 ? cl.CodePage : DefaultAnsiCodePage();
            WritePreviewPage(cl.OutputDir, page);
            if (!cl.Quiet) std::printf("open %s to look at the map\n", JoinPath(cl.OutputDir, kPreviewFileName).c_str());
        }
        return 0;
    } catch (const EInterrupted& stop) {
        // The files written so far are whole and info.js holds its lines so far: say so and end as
        // the signal would have.
        progress.Finish(false);
        std::fprintf(stderr, "quadrimo-cli: interrupted\n");
        return 128 + stop.Signal;
    } catch (const std::bad_alloc&) {
        progress.Finish(false);
        return Fail("Out of system resources");
    } catch (const std::exception& error) {
        progress.Finish(false);
        return Fail(FailureText(error));
    }
}
