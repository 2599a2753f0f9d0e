#!/usr/bin/env bash
# Runs clang-tidy (Debian's clang-tidy) with the checks of .clang-tidy over every source file
# of src/, on the compile commands of a build folder of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-tidy -G Ninja -DBUILD_TESTING=OFF -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
cmake --build build-tidy --target zurne zurne-preview >/dev/null # generated moc and ui headers
run-clang-tidy -quiet -p build-tidy -j "$(nproc)" "$PWD/src/.*\.cpp" 2>/dev/null
