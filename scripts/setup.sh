#!/usr/bin/env bash
# Installs the Debian packages Vorlex needs to build, run and test, and the en_US.UTF-8 locale the tests use.
# Quick when everything is present: it only calls apt-get for packages that are missing.
# Usage: scripts/setup.sh [run|test]   (test adds the tools the test suite reads its output with)
set -euo pipefail

mode=${1:-run}
pkgs=(build-essential cmake pkg-config qt6-base-dev libpcre2-dev libgl-dev locales)
if [ "$mode" = test ]; then
  pkgs+=(googletest libgtest-dev unrtf python3 xvfb xauth imagemagick clang clang-format libclang-rt-14-dev e2fsprogs)
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

if [ "$mode" = test ] && ! locale -a 2>/dev/null | grep -qi '^en_US\.utf-\?8$'; then
  echo "Generating the en_US.UTF-8 locale"
  as_root sed -i 's/^# *en_US.UTF-8 UTF-8/en_US.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^en_US.UTF-8 UTF-8' /etc/locale.gen || echo 'en_US.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen >/dev/null
fi
