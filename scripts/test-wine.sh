#!/usr/bin/env bash
# Cross-builds the Windows program (MinGW-w64) and tests it under Wine: the Windows test suite (portable core
# tests and the win32 platform layer), then end-to-end runs of vorlex.exe on trees in the Wine prefix's drive C:.
# Usage: scripts/test-wine.sh   (scripts/test.sh runs it with CI=true or VORLEX_WINE=1)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${VORLEX_WIN_BUILD:-$here/build-win}
werror=OFF
[ "${CI:-}" = true ] && werror=ON

echo "== Windows build (x86_64-w64-mingw32) =="
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S "$here" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORLEX_WERROR=$werror "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)" --target vorlex win_tests wintool

export PATH=/usr/lib/wine:$PATH WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
WINEPREFIX=$(mktemp -d /tmp/vorlex-wine.XXXXXX)
export WINEPREFIX
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
wine64 wineboot -i >/dev/null 2>&1

echo "== Windows tests under Wine =="
wine64 "$build/tests/win/win_tests.exe" --gtest_brief=1

echo "== vorlex.exe under Wine =="
c=$WINEPREFIX/drive_c
tool() { wine64 "$build/tests/win/wintool.exe" "$@"; }
# The program lives in C:\Vorlex, where its settings, list and report files go.
mkdir -p "$c/Vorlex"
cp "$build/vorlex.exe" "$c/Vorlex/"
cp -r "$build/VorlexHelp" "$c/Vorlex/"
csv=$c/Vorlex/VorlexFiles.csv
rtf=$c/Vorlex/VorlexActivity.rtf
failures=0
check() {  # check DESCRIPTION COMMAND...: a failed check is reported and counted, the others still run
  if "${@:2}"; then echo "ok: $1"; else echo "FAILED: $1"; failures=$((failures + 1)); fi
}
vorlex() {  # vorlex ARGS...: runs the program, its exit code in $rc, its standard error in $err
  rc=0
  err=$(wine64 'C:\Vorlex\vorlex.exe' "$@" 2>&1 >/dev/null) || rc=$?
}
make_file() {  # make_file NAME CREATED MODIFIED (Unix seconds) under C:\e2e
  mkdir -p "$(dirname "$c/e2e/$1")"
  printf 'content of %s\n' "$1" >"$c/e2e/$1"
  tool times "C:\\e2e\\${1//\//\\}" "$2" "$3"
}
csv_has() {  # csv_has PATH STATUS: a row of the CSV (decoded in the ANSI code page) has this path and status
  python3 - "$csv" "$acp" "$1" "$2" <<'EOF'
import csv, io, sys
text = open(sys.argv[1], 'rb').read().decode('cp' + sys.argv[2])
rows = list(csv.reader(io.StringIO(text, newline='')))
sys.exit(0 if any(r[0] == sys.argv[3] and r[-1] == sys.argv[4] for r in rows[1:]) else 1)
EOF
}
gone() { [ ! -e "$c/e2e/$1" ]; }
kept() { [ -e "$c/e2e/$1" ]; }
acp=$(tool acp | tr -d '\r')
now=$(date +%s)
old=$((now - 100 * 86400))
recent=$((now - 5 * 86400))

# Age: created and last-write time must both be older than the days given.
rm -rf "$c/e2e"
make_file old.txt $old $old
make_file recent.txt $recent $recent
make_file created-recent.txt $recent $old
make_file written-recent.txt $old $recent
vorlex 'C:\e2e' 30 /NODIR
check "age run exits 0" [ "$rc" = 0 ]
check "old file deleted" gone old.txt
check "recent file kept" kept recent.txt
check "file written recently kept" kept written-recent.txt
# Wine on a Linux file system keeps no creation time of its own (it reports the last-write time): the case
# of a file created recently but written long ago is tried only where the creation time sticks.
make_file probe.txt $old $recent
if [ "$(tool created 'C:\e2e\probe.txt' | tr -d '\r')" = "$old" ]; then
  check "file created recently kept" kept created-recent.txt
else
  echo "skipped: a file created recently: the creation time cannot be set apart from the last-write time here"
fi

