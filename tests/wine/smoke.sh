#!/usr/bin/env bash
# Starts Orvane.exe under Wine on a virtual display with the simulated LAN,
# waits for its main window and takes a screenshot of it. Exits 77 (skipped)
# when Wine, Xvfb or the Windows build is missing.
# Usage: smoke.sh ORVANE_EXE SCENARIO WORK_DIR
set -u
exe=$1 scenario=$2 work=$3
. "$(dirname "$0")/../../scripts/wine-env.sh"

wine_skip_unless_ready "$exe"

exe=$(realpath "$exe") scenario=$(realpath "$scenario")
mkdir -p "$work" && cd "$work" || exit 1
rm -f orvane-smoke.png
xvfb_start
trap 'wine_stop; xvfb_stop' EXIT
wine_use_prefix "$work/wineprefix"
wine_draw_frames

wine "$exe" /sim "$scenario" >wine.log 2>&1 &
if ! wait_for_window Orvane 120 $!; then
  echo "no window titled Orvane appeared; see $work/wine.log"
  exit 1
fi
# Let the first scenario events and monitor cycles reach the grids.
sleep 10
if screenshot "$work/orvane-smoke.png"; then
  echo "window found; screenshot $work/orvane-smoke.png"
else
  echo "window found; the screenshot could not be taken"
fi
