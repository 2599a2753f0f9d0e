#!/usr/bin/env bash
# Installs what is missing, builds Zurne and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DBUILD_TESTING=OFF >/dev/null
cmake --build build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting Zurne under Xvfb (xvfb-run)."
    exec xvfb-run -a -s "-screen 0 1280x1024x24" build/zurne "$@"
fi
exec build/zurne "$@"
