#!/usr/bin/env bash
# Fresh Debian 12 machine to a running program.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DLASTOVAR_TESTS=OFF -DLASTOVAR_BENCH=OFF
cmake --build build -j2
exec build/cli/lastovar-cli izvestaj
