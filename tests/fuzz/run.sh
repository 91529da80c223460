#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time on a seed corpus made
# from the test data. Usage: tests/fuzz/run.sh [SECONDS_PER_TARGET [TARGET...]] (default 60 s, every
# target: skin_package pack_reader options bmp png map_decoder description_reader png_map tiff_map pdf svg).
# TIFF seeds are made with vips (Debian's libvips-tools) when it is installed.
# Needs Debian's clang and the libFuzzer runtime of that clang version (libclang-rt-<version>-dev), which
# scripts/setup.sh does not install: apt-get install --no-install-recommends clang libclang-rt-14-dev
# (Debian 12). Only configuring and building hold the shared build lock; the fuzzers run afterwards
# without it, one after another, under nice -n 19 so that other builds keep their share of the cores.
set -euo pipefail
seconds="${1:-60}"
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${QUADRIMO_FUZZ_BUILD:-$root/build-fuzz}"
work="$build/fuzz-work"
lock=/tmp/quadrimo-build.lock

if ! command -v clang++ >/dev/null; then
    echo "run.sh: clang++ not found; install Debian's clang and libclang-rt-<version>-dev" >&2
    exit 2
fi
fuzzer_runtime="$(clang++ --print-runtime-dir)/libclang_rt.fuzzer-$(uname -m).a"
if [ ! -f "$fuzzer_runtime" ]; then
    echo "run.sh: no libFuzzer runtime at $fuzzer_runtime; install libclang-rt-$(clang++ -dumpversion | cut -d. -f1)-dev" >&2
    exit 2
fi

