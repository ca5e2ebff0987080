#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that every C++ file of the tree is formatted by .clang-format; with
# --fix formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t datoteke < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${datoteke[@]}"
else
    clang-format --dry-run --Werror "${datoteke[@]}"
fi
