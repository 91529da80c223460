#!/usr/bin/env bash
# Runs the Windows build under Wine and compares it with the Linux build: the engine's test suites,
# then the same maps prepared by both command lines, into plain and Cyrillic folders, in a Russian
# Windows locale. info.js, preview.html and blank_img.gif must be byte for byte the same, and every
# tile the same or within JPEG noise. Builds what it needs (scripts/build-windows.sh, scripts/build.sh).
#   scripts/check-wine.sh
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
"$root/scripts/install-missing.sh" wine64 libjpeg-turbo-progs locales
"$root/scripts/build-windows.sh"
"$root/scripts/build.sh" quadrimo-cli
windows=$root/build-windows/bin
linux=$root/build/bin/quadrimo-cli

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Wine's own settings stay in the build folder; a Russian locale of our own, so that Wine gives the
# program the ANSI code page 1251 and passes Cyrillic arguments, whatever locales the system has.
export WINEPREFIX=$root/build-windows/wine WINEDEBUG=-all LOCPATH=$work/locale
mkdir -p "$LOCPATH"
localedef -i ru_RU -f UTF-8 "$LOCPATH/ru_RU.UTF-8"
export LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8
wine=/usr/lib/wine/wine64
status=0

for suite in "$windows"/*_tests.exe; do
    if "$wine" "$suite" --gtest_brief=1 >"$work/suite.log" 2>&1; then
        echo "check-wine: $(basename "$suite"): $(grep -E '^\[  PASSED' "$work/suite.log")"
    else
        echo "check-wine: $(basename "$suite") FAILS:"
        tail -30 "$work/suite.log"
        status=1
    fi
done

# A PNG and a TIFF map of an odd size, with gradients and lines that show any shift.
python3 - "$work" <<'PY'
import struct, sys, zlib
w, h = 1300, 700
rows = [bytes(v for x in range(w) for v in ((x * 255 // w), (y * 255 // h), 255 if (x // 37 + y // 23) % 2 else 0))
        for y in range(h)]
def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
png += chunk(b"IDAT", zlib.compress(b"".join(b"\0" + r for r in rows))) + chunk(b"IEND", b"")
open(sys.argv[1] + "/map.png", "wb").write(png)
# Uncompressed RGB, one strip: header, pixels, then the directory.
pixels = b"".join(rows)
tags = [(256, 4, w), (257, 4, h), (258, 3, 8), (259, 3, 1), (262, 3, 2), (273, 4, 8), (277, 3, 3),
        (278, 4, h), (279, 4, len(pixels)), (284, 3, 1)]
ifd = struct.pack("<H", len(tags)) + b"".join(
    struct.pack("<HHI", tag, kind, 1) + (struct.pack("<HH", value, 0) if kind == 3 else struct.pack("<I", value))
    for tag, kind, value in tags) + struct.pack("<I", 0)
# BitsPerSample of three samples may be given once when all are 8 (libtiff accepts a count of 1).
tiff = b"II*\0" + struct.pack("<I", 8 + len(pixels)) + pixels + ifd
open(sys.argv[1] + "/map.tif", "wb").write(tiff)
PY

# Tiles: the same bytes, or decoded within JPEG noise of each other.
same_tile() {
    cmp -s "$1" "$2" && return 0
    djpeg -pnm "$1" >"$work/a.ppm" && djpeg -pnm "$2" >"$work/b.ppm" || return 1
    python3 - "$work/a.ppm" "$work/b.ppm" <<'PY'
import sys
a, b = (open(p, "rb").read() for p in sys.argv[1:3])
sys.exit(0 if len(a) == len(b) and max(abs(x - y) for x, y in zip(a[-196608:], b[-196608:])) <= 8 else 1)
PY
}

# compare NAME MAP FOLDER_NAME OPTION... : both programs prepare MAP, the outputs are compared.
compare() {
    local name=$1 map=$2 folder=$3
    shift 3
    local out_linux="$work/linux/$folder" out_windows="$work/windows/$folder"
    mkdir -p "$out_linux" "$out_windows"
    "$linux" --quiet "$@" "$map" "$out_linux"
    (cd "$work/windows" && "$wine" "$windows/quadrimo-cli.exe" --quiet "$@" "$map" "$folder")
    local files tiles=0 noisy=0 problems=()
    files=$(cd "$out_linux" && ls -A)
    [ "$files" = "$(cd "$out_windows" && ls -A)" ] || problems+=("the file names differ")
    for f in $(cd "$out_linux" && ls -A | grep -v '\.jpg$'); do
        cmp -s "$out_linux/$f" "$out_windows/$f" || problems+=("$f differs")
    done
    for f in $(cd "$out_linux" && ls -A | grep '\.jpg$'); do
        tiles=$((tiles + 1))
        cmp -s "$out_linux/$f" "$out_windows/$f" && continue
        if same_tile "$out_linux/$f" "$out_windows/$f"; then noisy=$((noisy + 1)); else problems+=("tile $f differs"); fi
    done
    if (cd "$work/windows" && "$wine" "$windows/quadrimo-cli.exe" --quiet --verify "$folder"); then :; else
        problems+=("--verify under Wine finds the folder incomplete")
    fi
    if [ ${#problems[@]} -eq 0 ]; then
        echo "check-wine: $name: the same files; $tiles tiles, $((tiles - noisy)) byte for byte, $noisy within JPEG noise"
    else
        echo "check-wine: $name: ${problems[*]}"
        status=1
    fi
}

sample=$root/resources/sample/plan.jpg
compare "sample map, preview page" "$sample" plain --title "Sample plan" --preview
compare "sample map into a Cyrillic folder, Russian title, default code page, background picture" "$sample" \
    "Карты/План этажа" --title "План этажа «Север»" --blank-image "$sample" --background "Sky Blue"
compare "sample map, in-memory pipeline, UTF-8" "$sample" memory --title "Plan №2" --pipeline in-memory --codepage utf-8
compare "PNG map, mean shrink" "$work/map.png" png --title "PNG" --shrink mean
compare "TIFF map" "$work/map.tif" tiff --title "TIFF"
exit $status
