#!/usr/bin/env bash
# Runs test_wine.exe, the tests of the Win32 controls and services, under
# Wine on a virtual display. Exits 77 (skipped) when Wine, Xvfb or the
# Windows build is missing.
# Usage: controls.sh TEST_EXE WORK_DIR
set -u
exe=$1 work=$2
. "$(dirname "$0")/../../scripts/wine-env.sh"

wine_skip_unless_ready "$exe"

exe=$(realpath "$exe")
mkdir -p "$work" && cd "$work" || exit 1
xvfb_start
trap 'wine_stop; xvfb_stop' EXIT
wine_use_prefix "$work/wineprefix"
wine_draw_frames
wine "$exe"
