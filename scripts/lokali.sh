#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Generates the locales the tests run under, only those missing: Serbian in
# Latin script and German, both with a decimal comma. C.UTF-8 comes with
# Debian's libc; localedef comes with the package locales (scripts/deps.sh
# --testovi installs it).
set -euo pipefail

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
# The locale's name as the tests set it, then its source in /usr/share/i18n.
for par in "sr_RS.UTF-8@latin sr_RS@latin" "de_DE.UTF-8 de_DE"; do
    read -r ime izvor <<<"$par"
    # A missing locale falls back to C, whose character map is ASCII.
    if [ "$(LC_ALL="$ime" locale charmap 2>/dev/null)" != "UTF-8" ]; then
        echo "lokali: $ime"
        $sudo localedef -i "$izvor" -f UTF-8 "$ime"
    fi
done