# Masks and the expression.
rm -rf "$c/e2e"
for f in a1.log a2.txt keep.log sub/b3.log; do make_file "$f" $old $old; done
# The folder names an environment variable, %NAME% as on Windows.
vorlex '%SystemDrive%\e2e' 30 /I "*.log" /E "keep*" /SCAN
check "scan exits 0" [ "$rc" = 0 ]
check "include mask lists a1.log" csv_has 'C:/e2e/a1.log' Found
check "include mask lists sub/b3.log" csv_has 'C:/e2e/sub/b3.log' Found
check "include mask leaves a2.txt" eval '! csv_has C:/e2e/a2.txt Found'
check "exclude mask leaves keep.log" eval '! csv_has C:/e2e/keep.log Found'
check "scan deletes nothing" kept a1.log
vorlex 'C:\e2e' 30 /R '^a\d\.' /F /NODIR
check "expression run deletes a1.log and a2.txt" eval 'gone a1.log && gone a2.txt'
check "expression run keeps keep.log and sub/b3.log" eval 'kept keep.log && kept sub/b3.log'

# Read-only and hidden files are deleted; a hidden folder is not entered; a file held open is in use.
rm -rf "$c/e2e"
for f in readonly.txt hidden.txt hid/inner.txt busy.txt "café.txt"; do make_file "$f" $old $old; done
tool attrib 'C:\e2e\readonly.txt' +R
tool attrib 'C:\e2e\hidden.txt' +H
tool attrib 'C:\e2e\hid' +H
fifo=$(mktemp -u)
mkfifo "$fifo"
wine64 "$build/tests/win/wintool.exe" hold 'C:\e2e\busy.txt' 20 >"$fifo" &
holder=$!
read -r _ <"$fifo"
rm -f "$fifo"
vorlex 'C:\e2e' 30 /NODIR
kill "$holder" 2>/dev/null || true
wait "$holder" 2>/dev/null || true
check "read-only file deleted" gone readonly.txt
check "hidden file deleted" gone hidden.txt
check "hidden folder not entered" kept hid/inner.txt
check "file held open kept" kept busy.txt
check "file held open is NOT Deleted in the CSV" csv_has 'C:/e2e/busy.txt' 'NOT Deleted'
check "CSV in code page $acp holds the accented name" csv_has 'C:/e2e/café.txt' Deleted
log=$(unrtf --text "$rtf" 2>/dev/null)
check "RTF log read back by unrtf" grep -q "Could not delete C:/e2e/busy.txt" <<<"$log"
check "RTF log ends with Finished." grep -q "Finished\." <<<"$log"
check "RTF log keeps its colours" grep -q 'font color' <<<"$(unrtf --html "$rtf" 2>/dev/null)"

# The program's own files are known by identity (volume serial and file ID) and never deleted, old or not.
rm -rf "$c/e2e"
mkdir -p "$c/e2e/prog"
cp "$build/vorlex.exe" "$c/e2e/prog/"
cp -r "$build/VorlexHelp" "$c/e2e/prog/"
for f in prog/vorlex.exe prog/VorlexHelp/index.html; do tool times "C:\\e2e\\${f//\//\\}" $old $old; done
make_file junk.txt $old $old
rc=0
wine64 'C:\e2e\prog\vorlex.exe' 'C:\e2e' 30 >/dev/null 2>&1 || rc=$?
check "run over its own folder exits 0" [ "$rc" = 0 ]
check "old file beside the program's folder deleted" gone junk.txt
check "the program file kept" kept prog/vorlex.exe
check "the help pages kept" kept prog/VorlexHelp/index.html

# Refused runs.
vorlex 'C:\no such folder' 30
check "missing folder exits 1" [ "$rc" = 1 ]
check "missing folder says so on stderr" grep -q "cannot be found" <<<"$err"
vorlex 'C:\e2e' abc
check "invalid days exits 1" [ "$rc" = 1 ]
vorlex
check "interactive start refused with exit 1" [ "$rc" = 1 ]
check "interactive start says why" grep -q "command line only" <<<"$err"
echo "skipped: reparse points in a walk and POSIX delete semantics: Wine shows neither as Windows does"

[ "$failures" = 0 ] || { echo "$failures end-to-end checks failed"; exit 1; }
echo "All end-to-end checks passed."
