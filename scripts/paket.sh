#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages as Debian does and checks them, failing on any
# error or warning: the source package from the tree, then its binary
# packages twice, from two unpacked copies in two folders at two times under
# another time zone, locale and umask, which must give byte-identical .debs;
# lintian on both, the AppStream, desktop entry and MIME checks, and the
# autopkgtest of debian/tests on this machine, which installs the package,
# runs the tests and purges it again. Everything ends up in build-paket/,
# the first build's packages in build-paket/1/.
set -euo pipefail
cd "$(dirname "$0")/.."
izvor=$PWD
verzija=$(dpkg-parsechangelog -S Version)
arhitektura=$(dpkg --print-architecture)

rm -rf build-paket
mkdir -p build-paket
cd build-paket
greska() {
    echo "paket: $*" >&2
    exit 1
}
# Lintian's notice that it runs as root (as CI does) is dropped.
lintian_pedantic() {
    lintian --pedantic --display-info --fail-on error,warning "$@" \
        2> >(grep -v 'running with root privileges' >&2)
}

# The source package: the tree, less its build folders (debian/source/options).
dpkg-source -b "$izvor" 2> >(grep -v "is not <sourcepackage>-<upstreamversion>" >&2)
dsc=lastovar_$verzija.dsc
! tar -tf "lastovar_$verzija.tar.xz" | grep -E '/(build[^/]*|obj-[^/]*)/' ||
    greska "the source package holds build folders"
lintian_pedantic "$dsc"

# The same source built twice, each time unpacked anew into a folder of its
# own, so that the second build has nothing of the first.
gradi() {
    local folder=$1
    shift
    mkdir "$folder"
    dpkg-source -x "$dsc" "$folder/lastovar-$verzija" >/dev/null
    echo "paket: building in build-paket/$folder"
    (cd "$folder/lastovar-$verzija" && env "$@" dpkg-buildpackage -us -uc -b -Jauto >../gradnja.log 2>&1) ||
        { tail -n 40 "$folder/gradnja.log"; greska "dpkg-buildpackage fails in $folder"; }
}
pocetak=$(date +%s)
gradi 1 TZ=UTC LC_ALL=C.UTF-8
echo "paket: the build took $(($(date +%s) - pocetak)) s"
(umask 0002 && gradi druga-gradnja-u-drugom-folderu TZ=XYZ-14 LC_ALL=sr_RS.UTF-8@latin)

# Byte for byte the same packages, the debug symbols' among them.
for deb in 1/*.deb; do
    drugi=druga-gradnja-u-drugom-folderu/${deb#1/}
    [ -f "$drugi" ] || greska "the second build has no ${deb#1/}"
    if ! cmp -s "$deb" "$drugi"; then
        sha256sum "$deb" "$drugi"
        if command -v diffoscope >/dev/null; then diffoscope "$deb" "$drugi" || true; fi
        greska "${deb#1/} differs between two builds: not reproducible"
    fi
done
echo "paket: two builds, identical: $(cd 1 && sha256sum ./*.deb | tr '\n' ' ')"

deb=1/lastovar_${verzija}_$arhitektura.deb
[ -f "1/lastovar-dbgsym_${verzija}_$arhitektura.deb" ] || greska "no package of debug symbols"
lintian_pedantic "1/lastovar_${verzija}_$arhitektura.changes" | tee lintian.log
# A hardening tag fails too, though lintian counts it as information only.
! grep -q 'hardening-' lintian.log || greska "lintian finds the binaries not hardened"

koren=koren
dpkg-deb -x "$deb" "$koren"
dpkg-deb -f "$deb" Depends >zavisnosti
for zavisnost in qt6-qpa-plugins fonts-liberation2 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 \
    libqt6svg6 libjpeg62-turbo; do
    grep -qw "$zavisnost" zavisnosti || greska "Depends lacks $zavisnost"
done
for datoteka in bin/lastovar bin/lastovar-cli \
    share/applications/org.lastovar.lastovar.desktop \
    share/metainfo/org.lastovar.lastovar.metainfo.xml share/mime/packages/lastovar.xml \
    share/icons/hicolor/scalable/apps/lastovar.svg share/icons/hicolor/48x48/apps/lastovar.png \
    share/man/man1/lastovar.1.gz share/man/man1/lastovar-cli.1.gz \
    share/bash-completion/completions/lastovar-cli share/lastovar/modeli/en1991-2-lm1.model \
    share/doc/lastovar/copyright share/doc/lastovar/changelog.gz; do
    [ -f "$koren/usr/$datoteka" ] || greska "the package lacks /usr/$datoteka"
done

# Fails on warnings as well as errors; validate-tree also pairs the
# metainfo with its desktop entry.
appstreamcli validate --no-net --pedantic "$koren/usr/share/metainfo/org.lastovar.lastovar.metainfo.xml"
appstreamcli validate-tree --no-net "$koren/usr"

desktop-file-validate "$koren/usr/share/applications/org.lastovar.lastovar.desktop" | tee desktop.log
! grep -qE 'error:|warning:' desktop.log || greska "desktop-file-validate complains"

# The MIME database built from the package's type alone: no complaint, and
# *.Lastovar is the type, a kind of text, with the program's icon.
mkdir -p mime/packages
cp "$koren/usr/share/mime/packages/lastovar.xml" mime/packages/
update-mime-database mime 2>mime.log || { cat mime.log; greska "update-mime-database fails"; }
! grep -qiE 'warning|error|invalid' mime.log || { cat mime.log; greska "update-mime-database complains"; }
grep -qx 'application/x-lastovar:\*.lastovar' mime/globs || greska "no glob *.Lastovar"
grep -qx 'application/x-lastovar text/plain' mime/subclasses || greska "not a kind of text/plain"
grep -qx 'application/x-lastovar:lastovar' mime/icons || greska "no icon for the type"

# The autopkgtest on this machine ("null"): installs the package and what
# the tests depend on, runs debian/tests from the unpacked source.
autopkgtest --no-built-binaries "1/lastovar-$verzija" "$deb" -- null
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get purge -y -qq lastovar >/dev/null
while read -r datoteka; do
    [ ! -e "/$datoteka" ] || greska "/$datoteka stays after purge"
done < <(dpkg-deb --fsys-tarfile "$deb" | tar -t | sed -n 's|^\./||; /[^/]$/p')
echo "paket: u redu"
