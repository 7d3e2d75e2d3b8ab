#!/usr/bin/env bash
# Orvane.exe under Wine as the user meets it: it starts with no visible
# window and its idle icon in the notification area, Alt+F11 (its show/hide hot key, pressed through the X server)
# shows the window, and the main menu's exit (Ctrl+X) closes it and writes
# "OV.CFG". The network calls reach the stand-in netapi32.dll with nobody
# connected. Exits 77 (skipped) when Wine, Xvfb, xdotool or the Windows
# build is missing.
# Usage: tray_program.sh ORVANE_EXE NETAPI_DLL WORK_DIR
set -u
exe=$1 dll=$2 work=$3
. "$(dirname "$0")/../../scripts/wine-env.sh"
. "$(dirname "$0")/stand_in_lan.sh"

command -v xdotool >/dev/null || { echo "xdotool is not installed"; exit 77; }

stand_in_app "$exe" "$dll" "$work"
: >netapi_fixture.txt

xvfb_start
trap 'wine_stop; xvfb_stop' EXIT
wine_use_prefix "$work/wineprefix"
wine_draw_frames
wine_use_stand_in_netapi
wine Orvane.exe >wine.log 2>&1 &
program=$!

visible() { xdotool search --onlyvisible --name '^Orvane$' 2>/dev/null | head -n 1; }

# The tray icon's window comes first; then the main window must stay hidden.
waited=0
while [ $waited -lt 60 ] && ! grep -q NetFileEnum netapi_calls.log 2>/dev/null; do
  sleep 1
  waited=$((waited + 1))
done
sleep 2
if [ -n "$(visible)" ]; then
  echo "the main window is visible after start"
  exit 1
fi

# The notification area shows the idle icon: the grey of its screen,
# which only our icon has, fills a 12 by 6 patch.
tray=$(xdotool search --onlyvisible --name '^Wine System Tray$' | head -n 1)
[ -n "$tray" ] || { echo "no notification area"; exit 1; }
import -window "$tray" tray.png 2>/dev/null || { echo "no tray screenshot"; exit 1; }
# Below the window's caption, whose lettering holds greys too.
grey=$(convert tray.png -alpha off -gravity south -crop x22+0+0 +repage \
  -fuzz 4% -fill '#FF00FF' -opaque '#96A0AC' -fill black +opaque '#FF00FF' \
  -fill white -opaque '#FF00FF' -format '%[fx:round(mean*w*h)]' info:)
if [ "${grey:-0}" -lt 60 ]; then
  echo "the tray does not show the idle icon ($grey grey pixels); see $PWD/tray.png"
  exit 1
fi

# Wine hands a hot key to the program when one of its windows has the X
# focus: the notification area's window stands in for the desktop.
[ -n "$tray" ] && xdotool windowfocus --sync "$tray" 2>/dev/null
xdotool key alt+F11
window=
for _ in $(seq 1 20); do
  window=$(visible)
  [ -n "$window" ] && break
  sleep 0.5
done
if [ -z "$window" ]; then
  echo "Alt+F11 did not show the main window"
  exit 1
fi

xdotool windowfocus --sync "$window" 2>/dev/null
xdotool key --window "$window" ctrl+x
for _ in $(seq 1 20); do
  kill -0 $program 2>/dev/null || break
  sleep 0.5
done
if kill -0 $program 2>/dev/null; then
  echo "Ctrl+X did not end the program"
  exit 1
fi
[ -f OV.CFG ] || { echo "OV.CFG was not written at exit"; exit 1; }
echo "hidden at start with the idle icon in the tray, shown by Alt+F11, closed by Ctrl+X with OV.CFG written"
