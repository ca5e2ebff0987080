#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages the build and the tests need, only those missing.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev qt6-tools-dev qt6-l10n-tools
    libjpeg62-turbo-dev libfmt-dev libfast-float-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth python3 poppler-utils
    openbox xdotool x11-utils imagemagick dbus at-spi2-core gir1.2-atspi-2.0 python3-gi
    fonts-urw-base35 fonts-liberation2
    clang libclang-rt-14-dev clang-format
    dpkg-dev lintian appstream desktop-file-utils shared-mime-info man-db
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
