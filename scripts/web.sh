#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fresh Debian 12 machine to the browser edition: the packages it needs,
# the page built into build-web/web, the tests' npm packages from their
# lockfile, then the page served on this machine only.
#   bash scripts/web.sh             build, then serve http://127.0.0.1:8000/ until Ctrl+C
#   bash scripts/web.sh --izgradi   build only (the test script's way)
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake make emscripten libfmt-dev libfast-float-dev chromium chromium-driver python3)
# Node and npm as the machine has them (Debian's nodejs and npm, or another Node with its npm).
command -v node > /dev/null || packages+=(nodejs)
command -v npm > /dev/null || packages+=(npm)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake --preset web
cmake --build --preset web

npm_dir=build-web/npm
mkdir -p "$npm_dir"
if ! cmp -s tests/web/package-lock.json "$npm_dir/package-lock.json" || [ ! -d "$npm_dir/node_modules" ]; then
    cp tests/web/package.json tests/web/package-lock.json "$npm_dir/"
    (cd "$npm_dir" && npm ci --no-audit --no-fund --ignore-scripts)
fi

if [ "${1:-}" != "--izgradi" ]; then
    echo "The page: build-web/web/index.html (opens from disk too), served at http://127.0.0.1:8000/"
    exec python3 -m http.server --bind 127.0.0.1 8000 --directory build-web/web
fi