targets="skin_package pack_reader options bmp png map_decoder description_reader png_map tiff_map pdf svg"
[ $# -gt 1 ] && targets="${*:2}"
# The build takes every core: it alone holds the shared build lock (released when the subshell ends).
(
    flock 9
    launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    env CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DQUADRIMO_FUZZ=ON -DQUADRIMO_BUILD_TOOLS=ON "${launcher[@]}" >/dev/null
    cmake --build "$build" --target $(for t in $targets; do printf 'fuzz_%s ' "$t"; done) quadrimo-skin \
        quadrimo-mapgen quadrimo-cli
) 9>"$lock"

# Seed corpora from the test skin: its package, options text, bitmaps and PNG pictures.
skin="$root/tests/data/skin/basic"
for t in skin_package pack_reader options bmp png map_decoder description_reader png_map tiff_map pdf svg; do mkdir -p "$work/corpus/$t" "$work/artifacts/$t"; done
"$build/bin/quadrimo-skin" pack "$skin" "$work/corpus/skin_package/basic.qrv"
cp "$work/corpus/skin_package/basic.qrv" "$work/corpus/pack_reader/"
cp "$skin/Options.dat" "$work/corpus/options/"
cp "$skin"/*.bmp "$skin"/*.BMP "$work/corpus/bmp/"
cp "$skin"/*.png "$root"/tests/data/png/*.png "$work/corpus/png/"
# Maps: small generated plans and photos, and the sample map (decoded only in part: it is large);
# info.js files of runs over them.
for kind in plan photo; do
    for size in 64x64 300x200 700x300; do
        "$build/bin/quadrimo-mapgen" --kind "$kind" --size "$size" --quality 60 "$work/corpus/map_decoder/$kind-$size.jpg" >/dev/null
        out="$work/runs/$kind-$size"
        mkdir -p "$out"
        "$build/bin/quadrimo-cli" --quiet --title "Fuzz's \\ map" "$work/corpus/map_decoder/$kind-$size.jpg" "$out"
        cp "$out/info.js" "$work/corpus/description_reader/$kind-$size.js"
    done
done
cp "$root/resources/sample/plan.jpg" "$work/corpus/map_decoder/"
# Map PNGs: the test pictures; map TIFFs: small maps in the layouts libtiff writes (striped and tiled,
# several compressions, grey, RGB and RGBA).
cp "$root"/tests/data/png/*.png "$work/corpus/png_map/"
if command -v vips >/dev/null; then
    src="$work/corpus/map_decoder/plan-300x200.jpg"
    vips tiffsave "$src" "$work/corpus/tiff_map/strips-lzw.tif" --compression lzw
    vips tiffsave "$src" "$work/corpus/tiff_map/tiles-deflate.tif" --tile --tile-width 16 --tile-height 16 --compression deflate
    vips tiffsave "$src" "$work/corpus/tiff_map/tiles-jpeg.tif" --tile --tile-width 32 --tile-height 32 --compression jpeg
    vips tiffsave "$src" "$work/corpus/tiff_map/bigtiff.tif" --bigtiff --compression packbits
    vips colourspace "$src" "$work/grey.v" b-w && vips tiffsave "$work/grey.v" "$work/corpus/tiff_map/grey.tif"
    vips bandjoin_const "$src" "$work/alpha.v" 200 && vips tiffsave "$work/alpha.v" "$work/corpus/tiff_map/rgba.tif" --tile
    vips tiffsave "$work/grey.v" "$work/corpus/tiff_map/bilevel.tif" --bitdepth 1 --compression ccittfax4
fi
# Drawings: a few shapes of SVG (styles, clip paths, text, a viewBox alone) and a one-page PDF with a
# path and text; the fuzzer mutates from there.
printf '<svg xmlns="http://www.w3.org/2000/svg" width="40" height="30"><style>.a{fill:red}</style><rect class="a" width="20" height="10"/><text x="2" y="25">Q</text></svg>' >"$work/corpus/svg/styled.svg"
printf '<?xml version="1.0"?><svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 10 10"><clipPath id="c"><circle cx="5" cy="5" r="4"/></clipPath><g clip-path="url(#c)" transform="rotate(10)"><path d="M0 0L10 10" stroke="#000" stroke-width="0.1"/></g></svg>' >"$work/corpus/svg/clipped.svg"
gzip -c "$work/corpus/svg/styled.svg" >"$work/corpus/svg/styled.svgz"
stream='BT /F1 12 Tf 10 20 Td (Plan) Tj ET 0.5 w 0 0 m 100 60 l S'
printf '%%PDF-1.4\n1 0 obj<</Type/Catalog/Pages 2 0 R>>endobj\n2 0 obj<</Type/Pages/Kids[3 0 R]/Count 1>>endobj\n3 0 obj<</Type/Page/Parent 2 0 R/MediaBox[0 0 100 60]/Contents 4 0 R/Resources<</Font<</F1 5 0 R>>>>>>endobj\n4 0 obj<</Length %d>>stream\n%s\nendstream endobj\n5 0 obj<</Type/Font/Subtype/Type1/BaseFont/Helvetica>>endobj\ntrailer<</Root 1 0 R>>\n%%%%EOF\n' "${#stream}" "$stream" >"$work/corpus/pdf/page.pdf"

# At the lowest priority beside other builds a unit can wait for a core far longer than it runs, and
# libFuzzer's time-out is wall-clock: a unit that timed out is run again and judged by the processor time
# it takes. A run cut short by such a false time-out goes on with the time left.
timeout=10
# fontconfig (through the drawn kinds' text) keeps its caches until the process ends.
export LSAN_OPTIONS="suppressions=$root/tests/fuzz/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
status=0
for t in $targets; do
    echo "== fuzz_$t for ${seconds}s"
    left=$seconds
    round=0
    while [ "$left" -gt 0 ]; do
        log="$work/fuzz_$t.log"
        [ $round -gt 0 ] && log="$work/fuzz_$t.$round.log"
        started=$SECONDS
        if nice -n 19 "$build/bin/fuzz_$t" "$work/corpus/$t" -max_total_time="$left" -timeout=$timeout -rss_limit_mb=2048 \
                -artifact_prefix="$work/artifacts/$t/" -print_final_stats=1 2>"$log"; then
            found=""
        else
            found="$(sed -n 's/.*Test unit written to //p' "$log" | tail -1)"
            [ -n "$found" ] || found="(no unit written)"
        fi
        grep -E "^(stat::number_of_executed_units|stat::new_units_added)" "$log" || true
        [ -z "$found" ] && break
        if [[ "$found" == */timeout-* ]]; then
            cpu="$( { TIMEFORMAT='%U %S'; time nice -n 19 "$build/bin/fuzz_$t" "$found" >/dev/null 2>&1; } 2>&1 | awk '{ print $1 + $2 }')"
            if awk -v c="$cpu" -v t=$timeout 'BEGIN { exit !(c < t / 2) }'; then
                echo "false time-out after $((SECONDS - started)) s: the unit takes ${cpu} s of processor time; going on"
                mv "$found" "$(dirname "$found")/starved-$(basename "$found")"
                left=$((left - (SECONDS - started)))
                round=$((round + 1))
                continue
            fi
        fi
        echo "fuzz_$t found a problem: $found; see $log"
        status=1
        break
    done
    echo "corpus: $(ls "$work/corpus/$t" | wc -l) files"
done
exit $status
