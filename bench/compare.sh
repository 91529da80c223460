#!/usr/bin/env bash
# Side-by-side speed and memory of quadrimo-cli (by default, which streams; with --pipeline in-memory
# where the canvas fits; with --memory-limit 200M), vips dzsave and the decode-plus-encode limit on
# generated maps. Prints a table of medians, the ratios to vips, to the limit, to the floor and to
# quadrimo's default run, and each map's targets with their outcome. The floor is what decoding and
# encoding alone set: max(decode, (decode + encode) / cores), from a decode alone with the map's
# decoder settings and the encode of every tile alone on one thread (quadrimo-limit MAP 1).
#
#   bench/compare.sh [--runs N] [--sizes "5000x3000 12000x9000 20000x15000 48000x36000"]
#
# Maps go to $QUADRIMO_BENCH_DIR (default /tmp/quadrimo-bench), outside the repository; outputs to
# $QUADRIMO_BENCH_OUT (default the same folder). $QUADRIMO_BENCH_BASELINE names another build's
# quadrimo-cli (an earlier commit) to time beside this one, as baseline and baseline-200M.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
. bench/common.sh

runs=3
sizes="5000x3000 12000x9000 20000x15000 48000x36000"
tools="quadrimo quadrimo-200M vips limit"
baseline=${QUADRIMO_BENCH_BASELINE:-}
[ -z "$baseline" ] || tools="$tools baseline baseline-200M"
while [ $# -gt 0 ]; do
    case "$1" in
        --runs) runs=$2; shift 2 ;;
        --sizes) sizes=$2; shift 2 ;;
        *) echo "usage: bench/compare.sh [--runs N] [--sizes \"WxH ...\"]" >&2; exit 2 ;;
    esac
done

outputs=${QUADRIMO_BENCH_OUT:-$scratch}
mkdir -p "$outputs"
runs_dir=$(mktemp -d "$outputs/compare.XXXXXX")
trap 'rm -rf "$runs_dir"' EXIT

install_peers

./scripts/setup.sh
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build --target quadrimo-cli quadrimo-limit quadrimo-mapgen >/dev/null
cli=$root/build/bin/quadrimo-cli
limit=$root/build/bin/quadrimo-limit
mapgen=$root/build/bin/quadrimo-mapgen


printf '%-12s %-14s %8s %8s %8s %10s %11s %11s %14s\n' map tool wall_s cpu_s rss_MiB "wall/vips" "wall/limit" \
    "wall/floor" "wall/quadrimo"
