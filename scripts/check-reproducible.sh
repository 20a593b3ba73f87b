#!/usr/bin/env bash
# Builds the committed HEAD twice, from two fresh clones in folders of different names and
# path lengths, one after the other, in different time zones, with and without
# SOURCE_DATE_EPOCH, and compares the SHA-256 of the two VeskPortMapper.exe. Prints both;
# exit code 1 when they differ.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/vesk-repro.XXXXXX")
trap 'rm -rf "$work"' EXIT

# Clones HEAD into $1 and builds only the program there, with time zone $2; with $3 = "dated",
# SOURCE_DATE_EPOCH is the commit time as in scripts/release.sh, else it is unset.
build_clone() {
  local dir=$1
  git clone --quiet "$repo" "$dir"
  (
    cd "$dir"
    export TZ=$2
    unset SOURCE_DATE_EPOCH
    if [ "$3" = dated ]; then
      export SOURCE_DATE_EPOCH
      SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
    fi
    cmake -S . -B build/release --toolchain "$dir/cmake/mingw-i686.cmake" \
      -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
    cmake --build build/release --target VeskPortMapper -j "$(nproc)" >/dev/null
  )
}

build_clone "$work/a" UTC undated
build_clone "$work/second-clone-in-a-longer-folder/b" Asia/Shanghai dated

first=$(sha256sum "$work/a/build/release/VeskPortMapper.exe" | cut -d' ' -f1)
second=$(sha256sum "$work/second-clone-in-a-longer-folder/b/build/release/VeskPortMapper.exe" | cut -d' ' -f1)
echo "commit $(git -C "$repo" rev-parse HEAD)"
echo "$first  first build"
echo "$second  second build"
if [ "$first" != "$second" ]; then
  echo "check-reproducible: the two builds differ" >&2
  exit 1
fi
echo "check-reproducible: identical"
