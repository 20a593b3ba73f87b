#!/usr/bin/env bash
# Builds the release program from the current tree in a fresh build folder and writes
# dist/VeskPortMapper.exe and dist/SHA256SUMS. The same commit always gives the same bytes.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/setup.sh

if [ -n "$(git status --porcelain --untracked-files=no 2>/dev/null)" ]; then
  echo "release: warning: uncommitted changes; this exe cannot be rebuilt from a commit" >&2
fi
# Where a date is needed it is the commit's, never the time of the build.
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || echo 0)
export SOURCE_DATE_EPOCH

rm -rf build/release
cmake -S . -B build/release --toolchain "$root/cmake/mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
cmake --build build/release --target VeskPortMapper -j "$(nproc)"

mkdir -p dist
rm -f dist/VeskPortMapper.exe dist/SHA256SUMS
cp build/release/VeskPortMapper.exe dist/
(cd dist && sha256sum VeskPortMapper.exe > SHA256SUMS)

echo "release: commit $(git rev-parse HEAD 2>/dev/null || echo unknown)"
echo "release: dist/VeskPortMapper.exe, $(stat -c %s dist/VeskPortMapper.exe) bytes"
cat dist/SHA256SUMS
