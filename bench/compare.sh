#!/usr/bin/env bash
# Times this checkout's program against another checkout's in paired runs, side by side: the scan of the
# large tree, the clean-up of a fresh copy of the small tree, the window's longest pause, peak memory, and
# whether the two results files are byte-identical.
# Usage: bench/compare.sh OTHER_CHECKOUT   (e.g. a `git worktree add` of the commit to compare with)
# Environment: as bench/lib.sh; VORLEX_BENCH_RUNS (default 5 scans, 3 clean-ups, 3 window runs).
set -euo pipefail
source "$(dirname "$0")/lib.sh"

[ $# -eq 1 ] && [ -d "$1/src" ] || { echo "usage: $0 OTHER_CHECKOUT" >&2; exit 2; }
other=$(cd "$1" && pwd)

# Builds checkout $1 into $1/build-bench and installs its program and window bench as side $2.
build_side() {
    local root=$1 side=$2 build=$1/build-bench
    bench_log "building $root"
    cmake -S "$root" -B "$build" -DVORLEX_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build" --target vorlex_testclock vorlex_gui -j2 >/dev/null
    cmake -S "$root/bench" -B "$build/bench-tools" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVORLEX_BUILD_DIR="$build" >/dev/null
    cmake --build "$build/bench-tools" --target window_bench -j2 >/dev/null
    mkdir -p "$BENCH_DIR/$side"
    cp "$build/vorlex_testclock" "$BENCH_DIR/$side/vorlex"
    cp "$build/bench-tools/window_bench" "$BENCH_DIR/$side/"
    rm -f "$BENCH_DIR/$side/Vorlex.ini"
}

bench_setup
build_side "$other" old
build_side "$BENCH_ROOT" new
large=$(bench_tree large)
small=$(bench_tree small)
old=$BENCH_DIR/old/vorlex
new=$BENCH_DIR/new/vorlex
export LC_ALL=en_US.UTF-8 VORLEX_NO_BOXES=1

echo "== Scan of $large (TREE 0 /SCAN, a day on), in turns"
VORLEX_CLOCK_SHIFT=86400 hyperfine -N -w1 -r"${VORLEX_BENCH_RUNS:-5}" -n old "$old $large 0 /SCAN" \
    -n new "$new $large 0 /SCAN"
if cmp -s "$BENCH_DIR/old/VorlexFiles.csv" "$BENCH_DIR/new/VorlexFiles.csv"; then
    echo "Results files: byte-identical"
else
    echo "Results files: DIFFERENT"
fi
for side in old new; do
    rss=$(VORLEX_CLOCK_SHIFT=86400 /usr/bin/time -f %M "$BENCH_DIR/$side/vorlex" "$large" 0 /SCAN 2>&1 >/dev/null |
        tail -1)
    rows=$(($(wc -l <"$BENCH_DIR/$side/VorlexFiles.csv") - 1))
    echo "$side: peak $rss KiB for $rows rows"
done

echo "== Clean-up of a fresh copy of $small (TREE 30, forty days on), in turns"
copy=$BENCH_DIR/work/compare-copy
mkdir -p "$BENCH_DIR/work"
VORLEX_CLOCK_SHIFT=$((40 * 86400)) hyperfine -N -r"${VORLEX_BENCH_RUNS:-3}" \
    --prepare "bash -c 'rm -rf $copy && cp -a $small $copy && sync'" \
    -n old "$old $copy 30" -n new "$new $copy 30"
rm -rf "$copy"

echo "== Window: Scan Now over $large, longest pause of the event loop, in turns"
for round in $(seq "${VORLEX_BENCH_RUNS:-3}"); do
    for side in old new; do
        (cd "$BENCH_DIR/$side" && VORLEX_CLOCK_SHIFT=86400 QT_QPA_PLATFORM=offscreen ./window_bench "$large" 0 |
            grep -iE "longest|per row" | sed "s/^/$side round $round: /")
    done
done
