#!/usr/bin/env bash
# Side-by-side speed and memory of quadrimo-cli, vips dzsave and the decode-plus-encode limit on three
# generated maps. Prints a table of medians and the ratios quadrimo / vips and quadrimo / limit.
#
#   bench/compare.sh [--runs N] [--sizes "5000x3000 12000x9000 20000x15000"]
#
# Maps go to $QUADRIMO_BENCH_DIR (default /tmp/quadrimo-bench), outside the repository; outputs to
# $QUADRIMO_BENCH_OUT (default the same folder).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

runs=3
sizes="5000x3000 12000x9000 20000x15000"
while [ $# -gt 0 ]; do
    case "$1" in
        --runs) runs=$2; shift 2 ;;
        --sizes) sizes=$2; shift 2 ;;
        *) echo "usage: bench/compare.sh [--runs N] [--sizes \"WxH ...\"]" >&2; exit 2 ;;
    esac
done

scratch=${QUADRIMO_BENCH_DIR:-/tmp/quadrimo-bench}
outputs=${QUADRIMO_BENCH_OUT:-$scratch}
mkdir -p "$scratch" "$outputs"
runs_dir=$(mktemp -d "$outputs/compare.XXXXXX")
trap 'rm -rf "$runs_dir"' EXIT

need=()
command -v vips >/dev/null || need+=(libvips-tools)
[ -x /usr/bin/time ] || need+=(time)
if [ ${#need[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${need[@]}"
fi

./scripts/setup.sh
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build --target quadrimo-cli quadrimo-limit quadrimo-mapgen >/dev/null
cli=$root/build/bin/quadrimo-cli
limit=$root/build/bin/quadrimo-limit
mapgen=$root/build/bin/quadrimo-mapgen

# One measured run: prints "wall cpu maxrss_kib" of the command.
measure() {
    local log
    log=$(mktemp)
    /usr/bin/time -v "$@" >/dev/null 2>"$log" || { cat "$log" >&2; rm -f "$log"; return 1; }
    awk -F': ' '
        /Elapsed \(wall clock\)/ { n = split($2, t, ":"); wall = (n == 3) ? t[1]*3600 + t[2]*60 + t[3] : t[1]*60 + t[2] }
        /User time/ { user = $2 } /System time/ { sys = $2 } /Maximum resident/ { rss = $2 }
        END { printf "%.3f %.3f %d\n", wall, user + sys, rss }' "$log"
    rm -f "$log"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

printf '%-12s %-9s %9s %9s %10s %13s %13s\n' map tool wall_s cpu_s rss_MiB "wall/vips" "wall/limit"
for size in $sizes; do
    w=${size%x*}
    h=${size#*x}
    map=$scratch/map-$size.jpg
    [ -f "$map" ] || "$mapgen" --kind photo --size "$size" --quality 90 --seed 7 "$map"
    declare -A results=()
    for tool in quadrimo vips limit; do results[$tool]=""; done
    # Warm-up, then the tools alternately so that drifts of the machine hit all of them alike.
    for ((i = 0; i <= runs; i++)); do
        for tool in quadrimo vips limit; do
            # Every run writes into a folder of its own and nothing is removed until the end: deleting
            # thousands of tiles makes the file system slow to create new files for minutes after
            # (it passes over the recently freed entries), which would time the harness, not the tools.
            out=$runs_dir/$size-$tool-$i
            mkdir -p "$out"
            sync
            case $tool in
                quadrimo) r=$(measure "$cli" --quiet "$map" "$out") ;;
                vips) r=$(measure vips dzsave "$map" "$out/pyramid" --layout google --tile-size 256 --overlap 0 \
                          --suffix '.jpg[Q=75]' --region-shrink nearest) ;;
                limit) r=$(measure "$limit" "$map") ;;
            esac
            [ "$i" -gt 0 ] && results[$tool]+="$r"$'\n'
        done
    done
    declare -A wall=() cpu=() rss=()
    for tool in quadrimo vips limit; do
        wall[$tool]=$(printf '%s' "${results[$tool]}" | awk '{ print $1 }' | median)
        cpu[$tool]=$(printf '%s' "${results[$tool]}" | awk '{ print $2 }' | median)
        rss[$tool]=$(printf '%s' "${results[$tool]}" | awk '{ print $3 }' | median)
    done
    canvas_mib=$(awk -v w="$w" -v h="$h" 'BEGIN { printf "%.0f", (int(w / 256) + 1) * 256 * (int(h / 256) + 1) * 256 * 3 / 1048576 }')
    for tool in quadrimo vips limit; do
        printf '%-12s %-9s %9.2f %9.2f %10.0f %13.2f %13.2f\n' "$size" "$tool" "${wall[$tool]}" "${cpu[$tool]}" \
            "$(awk -v k="${rss[$tool]}" 'BEGIN { print k / 1024 }')" \
            "$(awk -v a="${wall[$tool]}" -v b="${wall[vips]}" 'BEGIN { print a / b }')" \
            "$(awk -v a="${wall[$tool]}" -v b="${wall[limit]}" 'BEGIN { print a / b }')"
    done
    printf '%-12s %-9s memory target: rss <= 1.1 x canvas (%s MiB) + 64 MiB = %s MiB\n' "$size" "" "$canvas_mib" \
        "$(awk -v c="$canvas_mib" 'BEGIN { printf "%.0f", 1.1 * c + 64 }')"
    unset results wall cpu rss
done
