# Sourced by the scripts that run the program or its tests under Wine.
# A private 32-bit prefix under build/, code page 936 from the locale, no Wine chatter.
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$repo_root/build/wineprefix}"
export WINEARCH=win32
export LC_ALL=zh_CN.UTF-8
export WINEDEBUG="${WINEDEBUG:--all}"

# Makes the prefix on first use; no Mono or Gecko installer is wanted. Windows are not
# left to a window manager: without one (Xvfb), Wine would wait about a second for each
# destroyed window to be unmapped, and closing the program would lag.
ensure_wine_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    WINEDLLOVERRIDES="mscoree,mshtml=" wineboot --init >/dev/null 2>&1
    wineserver --wait
  fi
  if [ ! -f "$WINEPREFIX/.vesk-unmanaged" ]; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wineserver --wait
    touch "$WINEPREFIX/.vesk-unmanaged"
  fi
}

# Uses $DISPLAY when there is one; otherwise starts a private Xvfb and says so.
ensure_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    return
  fi
  local number
  for number in $(seq 91 120); do
    if [ ! -e "/tmp/.X${number}-lock" ] && [ ! -e "/tmp/.X11-unix/X${number}" ]; then
      break
    fi
  done
  Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  export VESK_XVFB_PID=$!
  export DISPLAY=":$number"
  for _ in $(seq 1 50); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
  done
  echo "No display found: using a virtual framebuffer (Xvfb) on $DISPLAY." >&2
}
