#!/usr/bin/env bash
# Installs what is missing, checks the layers (scripts/check-layers.sh), builds Vorlex and runs the whole
# test suite.
# With CI=true the build is warning-free (-Werror) and the suite runs a second time under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh" test
bash "$here/scripts/check-layers.sh"
jobs=$(nproc)
export LC_ALL=en_US.UTF-8

build_and_test() {
  local dir=$1; shift
  cmake -S "$here" -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
  (cd "$dir" && ctest --output-on-failure -j"$jobs" --timeout 600)
}

werror=OFF
[ "${CI:-}" = true ] && werror=ON

if [ "${CI:-}" = true ]; then
  echo "== Formatting (.clang-format) =="
  (cd "$here" && git ls-files -z '*.cpp' '*.h' '*.c' | xargs -0 clang-format --dry-run --Werror)
fi
build_and_test "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLEX_WERROR=$werror

if [ "${CI:-}" = true ] || [ "${VORLEX_SANITIZE:-}" = 1 ]; then
  echo "== Test suite under AddressSanitizer + UndefinedBehaviorSanitizer =="
  ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    build_and_test "$here/build-asan" -DCMAKE_BUILD_TYPE=Debug -DVORLEX_SANITIZE=ON -DVORLEX_WERROR=$werror
fi

if [ "${CI:-}" = true ] || [ "${VORLEX_FUZZ:-}" = 1 ]; then
  echo "== Fuzzers, a bounded run of each =="
  bash "$here/scripts/fuzz.sh"
fi
