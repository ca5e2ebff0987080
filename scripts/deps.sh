#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages that building and running the program need,
# only those missing; with --testovi also those of the tests, the fuzz run
# and the package check.
set -euo pipefail

# The build, and what the program needs at run time besides the libraries
# the -dev packages bring: Qt's platform plugins and the typeface it draws in.
paketi=(
    cmake g++ make
    qt6-base-dev qt6-svg-dev libgl-dev qt6-tools-dev qt6-l10n-tools
    libjpeg62-turbo-dev libfmt-dev libfast-float-dev
    qt6-qpa-plugins fonts-liberation2
)
testovi=(
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth python3 poppler-utils locales
    openbox xdotool x11-utils imagemagick dbus at-spi2-core gir1.2-atspi-2.0 python3-gi
    fonts-urw-base35
    clang libclang-rt-14-dev clang-format
    dpkg-dev lintian appstream desktop-file-utils shared-mime-info man-db
)
case "${1:-}" in
    "") ;;
    --testovi) paketi+=("${testovi[@]}") ;;
    *)
        echo "upotreba: bash scripts/deps.sh [--testovi]" >&2
        exit 64
        ;;
esac

nedostaju=()
for p in "${paketi[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || nedostaju+=("$p")
done
if ((${#nedostaju[@]})); then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${nedostaju[@]}"
fi
