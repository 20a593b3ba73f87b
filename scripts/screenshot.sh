#!/usr/bin/env bash
# Takes the README's screenshot: the program under Wine in a virtual framebuffer, the
# start-up notice dismissed, the window cut out of the screen into docs/window.png.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
command -v xdotool >/dev/null && command -v import >/dev/null || {
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends xdotool imagemagick >/dev/null
}
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$(nproc)" --target VeskPortMapper

source scripts/wine-env.sh
unset DISPLAY   # always a framebuffer of a known size, whatever the caller has
ensure_display
ensure_wine_prefix

wine build/win32/VeskPortMapper.exe &
program=$!
trap 'kill $program 2>/dev/null; wineserver -k 2>/dev/null; kill "${VESK_XVFB_PID:-}" 2>/dev/null; true' EXIT

# The notice comes first; Enter presses its OK button.
notice=$(xdotool search --sync --onlyvisible --name '^注意$' | head -n 1)
sleep 1
xdotool mousemove --window "$notice" 10 10 click 1 key Return
window=$(xdotool search --sync --onlyvisible --name '^Vesk节点-云服务器代理' | head -n 1)
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
mkdir -p docs
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage docs/window.png
echo "wrote docs/window.png (${WIDTH}x${HEIGHT})"
