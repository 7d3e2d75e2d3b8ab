#!/bin/sh
# Runs tallyrep.exe under Wine and the native tallyrep on the same log; the
# two reports must be the same bytes. Exits 77 (skipped) when Wine or the
# Windows build is missing.
# Usage: wine_matches_native.sh WINE TALLYREP_EXE TALLYREP LOG WORK_DIR
wine=$1 exe=$2 native=$3 log=$4 work=$5

if ! [ -x "$wine" ]; then
  echo "wine is not installed"
  exit 77
fi
if ! [ -f "$exe" ]; then
  echo "no Windows build at $exe"
  exit 77
fi

# A prefix of our own, created on the first run; no Mono or Gecko prompts.
export WINEPREFIX="$work/wineprefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

rm -rf "$work/run" && mkdir -p "$work/run" && cd "$work/run" || exit 1
cp "$log" traffic.log || exit 1
# Relative names, so the Windows program needs no path translation.
"$wine" "$exe" traffic.log wine_report.txt || exit 1
"$native" traffic.log native_report.txt || exit 1
if ! cmp native_report.txt wine_report.txt; then
  echo "reports differ; see $work/run"
  exit 1
fi
echo "reports match ($(wc -c <native_report.txt) bytes)"
