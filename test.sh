#!/usr/bin/env bash
# Installs what is missing, builds Zurne with its tests and benchmarks (the benchmarks are
# built, not run, so a change that breaks them fails here) and runs every test headless: the
# QtTest programs and the end-to-end scenarios, then the same tests built with the address and
# undefined-behaviour sanitizers. `./test.sh --quick` leaves out the sanitizer run.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/check-format.sh

run_tests() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja -DBUILD_TESTING=ON -DZURNE_WERROR=ON "$@" >/dev/null
    cmake --build "$dir"
    (cd "$dir" && ctest --output-on-failure -j2)
}

run_tests build-test -DZURNE_BENCH=ON
if [ "${1:-}" != "--quick" ]; then
    run_tests build-sanitize -DZURNE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
fi
