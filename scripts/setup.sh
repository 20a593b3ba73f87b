#!/usr/bin/env bash
# Installs what building and testing need from Debian's packages. Idempotent, and quick
# when everything is already there.
set -euo pipefail

missing=()
have() { command -v "$1" >/dev/null 2>&1; }
have cmake || missing+=(cmake)
have g++ || missing+=(g++)
have i686-w64-mingw32-g++-posix || missing+=(g++-mingw-w64-i686-posix mingw-w64-i686-dev binutils-mingw-w64-i686)
have Xvfb || missing+=(xvfb)
have xauth || missing+=(xauth)
have xdpyinfo || missing+=(x11-utils)
have python3 || missing+=(python3)
[ -f /usr/src/googletest/CMakeLists.txt ] || missing+=(googletest)
[ -f /usr/include/gtest/gtest.h ] || missing+=(libgtest-dev)
have clang-format || missing+=(clang-format)
have clang-tidy || missing+=(clang-tidy)
have cppcheck || missing+=(cppcheck)
dpkg-query -W -f='${Status}' locales 2>/dev/null | grep -q installed || missing+=(locales)
# Wine runs the 32-bit program: wine plus wine32 from the i386 architecture.
dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q installed || missing+=(wine wine32:i386)
# A CJK font, so Chinese texts render in screenshots.
[ -n "$(ls /usr/share/fonts/truetype/wqy 2>/dev/null)" ] || missing+=(fonts-wqy-microhei)

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine takes the ANSI code page from the locale: zh_CN.UTF-8 gives 936.
if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  echo "setup: generating the zh_CN.UTF-8 locale"
  sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