for size in $sizes; do
    w=${size%x*}
    h=${size#*x}
    map=$scratch/map-$size.jpg
    # Photo maps are painted and written strip by strip: a 48000 x 36000 map needs no picture of 5 GiB.
    [ -f "$map" ] || "$mapgen" --kind photo --size "$size" --quality 90 --seed 7 "$map" >/dev/null
    canvas_mib=$(awk -v w="$w" -v h="$h" 'BEGIN { printf "%.0f", (int(w / 256) + 1) * 256 * (int(h / 256) + 1) * 256 * 3 / 1048576 }')
    size_tools=$tools
    [ "$canvas_mib" -ge 900 ] || size_tools="quadrimo quadrimo-inmem ${tools#quadrimo }"
    # The floor: decode alone and every tile's encode alone, medians of the runs after a warm-up.
    floor_runs=""
    for ((i = 0; i <= runs; i++)); do
        line=$("$limit" "$map" 1)
        [ "$i" -gt 0 ] && floor_runs+="$(printf '%s' "$line" | sed -E 's/^decode ([0-9.]+) s, encode [0-9]+ tiles ([0-9.]+) s.*/\1 \2/')"$'\n'
    done
    decode_s=$(printf '%s' "$floor_runs" | awk '{ print $1 }' | median)
    encode_s=$(printf '%s' "$floor_runs" | awk '{ print $2 }' | median)
    cores=$(nproc)
    floor_s=$(awk -v d="$decode_s" -v e="$encode_s" -v c="$cores" 'BEGIN { f = (d + e) / c; printf "%.3f", (d > f) ? d : f }')
    printf '%-12s floor %s s: decode %s s, encode %s s on one thread, %s cores\n' "$size" "$floor_s" "$decode_s" \
        "$encode_s" "$cores"
    declare -A results=()
    for tool in $size_tools; do results[$tool]=""; done
    # Warm-up, then the tools alternately so that drifts of the machine hit all of them alike.
    for ((i = 0; i <= runs; i++)); do
        for tool in $size_tools; do
            # Every run writes into a folder of its own and nothing is removed until the end: deleting
            # thousands of tiles makes the file system slow to create new files for minutes after
            # (it passes over the recently freed entries), which would time the harness, not the tools.
            out=$runs_dir/$size-$tool-$i
            mkdir -p "$out"
            sync
            case $tool in
                quadrimo) r=$(measure "$cli" --quiet "$map" "$out") ;;
                quadrimo-inmem) r=$(measure "$cli" --quiet --pipeline in-memory "$map" "$out") ;;
                quadrimo-200M) r=$(measure "$cli" --quiet --memory-limit 200M "$map" "$out") ;;
                vips) r=$(measure vips dzsave "$map" "$out/pyramid" --layout google --tile-size 256 --overlap 0 \
                          --suffix '.jpg[Q=75]' --region-shrink nearest) ;;
                limit) r=$(measure "$limit" "$map") ;;
                baseline) r=$(measure "$baseline" --quiet "$map" "$out") ;;
                baseline-200M) r=$(measure "$baseline" --quiet --memory-limit 200M "$map" "$out") ;;
            esac
            [ "$i" -gt 0 ] && results[$tool]+="$r"$'\n'
        done
    done
    declare -A wall=() cpu=() rss=()
    for tool in $size_tools; do
        wall[$tool]=$(printf '%s' "${results[$tool]}" | awk '{ print $1 }' | median)
        cpu[$tool]=$(printf '%s' "${results[$tool]}" | awk '{ print $2 }' | median)
        rss[$tool]=$(printf '%s' "${results[$tool]}" | awk '{ print $3 }' | median)
    done
    for tool in $size_tools; do
        printf '%-12s %-14s %8.2f %8.2f %8.0f %10s %11s %11s %14s\n' "$size" "$tool" "${wall[$tool]}" "${cpu[$tool]}" \
            "$(awk -v k="${rss[$tool]}" 'BEGIN { print k / 1024 }')" "$(ratio "${wall[$tool]}" "${wall[vips]}")" \
            "$(ratio "${wall[$tool]}" "${wall[limit]}")" "$(ratio "${wall[$tool]}" "$floor_s")" \
            "$(ratio "${wall[$tool]}" "${wall[quadrimo]}")"
    done
    # The targets: the default run near the floor in little memory (and no slower than the baseline's
    # streaming run, when one is timed); in memory while the canvas fits; within 200 MiB with the limit.
    verdict() { awk -v v="$1" -v t="$2" 'BEGIN { print (v <= t) ? "holds" : "MISSED" }'; }
    rss_q=$(awk -v k="${rss[quadrimo]}" 'BEGIN { printf "%.0f", k / 1024 }')
    rss_s=$(awk -v k="${rss[quadrimo-200M]}" 'BEGIN { printf "%.0f", k / 1024 }')
    printf '%-12s   target: quadrimo wall %s s <= 1.5 x floor = %s s: %s\n' "$size" "${wall[quadrimo]}" \
        "$(awk -v f="$floor_s" 'BEGIN { printf "%.2f", 1.5 * f }')" \
        "$(verdict "${wall[quadrimo]}" "$(awk -v f="$floor_s" 'BEGIN { print 1.5 * f }')")"
    printf '%-12s   target: quadrimo rss %s MiB <= 128 MiB: %s\n' "$size" "$rss_q" "$(verdict "$rss_q" 128)"
    if [ -n "$baseline" ]; then
        printf '%-12s   target: quadrimo wall %s s <= 1.1 x baseline-200M (%s s): %s\n' "$size" "${wall[quadrimo]}" \
            "${wall[baseline-200M]}" "$(verdict "${wall[quadrimo]}" "$(awk -v b="${wall[baseline-200M]}" 'BEGIN { print 1.1 * b }')")"
    fi
    if [ "$canvas_mib" -lt 900 ]; then
        rss_m=$(awk -v k="${rss[quadrimo-inmem]}" 'BEGIN { printf "%.0f", k / 1024 }')
        limit_mib=$(awk -v c="$canvas_mib" 'BEGIN { printf "%.0f", 1.1 * c + 64 }')
        printf '%-12s   target: quadrimo-inmem rss %s MiB <= 1.1 x canvas (%s MiB) + 64 MiB = %s MiB: %s\n' "$size" \
            "$rss_m" "$canvas_mib" "$limit_mib" "$(verdict "$rss_m" "$limit_mib")"
    fi
    printf '%-12s   target: quadrimo-200M rss %s MiB <= 200 MiB: %s\n' "$size" "$rss_s" "$(verdict "$rss_s" 200)"
    printf '%-12s   quadrimo %s x vips, quadrimo-200M %s x vips and %s x quadrimo\n' "$size" \
        "$(ratio "${wall[quadrimo]}" "${wall[vips]}")" "$(ratio "${wall[quadrimo-200M]}" "${wall[vips]}")" \
        "$(ratio "${wall[quadrimo-200M]}" "${wall[quadrimo]}")"
    unset results wall cpu rss
done
