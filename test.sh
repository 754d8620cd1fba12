#!/usr/bin/env bash
# Builds everything in the normal and the sanitizer build and runs every test in both.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh dev asan
ctest --preset dev
ctest --preset asan
