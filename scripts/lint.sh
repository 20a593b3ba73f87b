#!/usr/bin/env bash
# Static checks on the project's own sources: formatting, clang-tidy (native and win32
# compile databases), cppcheck. Needs build/native and build/win32 configured.
set -euo pipefail
cd "$(dirname "$0")/.."

sources=$(git ls-files '*.cpp' '*.h')
status=0

echo "== clang-format"
clang-format --dry-run --Werror $sources || status=1

# Clang knows no GBK execution charset; the texts' bytes do not matter to the checks.
tidy_native=(--quiet --extra-arg=-fexec-charset=UTF-8)
tidy_win32=("${tidy_native[@]}" --extra-arg=--target=i686-w64-mingw32)
gcc_dir=$(dirname "$(i686-w64-mingw32-g++-posix -print-libgcc-file-name)")
for dir in "$gcc_dir/include/c++" "$gcc_dir/include/c++/i686-w64-mingw32" "$gcc_dir/include" \
           /usr/i686-w64-mingw32/include; do
  tidy_win32+=(--extra-arg=-isystem"$dir")
done

# The files of a compile database that are the project's own.
own_files() {
  python3 - "$1" <<'PY'
import json, os, sys
root = os.getcwd() + "/"
for entry in json.load(open(sys.argv[1])):
    path = os.path.normpath(os.path.join(entry["directory"], entry["file"]))
    if path.startswith(root) and "/build/" not in path and path.endswith(".cpp"):
        print(path)
PY
}

# Runs clang-tidy over a build's own files in parallel; prints only the findings.
tidy() {
  local build=$1
  shift
  local out
  out=$(mktemp)
  if ! own_files "$build/compile_commands.json" | xargs -r -P "$(nproc)" -n 4 \
      clang-tidy -p "$build" "$@" >"$out" 2>&1; then
    status=1
  fi
  grep -v -E '^[0-9]+ warnings? generated\.$|^Suppressed [0-9]+ warnings|^Use -header-filter' "$out" || true
  rm -f "$out"
}

echo "== clang-tidy (native)"
tidy build/native "${tidy_native[@]}"
echo "== clang-tidy (win32)"
tidy build/win32 "${tidy_win32[@]}"

echo "== cppcheck"
cppcheck --enable=warning,performance,portability --library=windows --std=c++17 \
  --error-exitcode=1 --inline-suppr --quiet --suppress=missingIncludeSystem -I . \
  $(git ls-files '*.cpp') || status=1

if [ "$status" -eq 0 ]; then echo "lint: clean"; else echo "lint: findings above"; fi
exit "$status"
