#!/usr/bin/env bash
# Builds everything in the normal and the sanitizer build and runs every test
# in both, then the browser tests against the normal build.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh dev asan
ctest --preset dev
ctest --preset asan
tests/browser/run.sh build/dev
