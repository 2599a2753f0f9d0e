#!/usr/bin/env bash
# Installs, from Debian's packages, whatever of the build and test needs is missing, then the
# W3C's HTML checker (npm's vnu-jar) into tools/vnu/, where the tests look for it.
# Only what is missing is fetched, so a second run is instant.
set -euo pipefail

packages=(
    g++ cmake ninja-build
    qt6-base-dev qt6-base-dev-tools libqt6svg6 qt6-translations-l10n
    qt6-webengine-dev libqt6webenginecore6-bin
    libx11-dev libfontconfig-dev fonts-noto-cjk breeze-icon-theme
    xvfb xauth xdotool x11-utils xclip openbox clang-format
    default-jre-headless libtidy-dev pkg-config
)
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
# npm may come with a Node.js from elsewhere, which Debian's npm package conflicts with.
command -v npm >/dev/null 2>&1 || missing+=(npm)
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get -o DPkg::Lock::Timeout=600 update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 install -y -q \
        --no-install-recommends "${missing[@]}"
fi

# The checker is for the tests only; the program never runs it.
vnu_dir="$(cd "$(dirname "$0")/.." && pwd)/tools/vnu"
if [ ! -f "$vnu_dir/node_modules/vnu-jar/build/dist/vnu.jar" ]; then
    mkdir -p "$vnu_dir"
    npm install --prefix "$vnu_dir" --no-save --no-audit --no-fund vnu-jar
fi
