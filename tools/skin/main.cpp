// quadrimo-skin: packs, unpacks, dumps, exports, paints and photographs skins for skin authors and the build.
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "InternalSource.h"
#include "SheetCommand.h"
#include "PaintCommand.h"
#include "ShotCommand.h"
#include "SkinDump.h"
#include "SkinUnpack.h"
#include "map/codec/PngEncoder.h"
#include "core/FileStreams.h"
#include "core/IntegerText.h"
#include "core/Version.h"
#include "skin/model/SkinModel.h"
#include "skin/model/SkinPackWriter.h"

namespace {

const char* const kModelUsage =
    "usage: quadrimo-skin pack FOLDER OUT.qrv\n"
    "       quadrimo-skin unpack PACKAGE FOLDER\n"
    "       quadrimo-skin dump SOURCE [--hue N] [--saturation N]\n"
    "       quadrimo-skin export SOURCE OUTDIR [--hue N] [--saturation N]\n"
    "       quadrimo-skin sheet SOURCE OUT.png [--hue N] [--saturation N]\n";
const char* const kUsageEnd =
    "       quadrimo-skin --help | --version\n"
    "SOURCE is a skin folder, a package file, or --internal for the skin the program carries.\n";

// Every command's line, whichever command was misused: one usage for the whole tool.
void PrintUsage(std::ostream& out) { out << kModelUsage << kPaintUsage << kShotUsage << kUsageEnd; }

struct Arguments {
    std::vector<std::string> Positional;
    SkinLoadSettings Settings;
    bool Internal = false;  // the source is the program's internal skin
};

std::optional<Arguments> Parse(int argc, char** argv) {
    Arguments a;
    for (int i = 2; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--internal") {
            a.Internal = true;
        } else if ((arg == "--hue" || arg == "--saturation") && i + 1 < argc) {
            int value = StrToInt(argv[++i]);
            (arg == "--hue" ? a.Settings.HueOffset : a.Settings.Saturation) = value;
        } else if (arg.rfind("--", 0) == 0) {
            return std::nullopt;
        } else {
            a.Positional.push_back(arg);
        }
    }
    return a;
}

bool IsFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Loads a folder or a package file as the program would; the reader is kept for a package.
SkinModel LoadSource(const std::string& source, const SkinLoadSettings& settings,
                     std::unique_ptr<TsSkinPackReader>* packageInfo) {
    SkinModel model;
    if (IsFolder(source)) {
        model.LoadFromFolder(source, settings);
        return model;
    }
    std::vector<uint8_t> bytes = ReadWholeFile(source);
    if (packageInfo != nullptr) {
        *packageInfo = std::make_unique<TsSkinPackReader>();
        (*packageInfo)->BorrowPackage(bytes);
        TsSkinPackReader::Unpack(*packageInfo);
    }
    std::string folder = std::filesystem::absolute(source).parent_path().string() + "/";
    model.LoadFromPackage(bytes, folder, settings);
    return model;
}

std::string FileNamePart(std::string s) {
    for (char& c : s) {
        if (c == '/' || c == '\\' || c == ':') c = '_';
    }
    return s;
}

int Export(const SkinModel& model, const std::string& outDir) {
    std::filesystem::create_directories(outDir);
    int written = 0;
    auto write = [&](const std::string& name, const Bitmap32& bitmap) {
        WriteWholeFile(JoinPath(outDir, name), EncodePng(bitmap));
        ++written;
    };
    if (!model.MasterBitmap.Empty()) write("master.png", model.MasterBitmap);
    for (const auto& m : model.Masks) {
        if (m.Picture && !m.Picture->Empty()) write(FileNamePart(m.SectionName + "_" + m.KeyName) + ".png", *m.Picture);
    }
    return written;
}

int Run(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage(std::cerr);
        return 2;
    }
    std::string command = argv[1];
    if (command == "--help") {
        PrintUsage(std::cout);
        return 0;
    }
    if (command == "--version") {
        std::cout << "quadrimo-skin " << kQuadrimoVersion << "\n";
        return 0;
    }
    if (command == "paint") return RunPaintCommand(std::vector<std::string>(argv + 2, argv + argc));
    if (command == "shot") return RunShotCommand(std::vector<std::string>(argv + 2, argv + argc));
    auto args = Parse(argc, argv);
    if (!args) {
        PrintUsage(std::cerr);
        return 2;
    }
    // With --internal the source's place among the positional arguments is left empty.
    std::vector<std::string> p = args->Positional;
    if (args->Internal) p.insert(p.begin(), std::string());
    auto load = [&](std::unique_ptr<TsSkinPackReader>* package) {
        return args->Internal ? LoadInternalSkin(args->Settings, package) : LoadSource(p[0], args->Settings, package);
    };
    if ((command == "pack" || command == "unpack") && args->Internal) {
        PrintUsage(std::cerr);
        return 2;
    }
    if (command == "pack" && p.size() == 2) {
        WriteWholeFile(p[1], PackSkinFolder(p[0]));
    } else if (command == "unpack" && p.size() == 2) {
        UnpackSkinPackage(p[0], p[1]);
    } else if (command == "dump" && p.size() == 1) {
        std::unique_ptr<TsSkinPackReader> package;
        SkinModel model = load(&package);
        std::cout << SkinModelToJson(model, package.get()).Write();
    } else if (command == "export" && p.size() == 2) {
        SkinModel model = load(nullptr);
        Export(model, p[1]);
    } else if (command == "sheet" && p.size() == 2) {
        WriteContactSheet(load(nullptr), p[1]);
    } else {
        PrintUsage(std::cerr);
        return 2;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
}
