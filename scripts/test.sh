#!/usr/bin/env bash
# Sets up and builds, then runs the whole test suite. Tests run offscreen and need no display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
ctest --test-dir build --output-on-failure -j "$(nproc)" "$@"
