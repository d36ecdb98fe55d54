#!/usr/bin/env bash
# Installs, with apt-get and only where missing, what the build and the tests need.
set -euo pipefail

packages=(cmake ninja-build g++ clang libclang-rt-14-dev qt6-base-dev qt6-multimedia-dev
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          libgtest-dev libgmock-dev libbenchmark-dev zlib1g-dev libxkbcommon-dev xvfb xauth
          fonts-liberation python3 xdotool libcsv-dev strace time
          pkg-config libxlsxwriter-dev libzip-dev python3-openpyxl libicu-dev
          lintian desktop-file-utils appstream help2man dpkg-dev man-db
          at-spi2-core dbus-daemon python3-pyatspi clang-tidy)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=""
    if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
