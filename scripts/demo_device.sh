#!/usr/bin/env bash
# Prepares a demo device folder for the host: the built plug-ins in its
# command folder and the sample interchange set on its storage card. An
# existing folder keeps its map database and files; the plug-ins are
# replaced by the build's.
# Usage: scripts/demo_device.sh BUILD_DIR DEVICE_DIR   (relative to the caller's folder)
set -euo pipefail
build=$(realpath -m "${1:?build directory}")
device=$(realpath -m "${2:?device folder}")
cd "$(dirname "$0")/.."

commands="$device/Built-in Storage/Program Files/Darvik/Cmd"
card="$device/Storage Card"
mkdir -p "$commands" "$card" "$device/Windows"
cp "$build/lib/libReconCard.so" "$commands/ReconCard.dll"
cp "$build/lib/libReconXfer.so" "$commands/ReconXfer.dll"
for file in tests/data/interchange/*; do
  [ -e "$card/$(basename "$file")" ] || cp "$file" "$card/"
done
