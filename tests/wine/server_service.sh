#!/usr/bin/env bash
# The server service's button of Orvane.exe under Wine on the machine's own
# service manager: a stand-in "lanmanserver" is installed in the test's
# prefix and started in the same Wine run as the program, whose script of
# user verbs (/ui) pauses and continues it from the settings page. Exits 77
# (skipped) when Wine, Xvfb or the Windows build is missing.
# Usage: server_service.sh ORVANE_EXE SERVICE_EXE WORK_DIR
set -u
exe=$1 service=$2 work=$3
. "$(dirname "$0")/../../scripts/wine-env.sh"

wine_skip_unless_ready "$exe"
wine_skip_unless_ready "$service"

mkdir -p "$work" && cd "$work" || exit 1
rm -rf app && mkdir app && cp "$exe" "$service" app/ && cd app || exit 1
cat >user.scn <<'SCRIPT'
1 ui tray dblclick
2 ui page 3
2.5 dump before.json
3 ui click Button111
3.5 dump paused.json
4 ui click Button111
4.5 dump resumed.json
5 exit
SCRIPT
# cmd reads its batch lines with CR LF.
printf '%s\r\n' 'sc start lanmanserver' 'Orvane.exe /ui user.scn' \
  'sc query lanmanserver > state.txt' 'sc stop lanmanserver' >run.cmd

xvfb_start
trap 'wine_stop; xvfb_stop' EXIT
wine_use_prefix "$work/wineprefix"
key='HKLM\System\CurrentControlSet\Services\lanmanserver'
wine reg add "$key" /v ImagePath /t REG_EXPAND_SZ \
  /d "$(winepath -w "$PWD/$(basename "$service")")" /f >wine.log 2>&1
wine reg add "$key" /v Type /t REG_DWORD /d 16 /f >>wine.log 2>&1
# Wine ships it disabled; started on demand.
wine reg add "$key" /v Start /t REG_DWORD /d 3 /f >>wine.log 2>&1
# The service manager reads its services when it starts: let this one end,
# so that the run below starts one that knows the stand-in.
wineserver -w
timeout 120 wine cmd /c run.cmd >>wine.log 2>&1
wineserver -w

caption() { grep -o '"Button111": {[^}]*}' "$1" | grep -o '"caption": "[^"]*"'; }
failed=0
expect() {  # DUMP CAPTION
  if [ "$(caption "$1")" != "\"caption\": \"$2\"" ]; then
    echo "$1: $(caption "$1"), expected $2"
    failed=1
  fi
}
expect before.json 'Приостановить службу сервера'
expect paused.json 'Возобновить службу сервера'
expect resumed.json 'Приостановить службу сервера'
if ! grep -q 'STATE *: 4' state.txt 2>/dev/null; then
  echo "the service is not running after the continue: $(cat state.txt 2>&1)"
  failed=1
fi
[ $failed = 0 ] || { echo "see $work/app/wine.log"; exit 1; }
echo "the stand-in service paused and continued; the button followed"
