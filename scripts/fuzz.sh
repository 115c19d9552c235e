#!/usr/bin/env bash
# Builds the libFuzzer targets of the core with clang (folder build-fuzz, no Qt needed) and runs each one for
# a bounded time on a copy of its seed corpus; fails when any target finds a crash, a leak, undefined
# behaviour, a failed check or a slow input.
# Usage: scripts/fuzz.sh [target...]   (targets: mask settings listfile rtf csv cmdline regex; default all)
# FUZZ_SECONDS sets the time per target (default 45). Findings are kept in build-fuzz/runs/<target>/.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${FUZZ_SECONDS:-45}
build="$here/build-fuzz"
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(mask settings listfile rtf csv cmdline regex)

if ! command -v clang++ >/dev/null; then
  echo "fuzz.sh: clang++ is missing (Debian: clang libclang-rt-14-dev)" >&2
  exit 1
fi

CC=clang CXX=clang++ cmake -S "$here" -B "$build" -DVORLEX_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target "${targets[@]/%/_fuzzer}" -j"$(nproc)"

export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
failed=()
for t in "${targets[@]}"; do
  run="$build/runs/$t"
  rm -rf "$run"
  mkdir -p "$run/corpus"
  cp "$here/fuzz/corpus/$t/"* "$run/corpus/"
  echo "== $t: fuzzing for ${seconds}s =="
  # One job in one worker process; the worker writes its output to fuzz-0.log in the current folder.
  if (cd "$run" && "$build/fuzz/${t}_fuzzer" -jobs=1 -workers=1 -max_total_time="$seconds" -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$run/" corpus >/dev/null 2>&1); then
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)' "$run/fuzz-0.log" || true
  else
    echo "!! $t failed; its output is in $run/fuzz-0.log, the input that failed in $run/" >&2
    grep -E 'check failed|runtime error|ERROR: |SUMMARY|Test unit written' "$run/fuzz-0.log" >&2 || true
    failed+=("$t")
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzing found problems in: ${failed[*]}" >&2
  exit 1
fi
echo "Fuzzing: no findings in ${targets[*]}"
