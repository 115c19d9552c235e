#!/usr/bin/env bash
# Times the program's scan (every file listed, the CSV written) beside find, bfs, fd when installed, the
# program's bare walker and the floor walker, and prints the figures with the program's peak memory.
# Usage: bench/scan.sh [small|large|both]   (default small; large is 1,000,000 files: minutes to generate)
# Environment: see bench/lib.sh (VORLEX_BENCH_DIR, VORLEX_BENCH_RUNS, ...).
set -euo pipefail
source "$(dirname "$0")/lib.sh"

which=${1:-small}
case $which in
    small | large) presets=("$which") ;;
    both) presets=(small large) ;;
    *) echo "usage: $0 [small|large|both]" >&2; exit 2 ;;
esac

bench_setup
bench_build
for preset in "${presets[@]}"; do
    tree=$(bench_tree "$preset")
    python3 "$BENCH_SRC/bench.py" scan --tree "$tree" --bin "$BENCH_BIN" --run "$BENCH_RUN" \
        --out "$BENCH_DIR/out/scan-$preset" ${VORLEX_BENCH_RUNS:+--runs "$VORLEX_BENCH_RUNS"}
done
