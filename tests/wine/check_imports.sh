#!/usr/bin/env bash
# Fails when the exe imports a DLL that a clean Windows does not have (the mingw runtime).
set -euo pipefail
exe=$1
imports=$(i686-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ {print $3}')
echo "imports: $(echo $imports)"
[ -n "$imports" ] || { echo "no import table read from $exe"; exit 1; }
allowed='^(kernel32|user32|gdi32|shell32|comctl32|comdlg32|advapi32|ole32|oleaut32|msvcrt|version|shlwapi|uxtheme)\.dll$'
bad=$(echo "$imports" | tr 'A-Z' 'a-z' | grep -v -E "$allowed" || true)
if [ -n "$bad" ]; then
  echo "imports DLLs that are not part of Windows: $bad"
  exit 1
fi
