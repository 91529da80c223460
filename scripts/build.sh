#!/usr/bin/env bash
# Configures (once) and builds into build/; binaries land in build/bin/.
#   scripts/build.sh                    everything
#   scripts/build.sh quadrimo-cli ...   only these targets (and what they need)
# Arguments starting with "-" go to the first configuration (e.g. -DQUADRIMO_SANITIZE=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
options=()
targets=()
for arg in "$@"; do
    if [[ $arg == -* ]]; then options+=("$arg"); else targets+=("$arg"); fi
done
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release "${options[@]}"
if [ ${#targets[@]} -gt 0 ]; then
    cmake --build build --target "${targets[@]}"
else
    cmake --build build
fi
