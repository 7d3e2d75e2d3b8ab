#!/usr/bin/env bash
# Orvane.exe under Wine on the simulated LAN: a screenshot of the tray's
# balloon, of every page of the main window, of the open "&Инструменты"
# menu and of the about window.
# The scenario switches the pages and writes a dump after each switch; the
# dump is the signal that the page is up. Exits 77 (skipped) when Wine,
# Xvfb, xdotool or the Windows build is missing.
# Usage: pages.sh ORVANE_EXE SCENARIO WORK_DIR
set -u
exe=$1 scenario=$2 work=$3
. "$(dirname "$0")/../../scripts/wine-env.sh"

wine_skip_unless_ready "$exe"
command -v xdotool >/dev/null || { echo "xdotool is not installed"; exit 77; }

exe=$(realpath "$exe") scenario=$(realpath "$scenario")
mkdir -p "$work" && cd "$work" || exit 1
rm -f ./*.json ./*.png
xvfb_start
trap 'wine_stop; xvfb_stop' EXIT
wine_use_prefix "$work/wineprefix"
wine_draw_frames
wine "$exe" /sim "$scenario" >wine.log 2>&1 &
program=$!

# Waits for the scenario's dump NAME.json, then lets the window repaint.
wait_for_dump() { wait_for_file "$1.json" $program && sleep 0.5; }

fail() { echo "$1; see $work/wine.log"; exit 1; }

# The balloon stands by the notification area, in the screen's corner.
wait_for_dump balloon || fail "no dump while the balloon shows"
screenshot screen.png && convert screen.png -crop 360x140+0+0 +repage balloon.png &&
  rm screen.png || fail "no screenshot of the balloon"

for page in 0 1 2 3 4 5; do
  wait_for_dump "page$page" || fail "no dump after switching to page $page"
  grep -q "\"active\": $page}" "page$page.json" ||
    fail "page $page is not the active page"
  screenshot "page$page.png" || fail "no screenshot of page $page"
done

# The graph is drawn on page 0; page 4 shows the workstation's counters.
grep -q '"Image1": {"kind": "image", [^}]*"width": 124, "height": 105' page0.json ||
  fail "page 0 has no activity graph"
grep -q '"m_statws": {[^}]*"text": "Не запущено операций: 0' page4.json ||
  fail "page 4 shows no workstation statistics"
# The menu bar through the keyboard: F10 selects "&Файл", Right moves to
# "&Инструменты", Down opens it.
wait_for_dump menu || fail "no dump before the menu"
window=$(xdotool search --onlyvisible --name '^Orvane$' | head -n 1)
[ -n "$window" ] || fail "the main window is not visible"
before=$(xwininfo -root -children | grep -c '^ *0x')
xdotool windowfocus --sync "$window" 2>/dev/null
xdotool key F10 Right Down
sleep 1
after=$(xwininfo -root -children | grep -c '^ *0x')
[ "$after" -gt "$before" ] || fail "the tools menu did not open"
screenshot tools-menu.png || fail "no screenshot of the tools menu"
xdotool key Escape Escape

wait_for_dump about || fail "no dump with the about window"
grep -q '"caption": "О программе...", "opacity": 240' about.json ||
  fail "the about window is not open and faded in"
xwininfo -root -tree | grep -q '"О программе...": (' ||
  fail "the about window is not on the screen"
screenshot about.png || fail "no screenshot of the about window"
wait_for_dump closed || fail "no dump after closing the about window"
grep -q '"dialog"' closed.json && fail "the about window did not close"
echo "screenshots: $(ls ./*.png | tr '\n' ' ')"
