#!/usr/bin/env bash
# Runs every test suite of a build folder whole, one process a suite, two at a time; prints a failing
# suite's output and fails if any suite fails. CTest starts one process per test, which under the
# sanitizers costs more than the tests themselves (a GUI suite's start takes a fifth of a second);
# the sanitizer build in CI runs its suites this way.
#   scripts/run-suites.sh BUILD_FOLDER
set -euo pipefail
build=$(cd "${1:?usage: scripts/run-suites.sh BUILD_FOLDER}" && pwd)
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT

run_suite() {
    local suite=$1 name
    name=$(basename "$suite")
    # GUI suites need the offscreen platform; the others ignore it. The programs the suites start
    # are found beside them.
    if (cd "$build/tests" && QT_QPA_PLATFORM=offscreen "$suite" >"$logs/$name.log" 2>&1); then
        echo "run-suites: $name passed: $(grep -m1 -E '^\[  PASSED  \]' "$logs/$name.log" || true)"
    else
        echo "run-suites: $name FAILED:"
        grep -E '^\[  FAILED  \]|Failure|ERROR: AddressSanitizer|runtime error' "$logs/$name.log" | head -40
        tail -30 "$logs/$name.log"
        return 1
    fi
}
export -f run_suite
export build logs

# The longest suites first, so that the two lanes end together.
ls -S "$build"/bin/*_tests | xargs -P 2 -I{} bash -c 'run_suite "$@"' _ {}
