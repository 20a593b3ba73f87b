#!/usr/bin/env bash
# Builds everything and runs every test: the native core's unit tests (plain, under
# AddressSanitizer+UndefinedBehaviorSanitizer, under ThreadSanitizer), the Windows build's
# tests under Wine (engine layer and end to end), the static checks and the
# reproducible-build check. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
jobs=$(nproc)

for preset in native asan tsan; do
  echo "== native core: $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done

echo "== win32 build and tests under Wine"
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$jobs"
source scripts/wine-env.sh
ensure_display
trap '[ -n "${VESK_XVFB_PID:-}" ] && kill "$VESK_XVFB_PID" 2>/dev/null; true' EXIT
ensure_wine_prefix
ctest --preset win32

echo "== static checks"
bash scripts/lint.sh

echo "== reproducible build"
bash scripts/check-reproducible.sh
