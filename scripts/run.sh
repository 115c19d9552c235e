#!/usr/bin/env bash
# Installs what is missing, builds Vorlex and starts it; arguments are passed on to the program.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh" run
cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$here/build" --target vorlex -j"$(nproc)" >/dev/null
exec "$here/build/vorlex" "$@"
