#!/usr/bin/env bash
# Installs, from Debian's packages, whatever of the build and test needs is missing.
# Only packages that dpkg does not report as installed are fetched, so a second run is instant.
set -euo pipefail

packages=(
    g++ cmake ninja-build
    qt6-base-dev qt6-base-dev-tools libqt6svg6 qt6-translations-l10n
    qt6-webengine-dev libqt6webenginecore6-bin
    libx11-dev fonts-noto-cjk breeze-icon-theme
    xvfb xauth xdotool x11-utils xclip openbox clang-format
)
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get -o DPkg::Lock::Timeout=600 update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 install -y -q \
    --no-install-recommends "${missing[@]}"
