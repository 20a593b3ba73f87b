#!/usr/bin/env bash
# Builds the program and starts it under Wine, on $DISPLAY or in a virtual framebuffer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$(nproc)" --target VeskPortMapper
source scripts/wine-env.sh
ensure_display
ensure_wine_prefix
wine build/win32/VeskPortMapper.exe
