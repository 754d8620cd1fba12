#!/usr/bin/env bash
# The main job: builds if needed, prepares the demo device folder
# build/demo-device (the plug-ins and the sample interchange set on its
# storage card) and runs the host on it through the demo scenario
# scripts/demo.scn on the headless desktop (import, a card recorded on the
# map, the list, export), then prints the map database.
# Extra arguments go to the host instead: ./run.sh --dump
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh dev
device=build/demo-device
scripts/demo_device.sh build/dev "$device"
if (($#)); then
  exec build/dev/bin/darvik --device "$device" "$@"
fi
rm -f "$device/Built-in Storage/Program Files/Darvik/Map/map.gpd"*
build/dev/bin/darvik --device "$device" --script scripts/demo.scn
build/dev/bin/darvik --device "$device" --dump
