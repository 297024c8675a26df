#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the picture of the window shown in the README: starts the window under a virtual X
# server (Xvfb), draws one plot with "Zeichne!" and saves the window as a PNG.
#   scripts/screenshot.sh [OUTPUT.png]        default: docs/wellgrat.png
#   QT_SCALE_FACTOR=2 scripts/screenshot.sh docs/wellgrat@2x.png    the same at scale 2
#   scripts/screenshot.sh OUTPUT.png --zoom 200        at the zoom of 200 %
#   scripts/screenshot.sh OUTPUT.png --full-screen     in full screen (under a window manager)
# WELLGRAT_BUILD_DIR chooses the build directory (default: build), WELLGRAT_SCREEN the size
# of the virtual screen (default: 1280x1024).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/wellgrat.png}
[ $# -gt 0 ] && shift
extra=()
[[ " $* " == *" --full-screen "* ]] && extra=(openbox)
scripts/install-deps.sh xvfb xauth "${extra[@]}"
mkdir -p "$(dirname "$out")"
build=${WELLGRAT_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWELLGRAT_TOOLS=ON >/dev/null
cmake --build "$build" --target wellgrat_screenshot -j"$(nproc)"
# Full screen is the window manager's to grant: openbox runs beside the program.
xvfb-run -a -s "-screen 0 ${WELLGRAT_SCREEN:-1280x1024}x24" bash -c '
    [ -n "$1" ] && { "$1" >/dev/null 2>&1 & sleep 1; }
    shift; exec "$@"' _ "${extra[0]:-}" "$build/wellgrat_screenshot" "$out" "$@"
