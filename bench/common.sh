# Sourced by the benchmark scripts: the scratch folder, the peers they compare with, and measuring.

scratch=${QUADRIMO_BENCH_DIR:-/tmp/quadrimo-bench}
mkdir -p "$scratch"

# Installs vips (the peer) and GNU time where missing.
install_peers() {
    local need=() sudo=""
    command -v vips >/dev/null || need+=(libvips-tools)
    [ -x /usr/bin/time ] || need+=(time)
    [ ${#need[@]} -gt 0 ] || return 0
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${need[@]}"
}

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
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
