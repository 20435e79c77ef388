#!/usr/bin/env bash
# Start-up to the first visible window: Tavessa against Geany (another Qt-free
# desktop editor a school machine may have), side by side under one virtual
# display, alternating, median of RUNS each. Needs Xvfb, xdotool and geany.
#
#   benchmarks/bench_startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-11}
tavessa=$(realpath "$build/tavessa")

display=:${STARTUP_DISPLAY:-97}
Xvfb $display -screen 0 1366x768x24 >/dev/null 2>&1 &
xvfb=$!
home=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$home"' EXIT
export DISPLAY=$display HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data
sleep 1

# Milliseconds from the start of COMMAND to its first mapped window whose
# name matches PATTERN.
first_window_ms() {
    local pattern=$1
    shift
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    local pid=$!
    local tries=0
    until xdotool search --onlyvisible --name "$pattern" >/dev/null 2>&1; do
        sleep 0.005
        if ((++tries > 4000)); then
            echo "no window '$pattern' after 20 s" >&2
            break
        fi
    done
    end=$(date +%s%N)
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null || true
    echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR + 1) / 2)]}'; }

ours=()
theirs=()
for ((i = 0; i < runs + 1; i++)); do
    t=$(first_window_ms 'Tavessa' "$tavessa")
    g=$(first_window_ms 'Geany' geany --new-instance --no-session --no-plugins)
    [ -n "${STARTUP_VERBOSE:-}" ] && echo "run $i: Tavessa $t ms, Geany $g ms" >&2
    # The first pair only warms the caches.
    [ "$i" -eq 0 ] && continue
    ours+=("$t")
    theirs+=("$g")
done
t=$(printf '%s\n' "${ours[@]}" | median)
g=$(printf '%s\n' "${theirs[@]}" | median)
echo "first visible window, median of $runs: Tavessa $t ms, Geany $g ms (ratio $(awk "BEGIN {printf \"%.2f\", $t / $g}"))"
