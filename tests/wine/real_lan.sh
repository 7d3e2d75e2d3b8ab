#!/usr/bin/env bash
# Orvane.exe on the machine's own services under Wine: the network calls
# reach the stand-in netapi32.dll beside it, which answers from a fixture
# of two sessions and three open files. A script of user verbs (/ui) kicks
# one client and dumps the form. Exits 77 (skipped) when Wine, Xvfb or the
# Windows build is missing.
# Usage: real_lan.sh ORVANE_EXE NETAPI_DLL WORK_DIR
set -u
exe=$1 dll=$2 work=$3
. "$(dirname "$0")/../../scripts/wine-env.sh"
. "$(dirname "$0")/stand_in_lan.sh"

stand_in_app "$exe" "$dll" "$work"
tab=$'\t'
cat >netapi_fixture.txt <<FIXTURE
session${tab}localhost${tab}ivan${tab}Windows XP${tab}TCP${tab}100${tab}5${tab}2
session${tab}127.0.0.1${tab}petr${tab}Windows 2000${tab}LNKNB${tab}60${tab}30${tab}1
file${tab}11${tab}1${tab}0${tab}ivan${tab}C:\\Docs\\plan.doc
file${tab}12${tab}3${tab}1${tab}ivan${tab}C:\\Docs\\budget.xls
file${tab}13${tab}2${tab}0${tab}petr${tab}C:\\Pub\\notes.txt
FIXTURE
printf '[Log]\r\nUse=1\r\nFiles=files.log\r\n' >OV.CFG
cat >user.scn <<'SCRIPT'
1 ui tray dblclick
4 dump before.json
4 ui select st_conns 2
4 ui popup st_conns
4 ui click N4
5 dump after.json
6 exit
SCRIPT

xvfb_start
trap 'wine_stop; xvfb_stop' EXIT
wine_use_prefix "$work/wineprefix"
wine_use_stand_in_netapi
timeout 120 wine Orvane.exe /ui user.scn >wine.log 2>&1
wineserver -w

failed=0
for cell in '"localhost"' '"ivan"' '"127.0.0.1"' '"petr"' \
  '"C:\\Docs\\plan.doc"' '"C:\\Docs\\budget.xls"' '"C:\\Pub\\notes.txt"' \
  '"TCP-IP"' '"NETBIOS"' '"R/W"'; do
  expect before.json "$cell"
done
expect netapi_calls.log "NetSessionEnum${tab}null${tab}null${tab}null${tab}502"
expect netapi_calls.log "NetFileEnum${tab}null${tab}null${tab}null${tab}3"
expect netapi_calls.log "NetSessionDel${tab}null${tab}\\\\127.0.0.1${tab}null"
expect files.log "] [localhost] C:\\Docs\\plan.doc"
expect files.log "] [localhost] C:\\Docs\\budget.xls"
expect files.log "] [127.0.0.1] C:\\Pub\\notes.txt"
[ "$(wc -l <files.log)" -eq 3 ] || { echo "files.log:"; cat files.log; failed=1; }
expect_buffers_freed
[ -f after.json ] || { echo "no dump after the kick"; failed=1; }
# Every network-management call the program makes is imported from NETAPI32.
if command -v x86_64-w64-mingw32-objdump >/dev/null; then
  x86_64-w64-mingw32-objdump -p Orvane.exe >imports.txt
  for call in NetSessionEnum NetSessionDel NetConnectionEnum NetFileEnum \
    NetFileClose NetShareEnum NetShareGetInfo NetShareAdd NetShareSetInfo \
    NetShareDel NetServerGetInfo NetStatisticsGet NetApiBufferFree; do
    grep -qE "[0-9]+ +$call\$" imports.txt ||
      { echo "Orvane.exe does not import $call"; failed=1; }
  done
fi
[ $failed -eq 0 ] && echo "sessions, files, kick and file log as expected"
exit $failed
