#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fresh Debian 12 machine to a passing test run: packages, the locales the tests run under, a
# sanitizer build and the browser edition, every test headless (the page's in chromium), the fuzz
# targets on their corpus from a fixed seed, the .deb built and checked, and its lastovar-cli under
# memory limits. Every step decides the same way on every run.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh --testovi
bash scripts/lokali.sh
bash scripts/format.sh
bash scripts/web.sh --izgradi
# The test libraries are required here: a test run must never skip its tests.
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DLASTOVAR_SANITIZE=ON -DLASTOVAR_WERROR=ON \
    -DCMAKE_REQUIRE_FIND_PACKAGE_GTest=ON -DCMAKE_REQUIRE_FIND_PACKAGE_benchmark=ON \
    -DLASTOVAR_WEB_STRANA="$PWD/build-web/web" -DLASTOVAR_WEB_NODE_MODULI="$PWD/build-web/npm/node_modules"
cmake --build build-test -j2
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-test -j2 --output-on-failure
bash scripts/fuzz.sh --provera
bash scripts/paket.sh
# Memory running out, tested on the package's build: a sanitizer build
# cannot start under an address-space limit.
bash tests/cli/PodOgranicenjemMemorije.sh build-paket/cli/lastovar-cli
