#!/usr/bin/env bash
# Fails when a C++ file of the project differs from the checked-in .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
find src tests bench tools fuzz \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 clang-format --dry-run -Werror
