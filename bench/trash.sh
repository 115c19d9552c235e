#!/usr/bin/env bash
# Times moving 100,000 files to the trash (/TRASH) beside deleting them, on the same file system: a tree of
# 100 directories of 1,000 files, a fresh copy per run (cp -a and sync, not timed), the home trash on the
# tree's file system (HOME points beside it), empty directories kept (/NODIR) so that only the files count.
# Prints the median whole run, the median scan-only run and their difference (the pass itself) side by side,
# then the median of each round's own ratios (steadier on a machine whose load drifts).
# Usage: bench/trash.sh   Environment: see bench/lib.sh (VORLEX_BENCH_DIR, VORLEX_BENCH_BUILD, VORLEX_BENCH_RUNS).
set -euo pipefail
source "$(dirname "$0")/lib.sh"

runs=${VORLEX_BENCH_RUNS:-3}
files_per_dir=1000
dirs=100

mkdir -p "$BENCH_RUN" "$BENCH_DIR/trees" "$BENCH_DIR/work"
bench_log "building vorlex_testclock in $BENCH_BUILD"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S "$BENCH_ROOT" -B "$BENCH_BUILD" -DVORLEX_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build "$BENCH_BUILD" --target vorlex_testclock -j2 >/dev/null
cp "$BENCH_BUILD/vorlex_testclock" "$BENCH_RUN/vorlex"
rm -f "$BENCH_RUN/Vorlex.ini"

tree=$BENCH_DIR/trees/flat-$dirs-$files_per_dir
if [ ! -d "$tree" ]; then
    bench_log "generating $tree (once)"
    python3 - "$tree.partial" "$dirs" "$files_per_dir" <<'EOF'
import os, sys
root, dirs, per = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
for d in range(dirs):
    os.makedirs(f"{root}/d{d:03}", exist_ok=True)
    for f in range(per):
        with open(f"{root}/d{d:03}/file {f:04}.log", "wb") as out:
            out.write(b"x" * 100)
EOF
    mv "$tree.partial" "$tree"
fi

work=$BENCH_DIR/work/trash
home=$BENCH_DIR/work/trash-home
shift_env=VORLEX_CLOCK_SHIFT=$((40 * 86400))

# Seconds of one run of the program with the extra arguments "$@" on a fresh copy of the tree.
timed_run() {
    rm -rf "$work" "$home"
    cp -a "$tree" "$work"
    mkdir -p "$home"
    sync
    local start end
    start=$(date +%s.%N)
    env "$shift_env" HOME="$home" XDG_DATA_HOME= VORLEX_NO_BOXES=1 "$BENCH_RUN/vorlex" "$work" 30 /NODIR "$@" \
        >/dev/null 2>&1 || { bench_log "run failed: $*"; exit 1; }
    end=$(date +%s.%N)
    python3 -c "print(f'{$end - $start:.3f}')"
}

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR + 1) / 2)]}'; }

declare -a scan del trash
for ((i = 0; i < runs; i++)); do
    scan+=("$(timed_run /SCAN)")
    del+=("$(timed_run)")
    trash+=("$(timed_run /TRASH)")
    left=$(find "$work" -type f | wc -l)
    moved=$(find "$home/.local/share/Trash/files" -type f | wc -l)
    bench_log "round $((i + 1)): scan ${scan[-1]} s, delete ${del[-1]} s, trash ${trash[-1]} s ($moved moved, $left left)"
done
rm -rf "$work" "$home"

s=$(median "${scan[@]}")
d=$(median "${del[@]}")
t=$(median "${trash[@]}")
python3 - "$s" "$d" "$t" "$runs" "$((dirs * files_per_dir))" "${scan[*]}" "${del[*]}" "${trash[*]}" <<'EOF'
import statistics, sys
s, d, t = map(float, sys.argv[1:4])
runs, files = sys.argv[4], int(sys.argv[5])
rounds = list(zip(*(map(float, a.split()) for a in sys.argv[6:9])))
print(f"{files:,} files, median of {runs} runs (seconds)")
print(f"{'':24}{'delete':>10}{'trash':>10}{'trash/delete':>14}")
print(f"{'whole run':24}{d:10.3f}{t:10.3f}{t / d:14.2f}")
dp, tp = d - s, t - s
print(f"{'pass (run - /SCAN run)':24}{dp:10.3f}{tp:10.3f}{(tp / dp if dp > 0 else float('nan')):14.2f}")
print(f"{'files per second (pass)':24}{files / dp:10.0f}{files / tp:10.0f}")
print(f"scan-only run: {s:.3f}")
# The three runs of a round follow each other, so their ratios see the same load on the machine.
whole = statistics.median(tr / de for _, de, tr in rounds)
passes = statistics.median((tr - sc) / (de - sc) for sc, de, tr in rounds if de > sc)
print(f"median of the rounds' own ratios: whole run {whole:.2f}, pass {passes:.2f}")
EOF
