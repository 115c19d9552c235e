#!/usr/bin/env bash
# Drives the real main window offscreen over a tree (default: the 1,000,000-file one): Scan Now with every
# file listed, the longest stall of the event loop, the time to sort and show the rows and their memory.
# Usage: bench/window.sh [large|small]
# Environment: see bench/lib.sh (VORLEX_BENCH_DIR, ...).
set -euo pipefail
source "$(dirname "$0")/lib.sh"

preset=${1:-large}
case $preset in
    small | large) ;;
    *) echo "usage: $0 [large|small]" >&2; exit 2 ;;
esac

bench_build
tree=$(bench_tree "$preset")
run=$BENCH_DIR/window-run
mkdir -p "$run"
rm -f "$run/Vorlex.ini"
cd "$run"
# A day on: every file of the tree is old for "0 days".
VORLEX_CLOCK_SHIFT=86400 QT_QPA_PLATFORM=offscreen LC_ALL=${LC_ALL:-en_US.UTF-8} \
    "$BENCH_BIN/window_bench" "$tree" 0
