#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages that building and running the program need,
# only when some are missing: the Build-Depends of debian/control, the one
# list of what the build needs, and the binary package's own Depends (Qt's
# platform plugins, the typeface the program draws in). With --testovi also
# those of the tests, the fuzz run and the package check.
set -euo pipefail
cd "$(dirname "$0")/.."

testovi=(
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth python3 poppler-utils locales
    openbox xdotool x11-utils imagemagick dbus at-spi2-core gir1.2-atspi-2.0 python3-gi
    fonts-urw-base35
    clang libclang-rt-14-dev clang-format
    lintian appstream desktop-file-utils shared-mime-info man-db autopkgtest diffoscope-minimal
)
case "${1:-}" in
    "") testovi=() ;;
    --testovi) ;;
    *)
        echo "upotreba: bash scripts/deps.sh [--testovi]" >&2
        exit 64
        ;;
esac

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
azurirano=""
apt() {
    [ -n "$azurirano" ] || $sudo apt-get update -qq
    azurirano=1
    DEBIAN_FRONTEND=noninteractive $sudo apt-get -y -qq --no-install-recommends "$@"
}
nedostaje() {
    ! dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

# dpkg-checkbuilddeps comes with dpkg-dev, which build-essential (among
# what build-dep installs) brings.
if ! command -v dpkg-checkbuilddeps >/dev/null || ! dpkg-checkbuilddeps 2>/dev/null; then
    apt build-dep ./
fi

# The packages the binary package depends on by name; the libraries it
# links are there with their -dev packages.
zavisnosti=$(perl -MDpkg::Control::Info -e \
    'print Dpkg::Control::Info->new("debian/control")->get_pkg_by_name("lastovar")->{Depends}')
paketi=("${testovi[@]}")
for zavisnost in ${zavisnosti//,/ }; do
    [[ $zavisnost == \$\{* ]] || paketi+=("$zavisnost")
done

nedostaju=()
for p in "${paketi[@]}"; do
    if nedostaje "$p"; then nedostaju+=("$p"); fi
done
if ((${#nedostaju[@]})); then
    apt install "${nedostaju[@]}"
fi
