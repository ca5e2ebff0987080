#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The bash completion of lastovar-cli, called as bash calls it on a Tab, in
# a folder with files of every type the program reads and writes.
#
# Usage: Dopuna.sh PROGRAM DOPUNA [OPCIJE.so]
# PROGRAM is lastovar-cli, DOPUNA the completion file. With OPCIJE.so (the
# preload that lists the options getopt_long gets) every command's options
# are checked against the program's: each one completed, no other, and
# those that take a value completed as values, the others not.
set -eo pipefail  # no -u: bash-completion is not written for it
program=$(realpath "$1")
dopuna=$(realpath "$2")
opcije=${3:+$(realpath "$3")}
# shellcheck source=/dev/null
source /usr/share/bash-completion/bash_completion
# shellcheck source=/dev/null
source "$dopuna"

radni=$(mktemp -d)
trap 'rm -rf "$radni"' EXIT
cd "$radni"
mkdir fascikla
touch a.Lastovar b.png c.pdf d.svg e.txt

# The replies to the line "lastovar-cli $1" with the cursor at its end,
# sorted, on one line. Bash splits the words at "=" too.
dopuni() {
    local linija="$program $1"
    COMP_LINE=$linija
    COMP_POINT=${#linija}
    read -ra COMP_WORDS <<<"${linija//=/ = }"
    [[ $linija == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _lastovar_cli
    ((${#COMPREPLY[@]})) && printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd ' '
    return 0
}

neuspeh=0
ocekuj() {
    local dobijeno
    dobijeno=$(dopuni "$1")
    if [ "$dobijeno" != "$2" ]; then
        echo "lastovar-cli $1<Tab>: \"$dobijeno\", expected \"$2\""
        neuspeh=1
    fi
}

# the words typed | the completions
while IFS='|' read -r linija odgovor; do
    ocekuj "$linija" "$odgovor"
done <<'SLUCAJEVI'
po|polozaj
--v|--version
izvestaj |a.Lastovar fascikla
izvestaj --csv |a.Lastovar fascikla
izvestaj --c|--crlf --csv
list |a.Lastovar c.pdf fascikla
dijagram --izlaz |b.png c.pdf d.svg fascikla
dijagram --izlaz=|b.png c.pdf d.svg fascikla
dijagram --izlaz b|b.png
dijagram --sirina |
merodavno --q-raspored |bilo-gde uz-voz
merodavno --q-raspored=u|uz-voz
merodavno --q |
merodavno --q-r|--q-raspored
nepoznata |
SLUCAJEVI

# Every command of the help, and each one's options as getopt_long gets them.
komande=$(LC_ALL=C "$program" --help | sed -n 's/^  \([a-z][a-z0-9-]*\) .*/\1/p')
[ -n "$komande" ] || { echo "no command in lastovar-cli --help"; exit 1; }
for komanda in $komande; do
    [[ " $(dopuni "") " == *" $komanda "* ]] || { echo "command $komanda not completed"; neuspeh=1; }
done
if [ -n "$opcije" ]; then
    for komanda in $komande; do
        spisak=$(ASAN_OPTIONS=verify_asan_link_order=0 LD_PRELOAD=$opcije "$program" "$komanda")
        grep -qx 'help 0' <<<"$spisak" || { echo "$komanda: no option list from $opcije"; exit 1; }
        ocekuj "$komanda --" "$(sed 's/^/--/; s/ .*//' <<<"$spisak" | sort | paste -sd ' ')"
        datoteke=$(dopuni "$komanda ")
        while read -r ime vrednost; do
            if [ "$(dopuni "$komanda --$ime ")" = "$datoteke" ]; then
                [ "$vrednost" = 0 ] || { echo "$komanda --$ime: its value is completed as a file"; neuspeh=1; }
            else
                [ "$vrednost" != 0 ] || { echo "$komanda --$ime: a flag is completed as taking a value"; neuspeh=1; }
            fi
        done <<<"$spisak"
    done
fi
exit $neuspeh
