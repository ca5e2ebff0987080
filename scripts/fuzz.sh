#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang and runs each for the given seconds
# (default 20) from the seed corpus in fuzz/korpus, with its dictionary from
# fuzz/recnici when it has one; new inputs go to a scratch folder, so the
# committed corpus stays as it is. One input that runs longer than 10 s
# counts as a failure, so the whole run stays bounded.
set -euo pipefail
cd "$(dirname "$0")/.."
sekundi=${1:-20}

CXX=clang++ cmake -S fuzz -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j2

radni=$(mktemp -d)
trap 'rm -rf "$radni"' EXIT
for cilj in build-fuzz/fuzz_*; do
    ime=${cilj#build-fuzz/fuzz_}
    mkdir -p "$radni/$ime"
    echo "fuzz_$ime: ${sekundi}s"
    recnik=()
    [ -f "fuzz/recnici/$ime.dict" ] && recnik=(-dict="fuzz/recnici/$ime.dict")
    kod=0
    "$cilj" -max_total_time="$sekundi" -timeout=10 -print_final_stats=1 "${recnik[@]}" \
        "$radni/$ime" "fuzz/korpus/$ime" >"$radni/$ime.log" 2>&1 || kod=$?
    grep -E '^stat::number_of_executed_units' "$radni/$ime.log" || true
    if [ "$kod" -ne 0 ]; then
        tail -n 40 "$radni/$ime.log"
        exit "$kod"
    fi
done
