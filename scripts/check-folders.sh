#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The folders of the program include each other in one direction only: lists every folder
# that includes another and fails when the includes go round in a circle (core/ counts its
# circuit/, plot/ and animation/ as folders of their own). Run by CTest.
set -euo pipefail
cd "$(dirname "$0")/.."

sources=$(git ls-files '*.cpp' '*.h' | grep -v -e '^tests/' -e '^bench/' -e '^scripts/')
edges=$(
    # shellcheck disable=SC2086
    grep -H '^#include "' $sources | awk -v files="$(git ls-files)" '
        BEGIN { n = split(files, all, "\n"); for (i = 1; i <= n; i++) exists[all[i]] = 1 }
        function folder(path, parts) {
            split(path, parts, "/")
            if (parts[1] == "core") return "core/" parts[2]
            if (index(path, "/") == 0) return "root"
            sub(/\/[^\/]*$/, "", path)
            return path
        }
        {
            file = $0; sub(/:.*/, "", file)
            include = $0; sub(/^[^"]*"/, "", include); sub(/".*/, "", include)
            # The core sees only core/; everything else sees the project root first.
            if ((file ~ /^core\// || !(include in exists)) && (("core/" include) in exists)) to = folder("core/" include)
            else if (include in exists) to = folder(include)
            else next
            from = folder(file)
            if (from != to) print from, to
        }' | sort -u
)
echo "$edges" | sed 's/ / -> /'
if ! echo "$edges" | tsort >/dev/null 2>&1; then
    echo "the folders include each other in a circle:" >&2
    echo "$edges" | tsort 2>&1 >/dev/null | grep -v 'input contains a loop' >&2 || true
    exit 1
fi
echo "no circle"
