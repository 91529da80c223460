#!/usr/bin/env bash
# Compiles every source file of the program that needs no Qt for Windows with MinGW-w64, syntax only,
# and fails on any error. The files and their include folders come from the build's compile commands
# (scripts/build.sh writes them); a file whose command names Qt, and the test suites, are left out.
#   scripts/check-windows.sh [BUILD_FOLDER]     (default build/)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
compiler=x86_64-w64-mingw32-g++-posix
commands=$build/compile_commands.json
[ -f "$commands" ] || { echo "check-windows: $commands is missing: run scripts/build.sh first" >&2; exit 1; }
command -v "$compiler" >/dev/null || { echo "check-windows: $compiler is missing: scripts/setup.sh installs it" >&2; exit 1; }

# Files known to fail, each until its Windows side exists; a listed file that passes is an error, so
# the list only shrinks. Every file passes today.
expected_failures=()
# The drawn map kinds need poppler, librsvg and cairo (with glib), of which Debian builds no Windows
# headers: they are left out, and named, until a Windows build brings its own.
without_windows_headers=(
    bench/drawbench.cpp
    src/map/sources/PdfMapSource.cpp
    src/map/sources/SvgMapSource.cpp
    src/map/sources/VectorMapSource.cpp
)

# The codec headers for the target: zlib's from Debian's MinGW package; Debian has none for libjpeg,
# libpng and libtiff, whose headers are portable C, so the host's copies serve, alone in a folder of
# their own so that no other host header is seen.
headers=$(mktemp -d)
results=$(mktemp -d)
trap 'rm -rf "$headers" "$results"' EXIT
for h in jpeglib.h jmorecfg.h jerror.h png.h pngconf.h pnglibconf.h; do cp -L "/usr/include/$h" "$headers/"; done
for h in jconfig.h tiff.h tiffconf.h tiffio.h tiffvers.h; do
    cp -L "$(find /usr/include -maxdepth 2 -name "$h" -print -quit)" "$headers/"
done

# One line a source file: its path in the tree, then its include folders and definitions.
root=$(pwd)
grep -E '^\s*"(command|file)":' "$commands" | paste - - | grep -v -E 'qt6|Qt6|/Qt' | while IFS=$'\t' read -r command file; do
    file=$(sed -E 's/^\s*"file": "(.*)",?$/\1/' <<<"$file")
    file=${file#"$root"/}
    case $file in src/* | bench/*) ;; *) continue ;; esac
    if printf '%s\n' "${without_windows_headers[@]}" | grep -qxF "$file"; then continue; fi
    # The operating system layer: the build here compiles the POSIX side, the check the Windows one.
    case $file in src/core/os/posix/* | src/core/os/macos/*) file=src/core/os/windows/${file##*/} ;; esac
    flags=$(grep -oE ' -(I|D)[^ ]+' <<<"$command" | tr -d '\n' || true)
    echo "$file$flags"
done | sort -u >"$results/list"

check() {
    local file=$1 name
    shift
    name=$(tr / _ <<<"$file")
    if "$compiler" -fsyntax-only -std=c++20 -Wall -Wextra -Werror -isystem "$headers" "$@" "$file" \
        >"$results/$name.log" 2>&1; then
        echo "$file" >"$results/$name.pass"
    else
        echo "$file" >"$results/$name.fail"
    fi
}
export -f check
export compiler headers results
xargs -a "$results/list" -P "$(nproc)" -L 1 bash -c 'check "$@"' _

checked=$(wc -l <"$results/list")
status=0
failed=0
for f in "$results"/*.fail; do
    [ -e "$f" ] || continue
    file=$(cat "$f")
    failed=$((failed + 1))
    if printf '%s\n' "${expected_failures[@]}" | grep -qxF "$file"; then
        echo "check-windows: $file fails (expected until its Windows side exists): $(grep -m1 -E 'error' "${f%.fail}.log")"
    else
        echo "check-windows: $file FAILS:"
        head -20 "${f%.fail}.log"
        status=1
    fi
done
for file in "${expected_failures[@]}"; do
    if [ -e "$results/$(tr / _ <<<"$file").pass" ]; then
        echo "check-windows: $file passes now: take it off the list of expected failures"
        status=1
    elif ! grep -q "^$file" "$results/list"; then
        echo "check-windows: $file is listed as an expected failure but is not compiled"
        status=1
    fi
done
echo "check-windows: $checked files checked, $failed failed (${#expected_failures[@]} expected);" \
    "left out for want of Windows headers: ${without_windows_headers[*]}"
exit $status
