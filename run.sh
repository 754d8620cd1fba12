#!/usr/bin/env bash
# The main job: builds if needed and runs the platform's demo on the headless desktop.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh dev
exec build/dev/bin/platform_demo "$@"
