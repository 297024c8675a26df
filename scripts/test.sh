#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, then builds with warnings as errors and runs the whole test suite
# headless: once in a normal build (the benchmark and screenshot tools built too, so they keep
# compiling) and once with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
# poppler-utils: the worksheet's tests read the PDF back with pdfinfo and pdftotext.
scripts/install-deps.sh poppler-utils
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWELLGRAT_WERROR=ON -DWELLGRAT_TOOLS=ON >/dev/null
cmake --build build -j"$jobs"

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DWELLGRAT_WERROR=ON -DWELLGRAT_SANITIZE=ON >/dev/null
cmake --build build-asan -j"$jobs"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

echo "== Sanitizer build (ASan + UBSan) =="
ctest --test-dir build-asan --output-on-failure -j"$jobs"
echo "== Normal build =="
ctest --test-dir build --output-on-failure -j"$jobs"
