#!/usr/bin/env bash
# Builds the Windows command line, build-windows/bin/quadrimo-cli.exe, and the engine's Windows test
# suites with MinGW-w64, against libjpeg-turbo, libpng and libtiff built for Windows from Debian's
# source packages (zlib is Debian's own MinGW package). The libraries are built once, into
# build-windows/libraries/. Needs network access to Debian's source archive the first time.
#   scripts/build-windows.sh [TARGET...]     (default: quadrimo-cli and the Windows test suites)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
out=$root/build-windows
prefix=$out/libraries
toolchain=$root/cmake/MinGW-w64.cmake

"$root/scripts/install-missing.sh" g++-mingw-w64-x86-64-posix libz-mingw-w64-dev nasm dpkg-dev googletest cmake \
    ninja-build

# Debian's sources: a deb-src line beside the system's deb lines, once.
ensure_source_lines() {
    if apt-cache showsrc libjpeg-turbo 2>/dev/null | grep -q '^Version:'; then return; fi
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
            $sudo tee /etc/apt/sources.list.d/quadrimo-deb-src.sources >/dev/null
    else
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list | $sudo tee /etc/apt/sources.list.d/quadrimo-deb-src.list >/dev/null
    fi
    $sudo apt-get update -qq
}

# Unpacks a source package (Debian's patches applied) into build-windows/sources/; a version the
# archive no longer serves (a security update of a past point release) is skipped for the next one.
unpack() {
    local package=$1 version
    mkdir -p "$out/sources"
    for version in $(apt-cache showsrc "$package" | awk '/^Version:/ {print $2}' | sort -urV); do
        if (cd "$out/sources" && apt-get source -qq "$package=$version" >/dev/null 2>&1); then
            find "$out/sources" -mindepth 1 -maxdepth 1 -type d -name "${2}*" -print -quit
            return
        fi
    done
    echo "build-windows: no source of $package could be fetched" >&2
    exit 1
}

build_library() {
    local name=$1 source=$2
    shift 2
    cmake -S "$source" -B "$out/work/$name" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DQUADRIMO_WINDOWS_PREFIX="$prefix" -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF "$@" >/dev/null
    cmake --build "$out/work/$name" --target install >/dev/null
    echo "build-windows: $name built for Windows from $(basename "$source")"
}

if [ ! -f "$prefix/.complete" ]; then
    ensure_source_lines
    rm -rf "$out/sources" "$out/work" "$prefix"
    build_library libjpeg-turbo "$(unpack libjpeg-turbo libjpeg-turbo-)" -DENABLE_SHARED=OFF -DWITH_TURBOJPEG=OFF
    build_library libpng "$(unpack libpng1.6 libpng1.6-)" -DPNG_SHARED=OFF -DPNG_TESTS=OFF
    build_library libtiff "$(unpack tiff tiff-)" -Dtiff-tools=OFF -Dtiff-tests=OFF -Dtiff-contrib=OFF \
        -Dtiff-docs=OFF -Djbig=OFF -Dlzma=OFF -Dzstd=OFF -Dwebp=OFF -Dlerc=OFF -Dlibdeflate=OFF -Dcxx=OFF
    build_library googletest /usr/src/googletest -DINSTALL_GTEST=ON -DBUILD_GMOCK=OFF
    rm -rf "$out/work"
    touch "$prefix/.complete"
fi

[ -f "$out/build.ninja" ] || cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQUADRIMO_WINDOWS_PREFIX="$prefix" -DQUADRIMO_GUI=OFF \
    -DQUADRIMO_DRAWN_MAPS=OFF -DQUADRIMO_BUILD_TOOLS=OFF
if [ $# -gt 0 ]; then
    cmake --build "$out" --target "$@"
else
    cmake --build "$out" --target quadrimo-cli quadrimo_tests
fi
