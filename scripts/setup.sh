#!/usr/bin/env bash
# Installs the Debian packages the project needs (once) and configures and builds a preset.
# Usage: scripts/setup.sh [preset...]   (default: dev)
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake ninja-build pkg-config ccache
          libgtest-dev libgmock-dev libbenchmark-dev libsqlite3-dev libcpp-httplib-dev)
# The browser tests (tests/browser): Debian's Chromium, a font with Japanese
# glyphs and Node.js, without the extras a desktop would want.
browser_packages=(chromium fonts-noto-cjk)
# Appends to the array named first the packages among the others that are not installed.
collect_missing() {
  local -n into=$1
  shift
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || into+=("$p")
  done
}
missing=()
collect_missing missing "${packages[@]}"
browser_missing=()
collect_missing browser_missing "${browser_packages[@]}"
command -v node >/dev/null || browser_missing+=(nodejs)
command -v npm >/dev/null || browser_missing+=(npm)
if ((${#missing[@]} + ${#browser_missing[@]})); then
  echo "setup: installing ${missing[*]} ${browser_missing[*]}"
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  if ((${#missing[@]})); then
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
  fi
  if ((${#browser_missing[@]})); then
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${browser_missing[@]}"
  fi
fi

export CCACHE_NOHASHDIR=1
presets=("$@"); ((${#presets[@]})) || presets=(dev)
for preset in "${presets[@]}"; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
