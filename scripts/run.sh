#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fresh Debian 12 machine to a running program.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build -j2
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display to show the application on; printing the report of the default load case instead."
    exec build/cli/lastovar-cli izvestaj
fi
exec build/app/lastovar
