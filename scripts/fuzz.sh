#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each from
# its corpus in fuzz/korpus, with its dictionary from fuzz/recnici when it
# has one. New inputs go to a scratch folder, so the committed corpus stays
# as it is; what a run finds (crash-*, leak-*, timeout-*, oom-*) goes to
# build-fuzz/nalazi/, never into the checkout. A finding, once mended, is
# kept in fuzz/korpus/NAME/ as a regression input.
#
#   bash scripts/fuzz.sh --provera   the test script's run: every stored input
#                                    replayed, then a fixed count of inputs
#                                    made from a fixed seed, so that the
#                                    outcome is the same on every run
#   bash scripts/fuzz.sh [SECONDS]   a campaign: each target for SECONDS
#                                    (default 20) from a random seed
set -euo pipefail
cd "$(dirname "$0")/.."

# The check's count of runs per target, the stored inputs included: 10 to
# 20 s each on one core of the machine the figures were taken on.
declare -A pokretanja=([konverzija]=500000 [datoteka]=80000 [put]=30000 [dodatak]=80000)
seme=1

provera=false
sekundi=20
case "${1:-}" in
    --provera) provera=true ;;
    "") ;;
    *[!0-9]*)
        echo "upotreba: bash scripts/fuzz.sh [--provera | SEKUNDI]" >&2
        exit 64
        ;;
    *) sekundi=$1 ;;
esac

CXX=clang++ cmake -S fuzz -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j2

nalazi=build-fuzz/nalazi
mkdir -p "$nalazi"
radni=$(mktemp -d)
trap 'rm -rf "$radni"' EXIT
for cilj in build-fuzz/fuzz_*; do
    ime=${cilj#build-fuzz/fuzz_}
    mkdir -p "$radni/$ime"
    opcije=(-artifact_prefix="$nalazi/$ime-" -print_final_stats=1)
    [ -f "fuzz/recnici/$ime.dict" ] && opcije+=(-dict="fuzz/recnici/$ime.dict")
    if $provera; then
        # Nothing but the seed and the count decides: no clock ends the run
        # or rereads the scratch corpus at its ticks, no input comes near the
        # timeout, and the operands of comparisons, which hold addresses
        # that differ from run to run, are not taken up into the mutations.
        opcije+=(-seed="$seme" -runs="${pokretanja[$ime]}" -timeout=300 -reload=0 -use_cmp=0)
        echo "fuzz_$ime: korpus, pa do ${pokretanja[$ime]} pokretanja od semena $seme"
    else
        opcije+=(-max_total_time="$sekundi" -timeout=10)
        echo "fuzz_$ime: ${sekundi}s"
    fi
    kod=0
    "$cilj" "${opcije[@]}" "$radni/$ime" "fuzz/korpus/$ime" >"$radni/$ime.log" 2>&1 || kod=$?
    grep -E '^stat::number_of_executed_units|^#[0-9]+[[:space:]]+DONE' "$radni/$ime.log" || true
    if [ "$kod" -ne 0 ]; then
        # The log's end names the finding's file in build-fuzz/nalazi/.
        tail -n 40 "$radni/$ime.log"
        exit "$kod"
    fi
done
