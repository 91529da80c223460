// quadrimo-cli when things go wrong: stop signals, a FIFO or a folder as the map, a folder another run
// holds, full and read-only disks, titles the code page cannot hold. Every message names its file.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <thread>

#include "support/TempFolder.h"
#include "support/TestJpeg.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

const std::string kCli = std::string(QUADRIMO_BIN_DIR) + "/quadrimo-cli";

struct Outcome {
    int Status = -1;  // exit status; 128 + n after signal n
    std::string Out, Err;
};

// The program started in the background, its output going to files.
class Running {
public:
    Running(const TempFolder& work, const std::vector<std::string>& args, std::vector<std::string> env = {})
        : Out_(work / "out.txt"), Err_(work / "err.txt") {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, Out_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, Err_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        std::vector<std::string> argStrings = {kCli};
        argStrings.insert(argStrings.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (auto& a : argStrings) argv.push_back(a.data());
        argv.push_back(nullptr);
        std::vector<std::string> envStrings = std::move(env);
        for (char** e = environ; *e != nullptr; ++e) envStrings.emplace_back(*e);
        std::vector<char*> envp;
        for (auto& e : envStrings) envp.push_back(e.data());
        envp.push_back(nullptr);
        if (posix_spawn(&Pid_, kCli.c_str(), &actions, nullptr, argv.data(), envp.data()) != 0) Pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Running() {
        if (Pid_ > 0 && !Done_) {
            ::kill(Pid_, SIGKILL);
            Wait();
        }
    }
    void Signal(int signal) { ::kill(Pid_, signal); }
    Outcome Wait() {
        Outcome o;
        int raw = 0;
        if (::waitpid(Pid_, &raw, 0) == Pid_) {
            o.Status = WIFEXITED(raw) ? WEXITSTATUS(raw) : WIFSIGNALED(raw) ? 128 + WTERMSIG(raw) : -1;
        }
        Done_ = true;
        o.Out = ReadText(Out_);
        o.Err = ReadText(Err_);
        return o;
    }
    bool Started() const { return Pid_ > 0; }

private:
    pid_t Pid_ = -1;
    bool Done_ = false;
    std::string Out_, Err_;
};

Outcome RunCli(const TempFolder& work, const std::vector<std::string>& args, std::vector<std::string> env = {}) {
    Running running(work, args, std::move(env));
    return running.Wait();
}

int CountTiles(const std::string& folder) {
    int n = 0;
    for (const auto& name : FolderEntries(folder)) n += name.ends_with(".jpg");
    return n;
}

// A size-limited (or read-only) tmpfs at a folder, unmounted with the object.
class SmallDisk {
public:
    SmallDisk(const std::string& path, const std::string& options, unsigned long flags = 0) : Path_(path) {
        fs::create_directory(path);
        Mounted_ = ::mount("tmpfs", path.c_str(), "tmpfs", flags, options.c_str()) == 0;
    }
    ~SmallDisk() {
        if (Mounted_) ::umount2(Path_.c_str(), MNT_DETACH);
    }
    bool Mounted() const { return Mounted_; }

private:
    std::string Path_;
    bool Mounted_ = false;
};

class CliFailure : public ::testing::Test {
protected:
    TempFolder Work;
    std::string Out = Work / "out";
    void SetUp() override { fs::create_directory(Out); }

    std::string BlockMap(int w, int h) {
        const std::string path = Work / "map.jpg";
        WriteBytes(path, WriteRgbJpeg(RgbImage::Generate(w, h, [](int x, int y) {
                                          return Rgb{static_cast<uint8_t>(x / 64 * 40), static_cast<uint8_t>(y / 64 * 30),
                                                     static_cast<uint8_t>((x + y) / 128 * 50)};
                                      }),
                                      {.Quality = 90}));
        return path;
    }
};

TEST_F(CliFailure, StopSignalLeavesWholeFilesAndVerifyReportsTheFolderIncomplete) {
    const std::string map = BlockMap(8000, 6000);
    struct Case {
        int Signal;
        std::vector<std::string> Options;
    };
    // In memory the tiles are written under temporary names while the map decodes and renamed into
    // place after it, strictly in order (quickly: the signal comes while it decodes, and the run stops
    // at its first tile); streaming writes them band by band.
    const Case cases[] = {{SIGTERM, {"--jobs", "1", "--pipeline", "in-memory"}}, {SIGINT, {"--jobs", "2", "--memory-limit", "60M"}}};
    int run = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE("signal " + std::to_string(c.Signal));
        const std::string out = Work / ("stopped" + std::to_string(run++));
        fs::create_directory(out);
        std::vector<std::string> args = c.Options;
        args.insert(args.end(), {"--title", "Plan", "--codepage", "1252", map, out});
        Running cli(Work, args);
        ASSERT_TRUE(cli.Started());
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        const bool inMemory = c.Signal == SIGTERM;
        auto made = [&] {
            int n = 0;
            for (const auto& name : FolderEntries(out)) n += inMemory ? name.starts_with(".quadrimo-") : name.ends_with(".jpg");
            return n;
        };
        while (made() < 20 && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
        cli.Signal(c.Signal);
        const Outcome o = cli.Wait();
        ASSERT_EQ(o.Status, 128 + c.Signal) << o.Err;
        EXPECT_TRUE(o.Err.ends_with("quadrimo-cli: interrupted\n")) << o.Err;
        const int tiles = CountTiles(out);
        if (!inMemory) {
            EXPECT_GE(tiles, 20);
        }
        EXPECT_LT(tiles, 1025) << "the run ended before the signal";
        // Every tile there is whole, info.js holds whole lines, no temporary file stays.
        for (const auto& name : FolderEntries(out)) {
            if (name.ends_with(".jpg")) {
                EXPECT_NO_THROW(ReadJpegFile(out + "/" + name)) << name;
            }
            EXPECT_FALSE(name.starts_with(".")) << name;
        }
        const std::string info = ReadText(out + "/info.js");
        EXPECT_TRUE(info.starts_with("var map_title = 'Plan';\r\nvar zoom = [15,13,18];\r\nsizes[18] = [31,23];\r\n"))
            << info;
        EXPECT_TRUE(info.ends_with(";\r\n")) << info;

        // Missing tiles; in memory also the size lines of the levels not begun.
        const Outcome verify = RunCli(Work, {"--verify", out});
        EXPECT_EQ(verify.Status, 1);
        EXPECT_NE((verify.Out + verify.Err).find("missing"), std::string::npos) << verify.Out << verify.Err;
    }
}

TEST_F(CliFailure, KilledRunLeavesWholeFilesAndTheNextRunRemovesItsTemporaryFiles) {
    const std::string map = BlockMap(6000, 4000);
    const std::vector<std::string> pipelines[] = {{"--jobs", "2", "--pipeline", "in-memory"}, {"--jobs", "2"}};
    int run = 0;
    for (const auto& options : pipelines) {
        const std::string out = Work / ("killed" + std::to_string(run++));
        SCOPED_TRACE(out);
        fs::create_directory(out);
        std::vector<std::string> args = options;
        args.insert(args.end(), {"--quiet", "--title", "Plan", map, out});
        {
            Running cli(Work, args);
            ASSERT_TRUE(cli.Started());
            // In memory, while the map decodes and the tiles are still temporary files; streaming,
            // once tiles are in place.
            const bool inMemory = run == 1;
            auto made = [&] {
                int n = 0;
                for (const auto& name : FolderEntries(out)) n += inMemory ? name.starts_with(".quadrimo-") : name.ends_with(".jpg");
                return n;
            };
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
            while (made() < 20 && std::chrono::steady_clock::now() < deadline) {
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            }
            cli.Signal(SIGKILL);
            EXPECT_EQ(cli.Wait().Status, 128 + SIGKILL);
        }
        // Whole files under their names; anything else is a hidden temporary file.
        for (const auto& name : FolderEntries(out)) {
            if (name.starts_with(".")) {
                EXPECT_TRUE(name.starts_with(".quadrimo-") && name.ends_with(".tmp")) << name;
            } else if (name.ends_with(".jpg")) {
                EXPECT_NO_THROW(ReadJpegFile(out + "/" + name)) << name;
            } else {
                EXPECT_EQ(name, "info.js");
                EXPECT_TRUE(ReadText(out + "/info.js").ends_with("\r\n"));
            }
        }
        // One certainly there, as a kill in the middle of a file leaves it.
        WriteBytes(out + "/.quadrimo-1-1-18_0_0.jpg.tmp", {0xFF, 0xD8, 0xFF});
        Outcome verify = RunCli(Work, {"--verify", out});
        EXPECT_EQ(verify.Status, 1);
        EXPECT_NE((verify.Out + verify.Err).find("temporary"), std::string::npos) << verify.Out << verify.Err;

        const Outcome again = RunCli(Work, args);
        EXPECT_EQ(again.Status, 0) << again.Err;
        verify = RunCli(Work, {"--verify", out});
        EXPECT_EQ(verify.Status, 0) << verify.Out << verify.Err;
        for (const auto& name : FolderEntries(out)) EXPECT_FALSE(name.starts_with(".")) << name;
    }
}

TEST_F(CliFailure, FifoOrFolderAsTheMap) {
    WriteBytes(Out + "/info.js", {'o', 'l', 'd'});
    const std::string fifo = Work / "map.jpg";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // Without the check the run waits for a writer for ever, after truncating info.js.
    const Outcome o = RunCli(Work, {"--quiet", fifo, Out});
    EXPECT_EQ(o.Status, 1);
    EXPECT_EQ(o.Err, "quadrimo-cli: Cannot open file \"" + fifo + "\". Not a regular file.\n");
    EXPECT_EQ(ReadText(Out + "/info.js"), "old");

    const Outcome folder = RunCli(Work, {"--quiet", Work.Path().string(), Out});
    EXPECT_EQ(folder.Status, 1);
    EXPECT_EQ(folder.Err, "quadrimo-cli: map file \"" + Work.Path().string() + "\" is a folder.\n");
    EXPECT_EQ(ReadText(Out + "/info.js"), "old");
}

TEST_F(CliFailure, FolderHeldByAnotherRunIsLeftAlone) {
    const std::string map = BlockMap(600, 400);
    WriteBytes(Out + "/info.js", {'f', 'i', 'r', 's', 't'});
    const int fd = ::open(Out.c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);  // as a run writing there holds its folder
    const Outcome o = RunCli(Work, {"--quiet", map, Out});
    ::close(fd);
    EXPECT_EQ(o.Status, 1);
    EXPECT_EQ(o.Err, "quadrimo-cli: " + Out + "/info.js: another run is writing into this folder (I/O error 32)\n");
    EXPECT_EQ(FolderEntries(Out), std::vector<std::string>{"info.js"});
    EXPECT_EQ(ReadText(Out + "/info.js"), "first");
}

TEST_F(CliFailure, MessagesNameTheFileAndWhatTheSystemSaid) {
    const std::string map = BlockMap(600, 400);
    Outcome o = RunCli(Work, {"--quiet", map, Work / "no such folder"});
    EXPECT_EQ(o.Status, 1);
    EXPECT_EQ(o.Err, "quadrimo-cli: " + (Work / "no such folder") + "/info.js: No such file or directory (I/O error 3)\n");

    // Whatever the name says, what is no JPEG is refused by the JPEG decoder.
    for (const char* name : {"plan.txt", "plan.png"}) {
        WriteBytes(Work / name, {'T', 'h', 'i', 's', ' ', 'i', 's', ' ', 'a', ' ', 'p', 'l', 'a', 'n'});
        o = RunCli(Work, {"--quiet", Work / name, Out});
        EXPECT_EQ(o.Status, 1);
        EXPECT_EQ(o.Err, "quadrimo-cli: " + (Work / name) + ": Not a JPEG file: starts with 0x54 0x68 (JPEG error #53)\n");
    }

    // A full disk while info.js is written out (a long title fills its first piece at once), and a
    // read-only one.
    SmallDisk full(Work / "full", "size=64k");
    if (!full.Mounted()) GTEST_SKIP() << "cannot mount a tmpfs here";
    {
        std::ofstream filler(Work / "full/filler", std::ios::binary);
        const std::string block(4096, 'x');
        for (int i = 0; i < 64 && filler; ++i) filler << block << std::flush;
    }
    o = RunCli(Work, {"--quiet", "--title", std::string(300, 'T'), map, Work / "full"});
    EXPECT_EQ(o.Status, 1);
    EXPECT_EQ(o.Err, "quadrimo-cli: " + (Work / "full") + "/info.js: No space left on device (I/O error 112)\n");
    EXPECT_FALSE(fs::exists(Work / "full/info.js"));

    SmallDisk readOnly(Work / "ro", "size=64k", MS_RDONLY);
    ASSERT_TRUE(readOnly.Mounted());
    o = RunCli(Work, {"--quiet", map, Work / "ro"});
    EXPECT_EQ(o.Status, 1);
    EXPECT_EQ(o.Err, "quadrimo-cli: " + (Work / "ro") + "/info.js: Read-only file system (I/O error 19)\n");
}

TEST_F(CliFailure, TitleCharactersOutsideTheCodePageAreReported) {
    const std::string map = BlockMap(300, 200);
    const std::string title = "\xD0\x9F\xD0\xBB\xD0\xB0\xD0\xBD \xE2\x84\x96 5";  // "План № 5"
    Outcome o = RunCli(Work, {"--codepage", "1252", "--title", title, map, Out});
    EXPECT_EQ(o.Status, 0);
    EXPECT_NE(o.Err.find("quadrimo-cli: warning: 5 characters of the title are not in code page 1252 and become "
                         "\"?\" in info.js; choose the code page with --codepage"),
              std::string::npos)
        << o.Err;
    EXPECT_TRUE(ReadText(Out + "/info.js").starts_with("var map_title = '???? ? 5';\r\n"));

    // A locale without a language takes the program's own code page: the title fits.
    o = RunCli(Work, {"--title", title, map, Out}, {"LC_ALL=C", "LC_CTYPE=", "LANG="});
    EXPECT_EQ(o.Status, 0);
    EXPECT_EQ(o.Err.find("warning"), std::string::npos) << o.Err;
    EXPECT_TRUE(ReadText(Out + "/info.js").starts_with("var map_title = '\xCF\xEB\xE0\xED \xB9 5';\r\n"));

    o = RunCli(Work, {"--quiet", "--codepage", "1252", "--title", title, map, Out});
    EXPECT_EQ(o.Err, "");
}

}  // namespace
