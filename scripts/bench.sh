#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the benchmark in Release and runs it twice: headless
# (offscreen) and under Xvfb, where a refresh really goes to a display server. Extra
# arguments go to the benchmark (--runs N, --starts N, --cases 1234567). Exits non-zero when
# a target does not hold.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh xvfb xauth
build=build-bench
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DWELLGRAT_TOOLS=ON >/dev/null
cmake --build "$build" --target wellgrat_bench wellgrat_startup_probe wellgrat_bare_probe -j"$(nproc)"

if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
    export XDG_RUNTIME_DIR
fi
export LC_ALL=C.UTF-8
status=0
echo "== Headless (QT_QPA_PLATFORM=offscreen) =="
QT_QPA_PLATFORM=offscreen "$build/bench/wellgrat_bench" "$@" || status=1
echo
echo "== Under Xvfb (QT_QPA_PLATFORM=xcb) =="
xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb "$build/bench/wellgrat_bench" "$@" || status=1
exit $status
