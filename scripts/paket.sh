#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the .deb from a Release build of its own (build-paket, without
# sanitizers) and checks it as Debian would: lintian, the AppStream and
# desktop entry validators and the MIME database, failing on any error or
# warning. The package ends up in build-paket/.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build-paket -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DBUILD_TESTING=OFF -DLASTOVAR_DEB=ON >/dev/null
cmake --build build-paket -j2
rm -f build-paket/lastovar_*.deb
(cd build-paket && cpack >/dev/null)
deb=$(echo build-paket/lastovar_*.deb)
echo "paket: $deb"

radni=$(mktemp -d)
trap 'rm -rf "$radni"' EXIT
greska() {
    echo "paket: $*" >&2
    exit 1
}

# Errors and warnings fail; a hardening tag too, though lintian counts it as
# information only. Its notice that it runs as root (as CI does) is dropped.
lintian --pedantic --display-info --fail-on error,warning "$deb" \
    2> >(grep -v 'running with root privileges' >&2) | tee "$radni/lintian"
! grep -q 'hardening-' "$radni/lintian" || greska "lintian finds the binaries not hardened"

dpkg-deb -x "$deb" "$radni/koren"
dpkg-deb -f "$deb" Depends >"$radni/zavisnosti"
for zavisnost in qt6-qpa-plugins fonts-liberation2 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 \
    libqt6svg6 libjpeg62-turbo; do
    grep -qw "$zavisnost" "$radni/zavisnosti" || greska "Depends lacks $zavisnost"
done
for datoteka in bin/lastovar bin/lastovar-cli \
    share/applications/org.lastovar.lastovar.desktop \
    share/metainfo/org.lastovar.lastovar.metainfo.xml share/mime/packages/lastovar.xml \
    share/man/man1/lastovar.1.gz share/man/man1/lastovar-cli.1.gz \
    share/doc/lastovar/copyright share/doc/lastovar/changelog.Debian.gz; do
    [ -f "$radni/koren/usr/$datoteka" ] || greska "the package lacks /usr/$datoteka"
done

# Fails on warnings as well as errors; validate-tree also pairs the
# metainfo with its desktop entry.
appstreamcli validate --no-net --pedantic "$radni/koren/usr/share/metainfo/org.lastovar.lastovar.metainfo.xml"
appstreamcli validate-tree --no-net "$radni/koren/usr"

desktop-file-validate "$radni/koren/usr/share/applications/org.lastovar.lastovar.desktop" \
    | tee "$radni/desktop"
! grep -qE 'error:|warning:' "$radni/desktop" || greska "desktop-file-validate complains"

# The MIME database built from the package's type alone: no complaint, and
# *.Lastovar is the type, a kind of text, with the program's icon.
mkdir -p "$radni/mime/packages"
cp "$radni/koren/usr/share/mime/packages/lastovar.xml" "$radni/mime/packages/"
update-mime-database "$radni/mime" 2>"$radni/mime.log" || { cat "$radni/mime.log"; greska "update-mime-database fails"; }
! grep -qiE 'warning|error|invalid' "$radni/mime.log" || { cat "$radni/mime.log"; greska "update-mime-database complains"; }
grep -qx 'application/x-lastovar:\*.lastovar' "$radni/mime/globs" || greska "no glob *.Lastovar"
grep -qx 'application/x-lastovar text/plain' "$radni/mime/subclasses" || greska "not a kind of text/plain"
grep -qx 'application/x-lastovar:lastovar' "$radni/mime/icons" || greska "no icon for the type"
echo "paket: u redu"
