#!/usr/bin/env bash
# Checks the installed package: quadrimo-cli prepares the sample map and quadrimo shows its main
# window under Xvfb, both run from /usr/bin with the source and build folders hidden (an empty
# folder mounted over the repository in a private mount namespace, where the system allows it).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root/resources/sample/plan.jpg" "$work/"
# xwininfo (x11-utils) finds the window; Xvfb comes with the build's packages.
"$root/scripts/install-missing.sh" x11-utils
mkdir "$work/out"

cat >"$work/check.sh" <<'INNER'
set -euo pipefail
cd "$1"
[ ! -e "$2/CMakeLists.txt" ] || echo "check-installed: the repository is still visible"
/usr/bin/quadrimo-cli --quiet --title "Installed" --preview plan.jpg out
/usr/bin/quadrimo-cli --verify --quiet out
test -f out/info.js -a -f out/18_0_0.jpg -a -f out/preview.html
test -f /usr/share/man/man1/quadrimo-cli.1.gz -a -f /usr/share/applications/quadrimo.desktop
# The main window's caption names the service; wait up to 20 s for it to appear.
xvfb-run -a sh -c '
    /usr/bin/quadrimo plan.jpg & pid=$!
    for i in $(seq 100); do
        if xwininfo -root -tree | grep -q "Quadrimo - veltrana.example"; then kill $pid; exit 0; fi
        sleep 0.2
    done
    kill $pid; exit 1'
echo "check-installed: quadrimo-cli prepared the sample map and quadrimo showed its window"
INNER

if unshare --mount true 2>/dev/null; then
    unshare --mount sh -c "mount -t tmpfs none '$root' && bash '$work/check.sh' '$work' '$root'"
else
    echo "check-installed: no private mount namespace here; the repository stays visible"
    bash "$work/check.sh" "$work" "$root"
fi
