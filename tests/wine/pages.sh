#!/usr/bin/env bash
# Orvane.exe under Wine on the simulated LAN, in the Russian locale: a
# screenshot of the tray's balloon, of every page of the main window and
# the rules tab, of the open "&Инструменты" menu, of the about window, of
# every dialog of the tools menu, of the share editor and of the tray
# menu; then the hot key hides and shows the window and F1 opens the
# help, as on the machine itself.
# The tour is played together with the LAN's scenario: it switches the
# pages and writes a dump after each switch; the dump is the signal that
# the page is up. Exits 77 (skipped) when Wine, Xvfb, xdotool or the Windows
# build is missing.
# Usage: pages.sh ORVANE_EXE LAN_SCENARIO TOUR WORK_DIR
set -u
exe=$1 lan=$2 tour=$3 work=$4
. "$(dirname "$0")/../../scripts/wine-env.sh"

wine_skip_unless_ready "$exe"
command -v xdotool >/dev/null || { echo "xdotool is not installed"; exit 77; }

exe=$(realpath "$exe") lan=$(realpath "$lan") tour=$(realpath "$tour")
mkdir -p "$work" && cd "$work" || exit 1
rm -f ./*.json ./*.png

# The two scenarios as one, in time order: "+N" times made absolute, and at
# the same moment the LAN's lines before the tour's.
awk 'FNR == 1 { prev = 0; file++ }
     /^[ \t]*(#|$)/ { next }
     { t = $1; if (t ~ /^\+/) t = prev + substr(t, 2); prev = t
       rest = $0; sub(/^[ \t]*[^ \t]+/, "", rest)
       printf "%s\t%d\t%d\t%s\n", t, file, FNR, rest }' "$lan" "$tour" |
  sort -t "$(printf '\t')" -k1,1g -k2,2n -k3,3n |
  awk -F '\t' '{ rest = $0; sub(/^[^\t]*\t[^\t]*\t[^\t]*\t/, "", rest); print $1 rest }' \
    >tour.scn || { echo "cannot merge the tour"; exit 1; }
scenario=$PWD/tour.scn
wine_russian_locale || { echo "cannot make the Russian locale ru_RU.UTF-8"; exit 1; }
xvfb_start
trap 'wine_stop; xvfb_stop' EXIT
wine_use_prefix "$work/wineprefix"
wine_draw_frames
wine "$exe" /sim "$scenario" >wine.log 2>&1 &
program=$!

# Waits for the scenario's dump NAME.json, then lets the window repaint.
wait_for_dump() { wait_for_file "$1.json" $program && sleep 0.5; }

fail() { echo "$1; see $work/wine.log"; exit 1; }

# The balloon stands by the notification area, in the screen's corner.
wait_for_dump balloon || fail "no dump while the balloon shows"
screenshot screen.png && convert screen.png -crop 360x140+0+0 +repage balloon.png &&
  rm screen.png || fail "no screenshot of the balloon"

wait_for_dump about || fail "no dump with the about window"
grep -q '"caption": "О программе...", "opacity": 240' about.json ||
  fail "the about window is not open and faded in"
xwininfo -root -tree | grep -q '"О программе...": (' ||
  fail "the about window is not on the screen"
screenshot about.png || fail "no screenshot of the about window"
# The pointer over the mail link lights it up, underlined.
read -r left top < <(window_origin 'О программе...')
xdotool mousemove $((left + 70)) $((top + 97)) sleep 0.5
screenshot about-link.png || fail "no screenshot of the lit link"
wait_for_dump closed || fail "no dump after closing the about window"
grep -q '"dialog"' closed.json && fail "the about window did not close"

# The dialogs: each is on the screen when its dump comes.
check_dialog() {
  local name=$1 caption=$2
  wait_for_dump "$name" || fail "no dump with the dialog $caption"
  grep -q "\"kind\": \"dialog\", [^}]*\"caption\": \"$caption\"" "$name.json" ||
    fail "the dialog $caption is not open"
  xwininfo -root -tree | grep -q "\"$caption\": (" ||
    fail "the dialog $caption is not on the screen"
  screenshot "$name.png" || fail "no screenshot of the dialog $caption"
}
check_dialog netsend 'net sender'
check_dialog pinger pinger
check_dialog traffic 'Настройки интерфейса'
check_dialog logsearch 'Поиск в логе'

for page in 0 1 2 3 4 5; do
  wait_for_dump "page$page" || fail "no dump after switching to page $page"
  grep -q "\"active\": $page," "page$page.json" ||
    fail "page $page is not the active page"
  screenshot "page$page.png" || fail "no screenshot of page $page"
done

# The graph is drawn on page 0; page 4 shows the workstation's counters.
grep -q '"Image1": {"kind": "image", [^}]*"width": 124, "height": 105' page0.json ||
  fail "page 0 has no activity graph"
grep -q '"m_statws": {[^}]*"text": "Не запущено операций: 0' page4.json ||
  fail "page 4 shows no workstation statistics"
# Each page at work: the clients and their files, the shares, the server's
# uptime since the run began, the director's visit in the history.
for shown in BUH-1 SKLAD 192.168.1.35 'Баланс 2006.xls'; do
  grep -q "$shown" page0.json || fail "page 0 does not show $shown"
done
grep -q 'Price List' page2.json || fail "page 2 does not show the shares"
grep -q 'Служба сервера работает: 0:00:4' page4.json ||
  fail "page 4 does not show the server running since the start"
grep -q 'DIR-PC' page5.json && grep -q 'Приказ о премии.doc' page5.json ||
  fail "page 5 does not show the director's visit"
# As a Russian administrator sees them: the time on the 24-hour clock, the
# date with dots, thousands apart by a (no-break) space.
/usr/bin/python3 - "$work" <<'PY' || fail "the formats are not Russian"
import json, re, sys
page = lambda n: json.load(open("%s/page%d.json" % (sys.argv[1], n)))
problems = []
now = page(0)["st_conns"]["rows"][1][7]
if not re.fullmatch(r"\d{1,2}:\d\d:\d\d", now):
    problems.append("the time reads %r" % now)
started = page(5)["lv_connhist"]["items"][0][4]
if not re.fullmatch(r"\d\d\.\d\d\.\d{4} \d{1,2}:\d\d:\d\d", started):
    problems.append("the start reads %r" % started)
inbound = page(4)["l_ntin"]["caption"]
if not re.fullmatch("1[ \u00a0]\\d{3} \\(кб\\)", inbound):
    problems.append("the inbound total reads %r" % inbound)
for p in problems:
    print(p)
sys.exit(1 if problems else 0)
PY

# The menu bar through the keyboard: F10 selects "&Файл", Right moves to
# "&Инструменты", Down opens it.
wait_for_dump menu || fail "no dump before the menu"
window=$(xdotool search --onlyvisible --name '^Orvane$' | head -n 1)
[ -n "$window" ] || fail "the main window is not visible"
before=$(xwininfo -root -children | grep -c '^ *0x')
xdotool windowfocus --sync "$window" 2>/dev/null
xdotool key F10 Right Down
sleep 1
after=$(xwininfo -root -children | grep -c '^ *0x')
[ "$after" -gt "$before" ] || fail "the tools menu did not open"
screenshot tools-menu.png || fail "no screenshot of the tools menu"
xdotool key Escape Escape

check_dialog share-editor 'Редактор ресурсов'
grep -q 'Price List' share-editor.json || fail "the share editor does not show the share"

# The rule shows on its tab, which a click opens.
wait_for_dump rules || fail "no dump with the rule added"
grep -q '"lv_rules": {[^}]*"items": \[\["192.168.1.35"' rules.json ||
  fail "the rule is not in the list"
read -r left top < <(window_origin Orvane)
xdotool mousemove $((left + 156)) $((top + 77)) click 1
sleep 1
screenshot page1-rules.png || fail "no screenshot of the rules tab"

# The tray icon's menu, opened with the right button.
wait_for_dump tray || fail "no dump before the tray menu"
# The button held a moment, as a hand does: a click of no length is lost.
before=$(xwininfo -root -children | grep -c '^ *0x')
xdotool mousemove 13 32 sleep 0.5 mousedown 3 sleep 0.2 mouseup 3 sleep 1
after=$(xwininfo -root -children | grep -c '^ *0x')
[ "$after" -gt "$before" ] || fail "the tray menu did not open"
screenshot tray-menu.png || fail "no screenshot of the tray menu"
xdotool key Escape

# Alt+F11 hides the window and shows it again: Wine hands a hot key to the
# program when one of its windows has the X focus.
visible() { xdotool search --onlyvisible --name '^Orvane$' 2>/dev/null | head -n 1; }
wait_until() {
  local _
  for _ in $(seq 1 20); do eval "$1" && return 0; sleep 0.5; done
  return 1
}
xdotool windowfocus --sync "$window" 2>/dev/null
xdotool key alt+F11
wait_until '[ -z "$(visible)" ]' || fail "Alt+F11 did not hide the window"
tray=$(xdotool search --onlyvisible --name '^Wine System Tray$' | head -n 1)
[ -n "$tray" ] || fail "no notification area"
xdotool windowfocus --sync "$tray" 2>/dev/null
xdotool key alt+F11
wait_until '[ -n "$(visible)" ]' || fail "Alt+F11 did not show the window again"

# F1 opens the help beside the program in the system's viewer.
window=$(visible)
xdotool windowfocus --sync "$window" 2>/dev/null
xdotool key F1
wait_until "ps -eo args | grep -qi '^C:\\\\windows\\\\hh\\.exe .*help\\.chm'" ||
  fail "F1 did not open help.chm"
echo "screenshots: $(ls ./*.png | tr '\n' ' ')"
