#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the picture of the window shown in the README: starts the window under a virtual X
# server (Xvfb), draws one plot with "Zeichne!" and saves the window as a PNG.
#   scripts/screenshot.sh [OUTPUT.png]        default: docs/wellgrat.png
#   QT_SCALE_FACTOR=2 scripts/screenshot.sh docs/wellgrat@2x.png    the same at scale 2
# WELLGRAT_BUILD_DIR chooses the build directory (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh xvfb xauth
out=${1:-docs/wellgrat.png}
mkdir -p "$(dirname "$out")"
build=${WELLGRAT_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWELLGRAT_TOOLS=ON >/dev/null
cmake --build "$build" --target wellgrat_screenshot -j"$(nproc)"
xvfb-run -a -s "-screen 0 1280x1024x24" "$build/wellgrat_screenshot" "$out"
