#!/usr/bin/env bash
# The messenger and the pinger of Orvane.exe under Wine on the machine's
# own services: a script of user verbs (/ui) sends "Привет" from pc-admin
# to the computer "." while a second process holds that computer's
# messenger mailslot and writes down the block it reads; then it pings
# 127.0.0.1 through the real ICMP.DLL and dumps the pinger's results. Exits
# 77 (skipped) when Wine, Xvfb or the Windows build is missing.
# Usage: tools.sh ORVANE_EXE READER_EXE WORK_DIR
set -u
exe=$1 reader=$2 work=$3
. "$(dirname "$0")/../../scripts/wine-env.sh"

wine_skip_unless_ready "$exe"
wine_skip_unless_ready "$reader"

mkdir -p "$work" && cd "$work" || exit 1
rm -rf app && mkdir app && cp "$exe" "$reader" app/ && cd app || exit 1
cat >user.scn <<'SCRIPT'
1 ui tray dblclick
2 ui click mnu_netsend
2 ui dialog edit1 pc-admin
2 ui dialog combo .
2 ui dialog memo Привет
2 ui dialog click Отправить
2 ui dialog close
3 ui click mnu_pinger
3 ui dialog combo 127.0.0.1
3 ui dialog edit2 1000
3 ui dialog click Пинг
4 dump pinged.json
4 ui dialog close
5 exit
SCRIPT

xvfb_start
trap 'wine_stop; xvfb_stop' EXIT
wine_use_prefix "$work/wineprefix"
wine "$(basename "$reader")" block.hex >reader.log 2>&1 &
waited=0
while [ ! -f reader.ready ] && [ $waited -lt 120 ]; do
  sleep 0.25
  waited=$((waited + 1))
done
[ -f reader.ready ] || { echo "the mailslot reader did not start"; exit 1; }
timeout 120 wine Orvane.exe /ui user.scn >wine.log 2>&1
wineserver -w

failed=0
# PC-ADMIN, 0, ".", 0, Привет in CP866, 0.
expected=50432d41444d494e002e008fe0a8a2a5e200
if [ "$(cat block.hex 2>/dev/null)" != "$expected" ]; then
  echo "the mailslot read: $(cat block.hex 2>&1), expected $expected"
  failed=1
fi
results=$(grep -o '"role": "memo"[^}]*' pinged.json 2>/dev/null)
# The address's reverse name, "localhost" most often, then the address.
if ! grep -qE 'Pinging [^ ]+ \[127\.0\.0\.1\]' <<<"$results"; then
  echo "the pinger did not reach ICMP.DLL: $results"
  failed=1
fi
# Where the system lets no process send echoes, each echo fails alike.
if ! grep -qE 'Reply from 127\.0\.0\.1  Time=[0-9]+ms  TTL=[0-9]+|Ошибка при пинговании хоста' <<<"$results"; then
  echo "the pinger's echoes left no line: $results"
  failed=1
fi
[ $failed = 0 ] || { echo "see $work/app/wine.log"; exit 1; }
echo "the mailslot got the block; the pinger: $(grep -oE 'Reply from[^\\]*|Ошибка при пинговании хоста' <<<"$results" | head -n 1)"
