// quadrimo-skin-pack: the skin tool's packing step on its own, for the build to pack the internal
// skins before the tool itself (which carries them) can be built.
#include <cstdio>
#include <exception>

#include "core/FileStreams.h"
#include "skin/model/SkinPackWriter.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: quadrimo-skin-pack FOLDER OUT.qrv\n");
        return 2;
    }
    try {
        WriteWholeFile(argv[2], PackSkinFolder(argv[1]));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
