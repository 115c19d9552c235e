#!/usr/bin/env bash
# Times the program's scan and clean-up (every file listed and deleted, then the emptied directories) beside
# find -delete on identical copies of a tree, and the deletion pass alone (whole run minus a scan-only run).
# Usage: bench/delete.sh [small|large|both]   (default small)
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
    python3 "$BENCH_SRC/bench.py" delete --tree "$tree" --bin "$BENCH_BIN" --run "$BENCH_RUN" \
        --out "$BENCH_DIR/out/delete-$preset" --work "$BENCH_DIR/work" \
        ${VORLEX_BENCH_RUNS:+--runs "$VORLEX_BENCH_RUNS"}
done
