#!/usr/bin/env bash
# The main job: builds if needed, prepares the demo device folder
# build/demo-device (the plug-ins, the sample interchange set on its storage
# card, a fresh map with that set imported) and starts the host with the
# browser display on 127.0.0.1, printing the page's URL. Stop it with Ctrl-C
# or the host's 終了.
#
#   ./run.sh            the browser display (port: RECON_WEB_PORT, default a free one)
#   ./run.sh --demo     the whole job as a scenario on the headless desktop, then the map as text
#   ./run.sh ARGS...    the host with ARGS on the demo device (e.g. --dump)
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh dev
darvik=build/dev/bin/darvik
device=build/demo-device
scripts/demo_device.sh build/dev "$device"

fresh_map() { rm -f "$device/Built-in Storage/Program Files/Darvik/Map/map.gpd"*; }

if [ "${1:-}" = "--demo" ]; then
  fresh_map
  "$darvik" --device "$device" --script scripts/demo.scn
  exec "$darvik" --device "$device" --dump
fi
if (($#)); then
  exec "$darvik" --device "$device" "$@"
fi
fresh_map
"$darvik" --device "$device" --script scripts/demo_import.scn >/dev/null
exec "$darvik" --device "$device" --web "${RECON_WEB_PORT:-0}"
