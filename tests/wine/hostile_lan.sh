#!/usr/bin/env bash
# Orvane.exe under Wine on what a hostile or broken server may send through
# the real network port (the stand-in netapi32.dll): unpaired surrogates and
# control characters in names, names of ten thousand characters, 200
# sessions, 5,000 open files, then a server that answers "more data" with
# nothing, forever. The program shows valid text, logs every opening once,
# does not hang, serves a client who comes afterwards and exits when told.
# Exits 77 (skipped) when Wine, Xvfb or the Windows build is missing.
# Usage: hostile_lan.sh ORVANE_EXE NETAPI_DLL WORK_DIR
set -u
exe=$1 dll=$2 work=$3
. "$(dirname "$0")/../../scripts/wine-env.sh"
. "$(dirname "$0")/stand_in_lan.sh"

stand_in_app "$exe" "$dll" "$work"
tab=$'\t'
huge=$(printf 'N%.0s' $(seq 1 10000))
{
  echo "batch${tab}500"
  echo "session${tab}PC{U+D800}X${tab}{U+DC00}${tab}OS$(printf '\001\033')${tab}TCP${tab}9${tab}1${tab}1"
  echo "session${tab}$huge${tab}$huge${tab}$huge${tab}$huge${tab}9${tab}1${tab}1"
  # Every cycle looks each client's name up; these resolve at once.
  for i in $(seq 1 200); do
    echo "session${tab}localhost${tab}u$i${tab}Windows XP${tab}TCP${tab}9${tab}1${tab}25"
  done
  echo "file${tab}1${tab}1${tab}0${tab}{U+DC00}${tab}C:\\bad{U+D800}$(printf '\001').doc"
  echo "file${tab}2${tab}1${tab}0${tab}$huge${tab}C:\\$huge"
  for i in $(seq 3 5000); do
    echo "file${tab}$i${tab}1${tab}0${tab}u$((i % 200 + 1))${tab}C:\\Share\\f$i.doc"
  done
} >hostile_fixture.txt
cp hostile_fixture.txt netapi_fixture.txt
printf '[Log]\r\nUse=1\r\nDenyFiles=0\r\nFiles=files.log\r\n[Timer]\r\nRefresh=1000\r\n' >OV.CFG
# The first cycle, with 5,000 new openings, holds the window for a while,
# and every cycle looks the clients' names up, which may wait for a name
# server: the dumps wait for them, and the last one leaves room.
cat >user.scn <<'SCRIPT'
1 ui tray dblclick
15 dump before.json
45 dump after.json
46 exit
SCRIPT

xvfb_start
trap 'wine_stop; xvfb_stop' EXIT
wine_use_prefix "$work/wineprefix"
wine_use_stand_in_netapi
timeout 200 wine Orvane.exe /ui user.scn >wine.log 2>&1 &
program=$!

failed=0
for _ in $(seq 1 120); do
  if [ -s before.json ] || ! kill -0 $program 2>/dev/null; then break; fi
  sleep 1
done
# Then the server answers "more data" with no entries to every listing,
set_fixture 'fail\tNetSessionEnum\t234\nfail\tNetFileEnum\t234\n'
calls_before=$(grep -c '^NetSessionEnum' netapi_calls.log)
sleep 8
calls_endless=$(($(grep -c '^NetSessionEnum' netapi_calls.log) - calls_before))
# and at last one more client comes.
set_fixture 'session\tLATE\tlate\tWindows XP\tTCP\t1\t0\t1\nfile\t9001\t1\t0\tlate\tC:\\after.doc\n'
wait $program
status=$?
wineserver -w
[ $status -eq 0 ] || { echo "Orvane.exe ended with $status"; failed=1; }
# The cycle went on through the endless answers.
[ "$calls_endless" -ge 3 ] ||
  { echo "$calls_endless session listings in 8 s of endless answers"; failed=1; }

expect before.json '"PC?X", "?", '
expect before.json '"OS\u0001\u001b"'
expect before.json "\"$huge\""
expect before.json '"u200"'
expect after.json '"LATE"'
# One line per opening, the strange and the huge ones too, in Windows-1251.
expect files.log "] [PC?X] C:\\bad?"
# The huge one cut to the log's limits.
grep -qE '\] \[N+\] C:\\NNNN' files.log || { echo "no line for the huge path"; failed=1; }
longest=$(awk '{ if (length($0) > n) n = length($0) } END { print n }' files.log)
[ "$longest" -le 1100 ] || { echo "a line of $longest characters"; failed=1; }
expect files.log "] [localhost] C:\\Share\\f5000.doc"
# Its opening is logged; it comes while the 50 sessions of before still
# fill the table, so it is logged without a computer.
expect files.log "] [] C:\\after.doc"
lines=$(wc -l <files.log)
[ "$lines" -eq 5001 ] || { echo "files.log has $lines lines, not 5001"; failed=1; }
repeated=$(sed 's/^[^]]*\] //' files.log | sort | uniq -d | head -n 3)
[ -z "$repeated" ] || { echo "logged twice: $repeated"; failed=1; }
expect_buffers_freed
[ $failed -eq 0 ] && echo "strange names shown and logged, no hang, later client served"
exit $failed
