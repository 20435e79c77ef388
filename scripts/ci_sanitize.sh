#!/usr/bin/env bash
# Builds the whole suite with AddressSanitizer and UndefinedBehaviorSanitizer
# (and so LeakSanitizer) and runs it; any report fails the run. The build folder
# is reused when it is there.
#   BUILD_DIR  build folder (build-asan)
#   JOBS       parallel compile and test jobs (all cores)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build_dir=${BUILD_DIR:-build-asan}
jobs=${JOBS:-$(nproc)}

./scripts/setup.sh
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAVESSA_SANITIZE=ON >/dev/null
cmake --build "$build_dir" -j "$jobs"

# Every report ends the process with a failure status (the build also stops
# on the first undefined behaviour). Leaks are reported at exit; only Qt's and
# fontconfig's own start-up allocations are suppressed.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1:exitcode=23:strict_init_order=1:check_initialization_order=1:detect_invalid_pointer_pairs=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"

cd "$build_dir"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs"
