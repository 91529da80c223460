#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time on a seed corpus made
# from the test data. Usage: tests/fuzz/run.sh [SECONDS_PER_TARGET] (default 60).
set -euo pipefail
seconds="${1:-60}"
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${QUADRIMO_FUZZ_BUILD:-$root/build-fuzz}"
work="$build/fuzz-work"
lock=/tmp/quadrimo-build.lock

flock "$lock" env CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DQUADRIMO_FUZZ=ON -DQUADRIMO_BUILD_TOOLS=ON >/dev/null
flock "$lock" cmake --build "$build" --target fuzz_skin_package fuzz_pack_reader fuzz_options fuzz_bmp fuzz_png quadrimo-skin

# Seed corpora from the test skin: its package, options text, bitmaps and PNG pictures.
skin="$root/tests/data/skin/basic"
for t in skin_package pack_reader options bmp png; do mkdir -p "$work/corpus/$t" "$work/artifacts/$t"; done
"$build/bin/quadrimo-skin" pack "$skin" "$work/corpus/skin_package/basic.qrv"
cp "$work/corpus/skin_package/basic.qrv" "$work/corpus/pack_reader/"
cp "$skin/Options.dat" "$work/corpus/options/"
cp "$skin"/*.bmp "$skin"/*.BMP "$work/corpus/bmp/"
cp "$skin"/*.png "$work/corpus/png/"

status=0
for t in skin_package pack_reader options bmp png; do
    echo "== fuzz_$t for ${seconds}s"
    if ! "$build/bin/fuzz_$t" "$work/corpus/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
            -artifact_prefix="$work/artifacts/$t/" -print_final_stats=1 2>"$work/fuzz_$t.log"; then
        echo "fuzz_$t found a problem; see $work/fuzz_$t.log and $work/artifacts/$t/"
        status=1
    fi
    grep -E "^(stat::number_of_executed_units|stat::new_units_added|#[0-9]+ *DONE)" "$work/fuzz_$t.log" || true
done
exit $status
