#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Memory running out in every output of lastovar-cli: the real program under
# address-space limits (ulimit -v) from the least it starts with upward. Each
# run either succeeds or ends with 1 and the program's own two lines, the
# file named and "nema dovoljno memorije" (or "slika je prevelika" for an
# image too large to be had); the file that was there stays, and no
# temporary is left. Every file output must fail so at least once and
# succeed at least once.
#
# Usage: PodOgranicenjemMemorije.sh PROGRAM [sanitizer]
# A sanitizer build reserves terabytes of address space and cannot start
# under such a limit: with "sanitizer" the test is skipped (77). The test
# script runs it on the package's build, which has no sanitizers.
set -uo pipefail
program=$(realpath "$1")
if [ "${2:-}" = sanitizer ]; then
    echo "skipped: AddressSanitizer reserves terabytes of address space, so the program" \
        "cannot start under ulimit -v; scripts/test.sh runs this on the package's build"
    exit 77
fi
radni=$(mktemp -d)
trap 'rm -rf "$radni"' EXIT
cd "$radni" || exit 1

pokreni() {
    local kb=$1
    shift
    (
        ulimit -v "$kb"
        exec "$program" "$@"
    ) >izlaz 2>greske
}

# The least limit the program starts under at all: its libraries mapped and
# their initialisers run, before any code of its own.
pocetak=
for ((kb = 16384; kb <= 1048576; kb += 1024)); do
    if pokreni "$kb" --version; then
        pocetak=$kb
        break
    fi
done
[ -n "$pocetak" ] || {
    echo "the program does not start under 1 GiB"
    exit 1
}
echo "starts under ulimit -v $pocetak"

echo staro >staro
neuspeh=0
# name | arguments | the file made ("-": standard output) | its first message line
while IFS='|' read -r ime argumenti datoteka poruka; do
    uspeha=0
    bezMemorije=0
    for ((kb = pocetak; kb <= pocetak + 196608; kb += 6144)); do
        rm -f .lastovar-*
        [ "$datoteka" = - ] || cp staro "$datoteka"
        # shellcheck disable=SC2086
        pokreni "$kb" $argumenti
        kod=$?
        komanda=${argumenti%% *}
        if [ "$datoteka" = - ]; then
            ocekivano="lastovar-cli $komanda: greska pri pisanju izlaza: nema dovoljno memorije"
            drugo=$ocekivano
        else
            ocekivano=$(printf '%s\nlastovar-cli %s: %s: nema dovoljno memorije' \
                "$poruka" "$komanda" "$datoteka")
            drugo=$(printf '%s\nlastovar-cli %s: %s: slika je prevelika' \
                "$poruka" "$komanda" "$datoteka")
        fi
        greske=$(cat greske)
        if [ "$kod" = 0 ] && [ -z "$greske" ] &&
            { [ "$datoteka" = - ] || ! cmp -s staro "$datoteka"; }; then
            uspeha=$((uspeha + 1))
        elif [ "$kod" = 1 ] && { [ "$greske" = "$ocekivano" ] || [ "$greske" = "$drugo" ]; } &&
            { [ "$datoteka" = - ] || cmp -s staro "$datoteka"; }; then
            bezMemorije=$((bezMemorije + 1))
        else
            echo "$ime, ulimit -v $kb: exit $kod, standard error:"
            cat greske
            neuspeh=1
        fi
        if compgen -G '.lastovar-*' >/dev/null; then
            echo "$ime, ulimit -v $kb: a temporary was left"
            neuspeh=1
        fi
    done
    echo "$ime: $uspeha saved, $bezMemorije out of memory"
    if [ "$uspeha" = 0 ] || { [ "$datoteka" != - ] && [ "$bezMemorije" = 0 ]; }; then
        echo "$ime: not both saved and out of memory at some limit"
        neuspeh=1
    fi
done <<'SLUCAJEVI'
PDF|dijagram --tacno --izlaz o.pdf --sirina 10000 --visina 10000|o.pdf|Greska pri pokusaju snimanja slike!
SVG|dijagram --tacno --izlaz o.svg --sirina 10000 --visina 10000|o.svg|Greska pri pokusaju snimanja slike!
PNG|dijagram --tacno --izlaz o.png --sirina 3000 --visina 3000|o.png|Greska pri pokusaju snimanja slike!
polozaj|polozaj --izlaz o.svg --sirina 10000 --visina 10000|o.svg|Greska pri pokusaju snimanja slike!
list|list --tacno --oba-smera o.pdf|o.pdf|Greska pri pokusaju snimanja PDF datoteke!
CSV|tacno --csv --oba-smera|-|
SLUCAJEVI
exit "$neuspeh"
