#!/usr/bin/env bash
# Installs what is missing, builds Zurne with its tests and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build-test -G Ninja -DBUILD_TESTING=ON >/dev/null
cmake --build build-test
cd build-test
ctest --output-on-failure -j2
