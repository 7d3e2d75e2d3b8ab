#!/usr/bin/env bash
# The page "Ресурсы" of Orvane.exe under Wine on the simulated LAN: the
# disk shares in name order with the marks of the "shares" file, the share
# editor adding a share (screenshot while it is open), and a delete. Exits
# 77 (skipped) when Wine, Xvfb or the Windows build is missing.
# Usage: shares.sh ORVANE_EXE WORK_DIR
set -u
exe=$1 work=$2
. "$(dirname "$0")/../../scripts/wine-env.sh"

wine_skip_unless_ready "$exe"

mkdir -p "$work" && cd "$work" || exit 1
rm -rf app && mkdir app && cp "$exe" app/ && cd app || exit 1
printf 'docs\r\n' >shares
cat >shares.scn <<'SCN'
0 share DOCS C:\Docs
0 share Beta D:\Public max=5
0 share C$ C:\ type=0x80000000
0 share IPC$ "" type=3
0 share LASER LPT1: type=1
1 ui tray dblclick
2 ui page 2
2.5 dump listed.json
3 ui click addres
3 ui dialog edit1 NEW
3 ui dialog path C:\New
3.5 dump editor.json
6 ui dialog click Добавить
7 dump added.json
8 ui select lv_shares 0
8 ui click N16
9 dump deleted.json
10 quit
SCN

xvfb_start
trap 'wine_stop; xvfb_stop' EXIT
wine_use_prefix "$work/wineprefix"
wine_draw_frames
wine Orvane.exe /sim shares.scn >wine.log 2>&1 &
program=$!

fail() { echo "$1; see $work/app/wine.log"; exit 1; }
wait_for() { wait_for_file "$1" $program; }
items() { grep -o '"lv_shares": {[^}]*}' "$1"; }

wait_for listed.json || fail "no dump of the shares page"
items listed.json | grep -qF '"items": [["Beta", "D:\\Public", "5", "---", "--", "-"], ["DOCS", "C:\\Docs", "неограничено", "---", "--", "-"]], "checked": [true, false]' ||
  fail "the shares are not listed as expected: $(items listed.json)"

wait_for editor.json || fail "no dump with the share editor"
grep -q '"caption": "Редактор ресурсов"' editor.json ||
  fail "the share editor is not open"
sleep 0.5
screenshot share-editor.png || fail "no screenshot of the share editor"

wait_for added.json || fail "no dump after the add"
items added.json | grep -qF '["NEW", "C:\\New", "10", "---", "--", "-"]' ||
  fail "the added share is not listed: $(items added.json)"
wait_for deleted.json || fail "no dump after the delete"
items deleted.json | grep -qF '"Beta"' && fail "Beta was not deleted"
wait $program
echo "shares listed, added and deleted; screenshot share-editor.png"
