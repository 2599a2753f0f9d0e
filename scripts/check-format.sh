#!/usr/bin/env bash
# Fails when a C++ file of the project differs from the checked-in .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
