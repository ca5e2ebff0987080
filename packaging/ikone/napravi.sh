#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the committed PNG icons from lastovar.svg (needs imagemagick); run by hand after editing the SVG.
set -euo pipefail
cd "$(dirname "$0")"
for s in 16 32 48 64 128 256; do
    convert -background none -density 300 lastovar.svg -resize "${s}x${s}" -depth 8 "lastovar-$s.png"
done
