#!/usr/bin/env bash
# "&Справка" of Orvane.exe under Wine opens help.chm from the program's
# folder, even when the program was started from another folder: the
# system's help viewer comes up with that file. Exits 77 (skipped) when
# Wine, Xvfb or the Windows build is missing.
# Usage: help.sh ORVANE_EXE HELP_CHM WORK_DIR
set -u
exe=$1 help=$2 work=$3
. "$(dirname "$0")/../../scripts/wine-env.sh"

wine_skip_unless_ready "$exe"
wine_skip_unless_ready "$help"

mkdir -p "$work" && cd "$work" || exit 1
rm -rf app elsewhere && mkdir app elsewhere && cp "$exe" "$help" app/ || exit 1
printf '1 ui click mnu_help\n8 exit\n' >user.scn

xvfb_start
trap 'wine_stop; xvfb_stop' EXIT
wine_use_prefix "$work/wineprefix"
(cd elsewhere && exec timeout 120 wine ../app/Orvane.exe /ui ../user.scn) \
  >wine.log 2>&1 &

viewer=
for _ in $(seq 1 60); do
  viewer=$(ps -eo args | grep -i '^C:\\windows\\hh\.exe ' | head -n 1)
  [ -n "$viewer" ] && break
  sleep 0.5
done
[ -n "$viewer" ] || { echo "no help viewer started; see $work/wine.log"; exit 1; }
case "$viewer" in
  *'\app\help.chm') ;;
  *) echo "the viewer opened another file: $viewer"; exit 1 ;;
esac
# The viewer read the file: its window carries the help's title.
shown=
for _ in $(seq 1 40); do
  xwininfo -root -tree | grep -q '"Orvane[^"]*": ("hh.exe"' && shown=yes && break
  sleep 0.5
done
[ -n "$shown" ] || { echo "no help window of hh.exe titled Orvane"; exit 1; }
echo "help.chm opened from the program's folder: $viewer"
