#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time on a seed corpus made
# from the test data. Usage: tests/fuzz/run.sh [SECONDS_PER_TARGET [TARGET...]] (default 60 s, every
# target: skin_package pack_reader options bmp png map_decoder description_reader).
set -euo pipefail
seconds="${1:-60}"
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${QUADRIMO_FUZZ_BUILD:-$root/build-fuzz}"
work="$build/fuzz-work"
lock=/tmp/quadrimo-build.lock
# Building and fuzzing take every core: the whole script holds the shared build lock.
exec 9>"$lock"
flock 9

env CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DQUADRIMO_FUZZ=ON -DQUADRIMO_BUILD_TOOLS=ON >/dev/null
targets="skin_package pack_reader options bmp png map_decoder description_reader"
[ $# -gt 1 ] && targets="${*:2}"
cmake --build "$build" --target $(for t in $targets; do printf 'fuzz_%s ' "$t"; done) quadrimo-skin \
    quadrimo-mapgen quadrimo-cli

# Seed corpora from the test skin: its package, options text, bitmaps and PNG pictures.
skin="$root/tests/data/skin/basic"
for t in skin_package pack_reader options bmp png map_decoder description_reader; do mkdir -p "$work/corpus/$t" "$work/artifacts/$t"; done
"$build/bin/quadrimo-skin" pack "$skin" "$work/corpus/skin_package/basic.qrv"
cp "$work/corpus/skin_package/basic.qrv" "$work/corpus/pack_reader/"
cp "$skin/Options.dat" "$work/corpus/options/"
cp "$skin"/*.bmp "$skin"/*.BMP "$work/corpus/bmp/"
cp "$skin"/*.png "$work/corpus/png/"
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

status=0
for t in $targets; do
    echo "== fuzz_$t for ${seconds}s"
    if ! "$build/bin/fuzz_$t" "$work/corpus/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
            -artifact_prefix="$work/artifacts/$t/" -print_final_stats=1 2>"$work/fuzz_$t.log"; then
        echo "fuzz_$t found a problem; see $work/fuzz_$t.log and $work/artifacts/$t/"
        status=1
    fi
    grep -E "^(stat::number_of_executed_units|stat::new_units_added|#[0-9]+ *DONE)" "$work/fuzz_$t.log" || true
    echo "corpus: $(ls "$work/corpus/$t" | wc -l) files"
done
exit $status
