#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The long robustness soak: 100,000 random actions of an impatient class on the real window,
# headless. The short soak of the test suite (tests/tst_soak.cpp) is the same test with
# fewer actions.
#
#   scripts/soak.sh [--asan] [SEED] [ACTIONS]
#
#   --asan    run it in the AddressSanitizer/UndefinedBehaviorSanitizer build (build-asan/)
#   SEED      seed of the random generator (default 20240611, the one of the test suite)
#   ACTIONS   number of actions (default 100000)
#
# WELLGRAT_BUILD_DIR chooses another build directory. A failing run prints its seed and its
# last actions; run the same seed with the printed number of actions to replay it, and with
# WELLGRAT_SOAK_ABORT=1 under a debugger to stop right at the fault.
set -euo pipefail
cd "$(dirname "$0")/.."

asan=0
if [[ ${1:-} == --asan ]]; then
    asan=1
    shift
fi
seed=${1:-20240611}
actions=${2:-100000}

if ((asan)); then
    build=${WELLGRAT_BUILD_DIR:-build-asan}
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DWELLGRAT_SANITIZE=ON >/dev/null
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
    build=${WELLGRAT_BUILD_DIR:-build}
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target tst_soak

export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
export WELLGRAT_SOAK_SEED=$seed WELLGRAT_SOAK_ACTIONS=$actions
# Qt Test ends a test function after 5 minutes by default; the long soak takes longer.
export QTEST_FUNCTION_TIMEOUT=${QTEST_FUNCTION_TIMEOUT:-86400000}
echo "== Soak: $actions actions, seed $seed, build $build =="
start=$SECONDS
status=0
"$build/tests/tst_soak" -maxwarnings 0 || status=$?
echo "== Soak $( ((status == 0)) && echo passed || echo FAILED ) in $((SECONDS - start)) s =="
exit "$status"
