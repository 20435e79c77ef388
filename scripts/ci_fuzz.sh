#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (under AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each one for a bounded time over its
# seeds and what earlier runs found. A crash, a broken property, a hang, a
# leak or running out of memory fails the run; every target runs either way,
# and the executions of each are printed. The build folder is reused.
#   BUILD_DIR     build folder (build-fuzz)
#   FUZZ_SECONDS  time per target (60)
#   FUZZ_TARGETS  names to run, separated by blanks (all)
#   JOBS          parallel compile jobs (all cores)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build_dir=${BUILD_DIR:-build-fuzz}
seconds=${FUZZ_SECONDS:-60}
jobs=${JOBS:-$(nproc)}

./scripts/setup.sh
clangxx=$(command -v clang++ || true)
if [[ -z "$clangxx" ]]; then
    echo "ci_fuzz: clang++ is missing" >&2
    exit 1
fi
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_CXX_COMPILER="$clangxx" -DTAVESSA_FUZZ=ON >/dev/null
cmake --build "$build_dir" -j "$jobs" --target tavessa_fuzz_targets

# Any undefined behaviour ends the run as a crash, with the input kept.
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
fuzz_dir=$build_dir/fuzz
artifacts=$fuzz_dir/artifacts
mkdir -p "$artifacts"
failed=()
while read -r name corpus options; do
    [[ -n "$name" ]] || continue
    if [[ -n "${FUZZ_TARGETS:-}" && " $FUZZ_TARGETS " != *" $name "* ]]; then
        continue
    fi
    mkdir -p "$fuzz_dir/corpus_$corpus"
    log=$fuzz_dir/$name.log
    status=0
    # -timeout: one input taking longer than this is a hang.
    # shellcheck disable=SC2086 # the options are separate words
    "$fuzz_dir/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -detect_leaks=1 -print_final_stats=1 -artifact_prefix="$artifacts/$name-" \
        $options "$fuzz_dir/corpus_$corpus" "$root/fuzz/corpus/$corpus" >"$log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    if ((status == 0)); then
        echo "ci_fuzz: $name: ${runs:-?} executions in ${seconds} s, nothing found"
    else
        echo "ci_fuzz: $name FAILED (status $status); the input is in $artifacts:" >&2
        grep -E 'ERROR|property broken|runtime error|SUMMARY' "$log" | head -n 20 >&2 || true
        failed+=("$name")
    fi
done <"$fuzz_dir/fuzz_targets.txt"

if ((${#failed[@]})); then
    echo "ci_fuzz: failed: ${failed[*]}" >&2
    exit 1
fi
