#!/usr/bin/env bash
# Side-by-side speed and memory of quadrimo-cli (by default, and streaming with --memory-limit 100M) and
# vips dzsave on raster maps of the other kinds: a PNG and a tiled TIFF made from generated photo maps.
# Prints medians and the ratios to vips; with --huge also the peak memory of one run over a
# 100000 x 50000 tiled TIFF with --memory-limit 200M.
#
#   bench/raster.sh [--runs N] [--huge]
#
# Maps go to $QUADRIMO_BENCH_DIR (default /tmp/quadrimo-bench), outside the repository.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
. bench/common.sh

runs=3
huge=0
while [ $# -gt 0 ]; do
    case "$1" in
        --runs) runs=$2; shift 2 ;;
        --huge) huge=1; shift ;;
        *) echo "usage: bench/raster.sh [--runs N] [--huge]" >&2; exit 2 ;;
    esac
done

runs_dir=$(mktemp -d "$scratch/raster.XXXXXX")
trap 'rm -rf "$runs_dir"' EXIT

install_peers

[ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build --target quadrimo-cli quadrimo-mapgen >/dev/null
cli=$root/build/bin/quadrimo-cli
mapgen=$root/build/bin/quadrimo-mapgen


# The maps: a photo map as a PNG, and as a tiled (256 x 256, LZW) TIFF.
make_map() {
    local kind=$1 size=$2 out=$3
    [ -f "$out" ] && return
    local jpeg=$scratch/photo-$size.jpg
    [ -f "$jpeg" ] || "$mapgen" --kind photo --size "$size" --quality 90 --seed 7 "$jpeg" >/dev/null
    case $kind in
        png) vips pngsave "$jpeg" "$out" --compression 6 ;;
        tiff) vips tiffsave "$jpeg" "$out" --tile --tile-width 256 --tile-height 256 --compression lzw ;;
    esac
}

printf '%-18s %-13s %8s %8s %8s %10s %10s\n' map tool wall_s cpu_s rss_MiB "wall/vips" "rss/vips"
for kind_size in png:12000x9000 tiff:20000x15000; do
    kind=${kind_size%%:*}
    size=${kind_size#*:}
    map=$scratch/photo-$size.$kind
    make_map "$kind" "$size" "$map"
    declare -A results=([quadrimo]="" [quadrimo-100M]="" [vips]="")
    # Warm-up, then the tools alternately so that drifts of the machine hit both alike.
    for ((i = 0; i <= runs; i++)); do
        for tool in quadrimo quadrimo-100M vips; do
            out=$runs_dir/$kind-$tool-$i
            mkdir -p "$out"
            sync
            case $tool in
                quadrimo) r=$(measure "$cli" --quiet "$map" "$out") ;;
                quadrimo-100M) r=$(measure "$cli" --quiet --memory-limit 100M "$map" "$out") ;;
                vips) r=$(measure vips dzsave "$map" "$out/pyramid" --layout google --tile-size 256 --overlap 0 \
                          --suffix '.jpg[Q=75]' --region-shrink nearest) ;;
            esac
            [ "$i" -gt 0 ] && results[$tool]+="$r"$'\n'
            rm -rf "$out" &
        done
    done
    wait
    declare -A wall=() cpu=() rss=()
    for tool in quadrimo quadrimo-100M vips; do
        wall[$tool]=$(printf '%s' "${results[$tool]}" | awk '{ print $1 }' | median)
        cpu[$tool]=$(printf '%s' "${results[$tool]}" | awk '{ print $2 }' | median)
        rss[$tool]=$(printf '%s' "${results[$tool]}" | awk '{ print $3 }' | median)
    done
    for tool in quadrimo quadrimo-100M vips; do
        printf '%-18s %-13s %8.2f %8.2f %8.0f %10s %10s\n' "$kind $size" "$tool" "${wall[$tool]}" "${cpu[$tool]}" \
            "$(awk -v k="${rss[$tool]}" 'BEGIN { print k / 1024 }')" "$(ratio "${wall[$tool]}" "${wall[vips]}")" \
            "$(ratio "${rss[$tool]}" "${rss[vips]}")"
    done
    for tool in quadrimo quadrimo-100M; do
        printf '%-18s   target %s: wall <= 0.5 x vips: %s; peak below vips: %s\n' "$kind $size" "$tool" \
            "$(awk -v a="${wall[$tool]}" -v b="${wall[vips]}" 'BEGIN { print (a <= 0.5 * b) ? "holds" : "MISSED" }')" \
            "$(awk -v a="${rss[$tool]}" -v b="${rss[vips]}" 'BEGIN { print (a < b) ? "holds" : "MISSED" }')"
    done
    unset results wall cpu rss
done

if [ "$huge" -eq 1 ]; then
    # 100000 x 50000: a 25000 x 12500 photo map enlarged four times, tiled and compressed by vips.
    map=$scratch/photo-100000x50000.tiff
    if [ ! -f "$map" ]; then
        small=$scratch/photo-25000x12500.jpg
        [ -f "$small" ] || "$mapgen" --kind photo --size 25000x12500 --quality 90 --seed 7 "$small" >/dev/null
        vips resize "$small" "$map[tile,tile-width=256,tile-height=256,compression=deflate,bigtiff]" 4 --kernel nearest
    fi
    out=$runs_dir/huge
    mkdir -p "$out"
    r=$(measure "$cli" --quiet --memory-limit 200M "$map" "$out")
    read -r w c k <<<"$r"
    printf '%-18s %-13s %8.2f %8.2f %8.0f   target: peak <= 200 MiB: %s\n' "tiff 100000x50000" quadrimo-200M "$w" "$c" \
        "$(awk -v k="$k" 'BEGIN { print k / 1024 }')" "$(awk -v k="$k" 'BEGIN { print (k <= 200 * 1024) ? "holds" : "MISSED" }')"
fi
