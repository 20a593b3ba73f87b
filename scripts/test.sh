#!/usr/bin/env bash
# Builds everything and runs every test: the native core's unit tests, then the Windows
# build's tests under Wine. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
jobs=$(nproc)

echo "== native build and unit tests"
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
ctest --preset native -j "$jobs"

echo "== win32 build and tests under Wine"
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$jobs"
source scripts/wine-env.sh
ensure_display
trap '[ -n "${VESK_XVFB_PID:-}" ] && kill "$VESK_XVFB_PID" 2>/dev/null; true' EXIT
ensure_wine_prefix
ctest --preset win32
