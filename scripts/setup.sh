#!/usr/bin/env bash
# Installs the Debian packages Vorlex needs to build, run and test, and the locales the tests use.
# Quick when everything is present: it only calls apt-get for packages that are missing.
# Usage: scripts/setup.sh [run|test]   (test adds the tools the test suite reads its output with)
set -euo pipefail

mode=${1:-run}
pkgs=(build-essential cmake pkg-config qt6-base-dev libpcre2-dev libgl-dev locales)
if [ "$mode" = test ]; then
  pkgs+=(googletest libgtest-dev unrtf python3 xvfb xauth imagemagick clang clang-format libclang-rt-14-dev e2fsprogs
         x11-utils trash-cli g++-mingw-w64-x86-64-posix wine64)
fi

missing=()
for p in "${pkgs[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The collation tests compare the program's order with glibc's in these locales; the code-page tests write
# the CSV file and the log in them.
if [ "$mode" = test ]; then
  wanted=()
  for l in en_US de_DE sv_SE tr_TR cs_CZ ja_JP ru_RU; do
    locale -a 2>/dev/null | grep -qi "^$l\.utf-\?8$" || wanted+=("$l")
  done
  if [ ${#wanted[@]} -gt 0 ]; then
    echo "Generating the locales: ${wanted[*]}"
    for l in "${wanted[@]}"; do
      as_root sed -i "s/^# *$l.UTF-8 UTF-8/$l.UTF-8 UTF-8/" /etc/locale.gen
      grep -q "^$l.UTF-8 UTF-8" /etc/locale.gen || echo "$l.UTF-8 UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
    done
    as_root locale-gen >/dev/null
  fi
fi
