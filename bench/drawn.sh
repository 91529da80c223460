#!/usr/bin/env bash
# The drawn kinds: time per megapixel of all levels together for a plan drawing as PDF and as SVG, the
# renderer's share of it (every level drawn alone, no encoding), and the peak memory of a PDF page
# drawn 65536 pixels wide. Prints medians.
#
#   bench/drawn.sh [--runs N] [--widths "9933 19866"]
#
# Drawings and outputs go to $QUADRIMO_BENCH_DIR (default /tmp/quadrimo-bench), outside the repository.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
. bench/common.sh

runs=3
widths="9933 19866"
while [ $# -gt 0 ]; do
    case "$1" in
        --runs) runs=$2; shift 2 ;;
        --widths) widths=$2; shift 2 ;;
        *) echo "usage: bench/drawn.sh [--runs N] [--widths \"W ...\"]" >&2; exit 2 ;;
    esac
done

work=$(mktemp -d "$scratch/drawn.XXXXXX")
trap 'rm -rf "$work"' EXIT

[ -x /usr/bin/time ] || { echo "drawn.sh: needs /usr/bin/time (Debian's time)" >&2; exit 2; }
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build --target quadrimo-drawbench >/dev/null
tool=$root/build/bin/quadrimo-drawbench

# "seconds megapixels peak_kib" of one run of the tool.
measure() {
    local log out
    log=$(mktemp)
    out=$(/usr/bin/time -f "%M" "$tool" "$@" 2>"$log") || { cat "$log" >&2; rm -f "$log"; return 1; }
    echo "$out $(tail -1 "$log")"
    rm -f "$log"
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

"$tool" plan "$work/plan.pdf"
"$tool" plan "$work/plan.svg"

printf '%-5s %7s %9s %9s %10s %9s %8s\n' kind width megapix run_s s_per_MP render_s share
for kind in pdf svg; do
    for width in $widths; do
        : >"$work/run" ; : >"$work/render"
        for ((i = 0; i < runs; i++)); do
            rm -rf "$work/out"; mkdir "$work/out"
            measure prepare "$work/plan.$kind" "$width" "$work/out" >>"$work/run"
            measure render "$work/plan.$kind" "$width" >>"$work/render"
        done
        mp=$(awk 'NR == 1 { print $2 }' "$work/run")
        run=$(awk '{ print $1 }' "$work/run" | median)
        render=$(awk '{ print $1 }' "$work/render" | median)
        awk -v k="$kind" -v w="$width" -v mp="$mp" -v r="$run" -v d="$render" \
            'BEGIN { printf "%-5s %7d %9.1f %9.2f %10.4f %9.2f %7.0f%%\n", k, w, mp, r, r / mp, d, 100 * d / r }'
    done
done

# The peak of a page drawn 65536 pixels wide (the target: 200 MiB).
rm -rf "$work/out"; mkdir "$work/out"
read -r seconds mp peak < <(measure prepare "$work/plan.pdf" 65536 "$work/out")
awk -v s="$seconds" -v mp="$mp" -v p="$peak" \
    'BEGIN { printf "pdf 65536 px wide: %.1f MP in %.1f s, peak %.1f MiB (target 200 MiB)\n", mp, s, p / 1024 }'
