#!/usr/bin/env bash
# Orvane.exe and connrep.exe side by side under Wine: on the simulated LAN
# a client opens two files, which the file log records, and the menu item
# "&Отчет о подключениях" runs connrep.exe on the log; "report.txt" appears
# in the working folder. connrep.exe refuses to write its report over the
# log, whatever the spelling of its name. Exits 77 (skipped) when Wine, Xvfb or the Windows
# build is missing.
# Usage: connections_report.sh ORVANE_EXE CONNREP_EXE WORK_DIR
set -u
exe=$1 connrep=$2 work=$3
. "$(dirname "$0")/../../scripts/wine-env.sh"

wine_skip_unless_ready "$exe"
wine_skip_unless_ready "$connrep"

mkdir -p "$work" && cd "$work" || exit 1
rm -rf app && mkdir app && cp "$exe" "$connrep" app/ && cd app || exit 1
printf '[Log]\r\nUse=1\r\n' >OV.CFG
printf '%s\n' '0 host PC1 10.0.0.11' '1 connect PC1 ivan' \
  '2 open 1 PC1 ivan C:\Docs\a.doc' '2 open 2 PC1 ivan C:\Docs\b.doc' \
  '4 ui click mnu_report' '6 quit' >report.scn

xvfb_start
trap 'wine_stop; xvfb_stop' EXIT
wine_use_prefix "$work/wineprefix"
wine_draw_frames

timeout 120 wine Orvane.exe /sim report.scn >>wine.log 2>&1
grep -q 'a.doc' netfiles.log || { echo "netfiles.log: $(cat netfiles.log 2>&1)"; exit 1; }
[ -s report.txt ] || { echo "no report.txt after the report command"; exit 1; }
report=$(iconv -f cp1251 -t utf-8 report.txt)
for expected in 'Отчет о подключениях' '         2       1  PC1' \
  '         1  C:\Docs\b.doc'; do
  grep -qF "$expected" <<<"$report" || { echo "report.txt lacks: $expected"; echo "$report"; exit 1; }
done

# The report named as the log, by another spelling: refused, the log kept.
cp netfiles.log before.log
timeout 60 wine connrep.exe 'netfiles.log>.\NETFILES.LOG' >>wine.log 2>&1
status=$?
[ $status -eq 4 ] || { echo "connrep.exe over its own log: status $status, not 4"; exit 1; }
cmp -s netfiles.log before.log || { echo "connrep.exe changed the log"; exit 1; }
echo "report.txt made by connrep.exe from netfiles.log; the log is never overwritten"
