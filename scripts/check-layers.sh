#!/usr/bin/env bash
# Checks the layers of src/: each folder includes only the layers below it, the core includes neither Qt
# nor operating-system headers, and only the platform layer reads the environment or links.
# Layers, lowest first: base, platform, scan, then report, cleanup and config, then the UI-free part of app,
# then the windows (ui, gui) or, in a build without Qt, the console start (console).
# Usage: scripts/check-layers.sh   (exit status 1 and one line per breach when a rule is broken)
set -euo pipefail
cd "$(dirname "$0")/../src"

status=0
breach() {
  echo "check-layers: $1" >&2
  status=1
}

# The source files of folder $1.
core_files() {
  [ -d "$1" ] || return 0
  find "$1" -name '*.cpp' -o -name '*.h'
}

# Project headers each core folder may include besides its own.
declare -A allowed=(
  [base]=''
  [platform]='base'
  [scan]='base platform'
  [report]='base platform scan'
  [cleanup]='base platform scan'
  [config]='base platform scan'
  [app]='base platform scan report cleanup config'
  [console]='base platform scan report cleanup config app'
)

# Qt and the system's own headers: the platform layer alone calls the operating system.
os_headers='Q[A-Za-z]*|sys/.*|unistd\.h|fcntl\.h|dirent\.h|pthread\.h|signal\.h|spawn\.h|poll\.h|pwd\.h|grp\.h'
os_headers+='|dlfcn\.h|termios\.h|langinfo\.h|execinfo\.h|iconv\.h|linux/.*|asm/.*|bits/.*|x86intrin\.h'

for layer in "${!allowed[@]}"; do
  while IFS= read -r file; do
    [ -n "$file" ] || continue
    while IFS= read -r line; do
      header=${line#*\"}
      header=${header%%\"*}
      top=${header%%/*}
      [ "$header" = "$top" ] && continue
      if [ "$top" != "$layer" ] && [[ " ${allowed[$layer]} " != *" $top "* ]]; then
        breach "src/$file includes \"$header\", above or beside the $layer layer"
      fi
      if [ "$layer" != platform ] && [[ "$header" == platform/posix/* ]]; then
        breach "src/$file includes \"$header\", inside the platform layer"
      fi
    done < <(grep -E '^\s*#\s*include\s*"' "$file" || true)
    if [ "$layer" != platform ]; then
      while IFS= read -r hit; do
        breach "src/$file: $hit (Qt or operating-system header in the core)"
      done < <(grep -nE "^\s*#\s*include\s*<($os_headers)>" "$file" || true)
    fi
  done < <(core_files "$layer")
done

# Outside the platform layer nothing reads the environment or a link itself.
while IFS= read -r hit; do
  breach "src/$hit (environment and links are read through the platform layer)"
done < <(grep -rnE '\b(getenv|secure_getenv|readlink|readlinkat|environ)\b' --include='*.cpp' --include='*.h' . |
  sed 's|^\./||' | grep -v '^platform/' || true)

if [ "$status" -eq 0 ]; then
  echo "check-layers: the layers hold"
fi
exit "$status"
