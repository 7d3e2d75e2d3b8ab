#!/usr/bin/env bash
# Orvane.exe and tallyrep.exe side by side under Wine: a first run on the
# simulated LAN writes "traffic.log" at its exit; in a second run the menu
# item "Отчет по тра&ффику" runs tallyrep.exe on it and "report_t.txt"
# appears in the working folder. Exits 77 (skipped) when Wine, Xvfb or the
# Windows build is missing.
# Usage: traffic_report.sh ORVANE_EXE TALLYREP_EXE WORK_DIR
set -u
exe=$1 tallyrep=$2 work=$3
. "$(dirname "$0")/../../scripts/wine-env.sh"

wine_skip_unless_ready "$exe"
wine_skip_unless_ready "$tallyrep"

mkdir -p "$work" && cd "$work" || exit 1
rm -rf app && mkdir app && cp "$exe" "$tallyrep" app/ && cd app || exit 1
printf '0 iface eth0 in=5120 rate_in=10240\n3 exit\n' >log.scn
printf '0 iface eth0 in=5120 rate_in=10240\n2 ui click N31\n5 quit\n' >report.scn

xvfb_start
trap 'wine_stop; xvfb_stop' EXIT
wine_use_prefix "$work/wineprefix"
wine_draw_frames

# Each run ends by its scenario; a minute is plenty.
run() { timeout 120 wine Orvane.exe /sim "$1" >>wine.log 2>&1; }

run log.scn
[ -s traffic.log ] || { echo "no traffic.log after the first run"; exit 1; }
grep -q 'Adapter:eth0' traffic.log || { echo "traffic.log: $(cat traffic.log)"; exit 1; }
run report.scn
[ -s report_t.txt ] || { echo "no report_t.txt after the report command"; exit 1; }
iconv -f cp1251 -t utf-8 report_t.txt | grep -q 'Статистика по входящему траффику' ||
  { echo "report_t.txt is not a traffic report"; exit 1; }
echo "traffic.log written, report_t.txt made by tallyrep.exe"
