# Shared set-up of the timing scripts (sourced): reference tools, builds and the cached trees.
#
# Environment:
#   VORLEX_BENCH_DIR    trees, copies, binaries and outputs (default /var/tmp/vorlex-bench)
#   VORLEX_BENCH_BUILD  build folder of the program for the timings (default BUILD-ROOT/build-bench)
#   VORLEX_BENCH_SEED   seed of the trees (default 1)
#   VORLEX_BENCH_RUNS   timed runs per command (default: 5 for scans, 3 for deletions)

BENCH_SRC=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
BENCH_ROOT=$(dirname "$BENCH_SRC")
BENCH_DIR=${VORLEX_BENCH_DIR:-/var/tmp/vorlex-bench}
BENCH_BUILD=${VORLEX_BENCH_BUILD:-$BENCH_ROOT/build-bench}
BENCH_SEED=${VORLEX_BENCH_SEED:-1}
BENCH_BIN=$BENCH_DIR/bin
# The program's own run folder: it writes "VorlexFiles.csv" and "VorlexActivity.rtf" beside itself.
BENCH_RUN=$BENCH_DIR/run

bench_log() { printf '[bench] %s\n' "$*" >&2; }

# Installs the reference tools when missing (Debian packages bfs and hyperfine).
bench_setup() {
    local missing=() p
    for p in bfs hyperfine; do
        command -v "$p" >/dev/null 2>&1 || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        bench_log "installing ${missing[*]}"
        local sudo=
        [ "$(id -u)" -eq 0 ] || sudo=sudo
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
    fi
}

# Builds the program's test build (vorlex_testclock, tests off) and the bench tools (bench/CMakeLists.txt,
# linked against that build's libraries), then copies it into its own run folder as "vorlex". The test build
# is the program's code with a clock that VORLEX_CLOCK_SHIFT moves, so a tree written now can be old; the
# program a user runs has no such variable.
bench_build() {
    mkdir -p "$BENCH_BIN" "$BENCH_RUN"
    bench_log "building the program in $BENCH_BUILD"
    cmake -S "$BENCH_ROOT" -B "$BENCH_BUILD" -DVORLEX_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$BENCH_BUILD" --target vorlex_testclock vorlex_gui -j2 >/dev/null
    cmake -S "$BENCH_SRC" -B "$BENCH_BUILD/bench-tools" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVORLEX_BUILD_DIR="$BENCH_BUILD" >/dev/null
    cmake --build "$BENCH_BUILD/bench-tools" -j2 "$@" >/dev/null
    cp "$BENCH_BUILD/bench-tools/cwalk" "$BENCH_BUILD/bench-tools/vwalk" "$BENCH_BIN/"
    if [ -x "$BENCH_BUILD/bench-tools/window_bench" ]; then
        cp "$BENCH_BUILD/bench-tools/window_bench" "$BENCH_BIN/"
    fi
    cp "$BENCH_BUILD/vorlex_testclock" "$BENCH_RUN/vorlex"
    # No settings file: the defaults, overridden by the command line.
    rm -f "$BENCH_RUN/Vorlex.ini"
}

# Prints the path of the cached tree of PRESET (small or large), generating it first when missing.
# The trees have no hidden directories (gen_tree.py --no-hidden-dirs): a scan does not enter those, so with
# them most files would be invisible to the program and the tools would not do the same work.
bench_tree() {
    local preset=$1
    local tree=$BENCH_DIR/trees/$preset-s$BENCH_SEED
    if [ ! -d "$tree" ]; then
        mkdir -p "$BENCH_DIR/trees"
        local tmp=$tree.partial
        rm -rf "$tmp"
        bench_log "generating the $preset tree (once; cached in $tree)"
        python3 "$BENCH_SRC/gen_tree.py" "$preset" "$tmp" --seed "$BENCH_SEED" --no-hidden-dirs >&2
        sync
        mv "$tmp" "$tree"
    fi
    printf '%s\n' "$tree"
}
