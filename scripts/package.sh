#!/usr/bin/env bash
# Builds the Debian package build/quadrimo_<version>_<arch>.deb with CPack from a Release build and
# checks it with lintian (no errors allowed), desktop-file-validate and appstreamcli.
#   scripts/package.sh           reuses build/ (configured by scripts/build.sh, Release)
#   scripts/package.sh --clean   builds the programs alone in a fresh build-package/ first
set -euo pipefail
cd "$(dirname "$0")/.."
build=build
if [ "${1:-}" = "--clean" ]; then
    build=build-package
    rm -rf "$build"
fi

./scripts/setup.sh
# dpkg-dev: dpkg-shlibdeps computes the package's dependencies from the programs' shared libraries.
./scripts/install-missing.sh dpkg-dev lintian desktop-file-utils appstream file

if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUADRIMO_BUILD_TESTS=OFF
fi
if ! grep -q '^CMAKE_BUILD_TYPE:STRING=Release$' "$build/CMakeCache.txt"; then
    echo "package.sh: $build/ is not a Release build" >&2
    exit 1
fi
cmake --build "$build"

desktop-file-validate packaging/quadrimo.desktop
appstreamcli validate --no-net packaging/example.brovanti.quadrimo.metainfo.xml

rm -f "$build"/quadrimo_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
package=$(ls "$build"/quadrimo_*.deb)
lintian --fail-on error "$package"
echo "$package"
