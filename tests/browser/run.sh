#!/usr/bin/env bash
# Runs the browser tests against a build: installs playwright-core from the
# lock file when it is not installed yet (npm ci, taking the cache first),
# then Node's test runner over the *.test.mjs files here.
# Usage: tests/browser/run.sh [build dir]   (default: build/dev)
set -euo pipefail
build="$(cd "${1:-build/dev}" && pwd)"
cd "$(dirname "$0")"
if ! cmp -s package-lock.json node_modules/.installed-lock 2>/dev/null; then
  npm ci --prefer-offline --no-audit --no-fund --loglevel=error
  cp package-lock.json node_modules/.installed-lock
fi
RECON_BUILD_DIR="$build" node --test ./*.test.mjs
