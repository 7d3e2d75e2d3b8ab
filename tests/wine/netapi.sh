#!/usr/bin/env bash
# Runs test_netapi.exe, the tests of the real network-management, sockets
# and file-attribute ports, under Wine with the stand-in netapi32.dll beside
# it. Exits 77 (skipped) when Wine, Xvfb or the Windows build is missing.
# Usage: netapi.sh TEST_EXE WORK_DIR
set -u
exe=$1 work=$2
. "$(dirname "$0")/../../scripts/wine-env.sh"

wine_skip_unless_ready "$exe"

exe=$(realpath "$exe")
mkdir -p "$work" && cd "$work" || exit 1
xvfb_start
trap 'wine_stop; xvfb_stop' EXIT
wine_use_prefix "$work/wineprefix"
wine_use_stand_in_netapi
wine "$exe"
