#!/usr/bin/env bash
# orvane --server against a private smbd with real SMB clients: two users
# hold five files open; the grids show both sessions and every file, the
# file log has one line per opening in Windows-1251 with CR LF, a signal
# ends the run as the main menu's exit does, and a wrong password or a
# server that is not there give one clear line and no hang.
# Exits 77 (skipped) without root or the samba packages.
# Usage: watch.sh ORVANE PORT_TEST WORK_DIR
set -u
orvane=$1 port_test=$2 work=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/private_smbd.sh"
samba_skip_unless_ready

status=0
fail() { echo "FAIL: $*"; status=1; }

rm -rf "$work" && mkdir -p "$work" || exit 1
trap samba_stop EXIT
samba_start "$work/server" || exit 1
creds=$work/admin.creds
printf 'username = %s\npassword = %s\ndomain = WORKGROUP\n' \
  "$SAMBA_ADMIN" "$SAMBA_ADMIN_PASSWORD" >"$creds"

samba_hold 0 'Отчёт за март.doc' smeta.xls plan.txt
samba_hold 1 price.doc stock.xls

dir=$work/program
mkdir -p "$dir"
printf '[Log]\r\nUse=1\r\nFiles=%s\r\n' "$dir/netfiles.log" >"$dir/OV.CFG"
(cd "$dir" && timeout 60 $SAMBA_AT_SERVER "$orvane" --server 127.0.0.1 --credentials "$creds" \
  --smb-conf "$SAMBA_CONF" --dir "$dir" --run-for 4 --show --dump "$dir/end.json") \
  >"$work/run.out" 2>&1
code=$?
[ $code -eq 0 ] || fail "the watching run ended with $code: $(cat "$work/run.out")"

/usr/bin/python3 - "$dir/end.json" <<'PY' || status=1
import json, sys
form = json.load(open(sys.argv[1]))
conns = form["st_conns"]["rows"][1:]
files = form["st_files"]["rows"][1:]
users = sorted(row[1] for row in conns if row[0])
problems = []
# The watcher's own session to the server is there too.
if users != ["ovadmin", "ovbuh", "ovsklad"]:
    problems.append("sessions shown: %s" % users)
shown = sorted((row[0], row[4].rsplit("\\", 1)[-1]) for row in files if row[0])
wanted = sorted([("ovbuh", "Отчёт за март.doc"), ("ovbuh", "smeta.xls"),
                 ("ovbuh", "plan.txt"), ("ovsklad", "price.doc"),
                 ("ovsklad", "stock.xls")])
if shown != wanted:
    problems.append("files shown: %s" % shown)
# The client system column: each client's protocol, from smbstatus.
dialects = sorted((row[1], row[4][:3]) for row in conns if row[0])
if dialects != [("ovadmin", "SMB"), ("ovbuh", "SMB"), ("ovsklad", "SMB")]:
    problems.append("the clients' protocols shown: %s" % dialects)
if any(not row[1].isdigit() for row in files if row[0]):
    problems.append("a file without its id: %s" % files)
shares = [item[:2] for item in form["lv_shares"]["items"]]
if not any(name == "office" and path.endswith("\\office")
           for name, path in shares):
    problems.append("the shares page lists: %s" % shares)
for p in problems:
    print("FAIL:", p)
sys.exit(1 if problems else 0)
PY

log=$dir/netfiles.log
[ "$(wc -l <"$log")" -eq 5 ] || fail "the file log has $(wc -l <"$log") lines, not 5"
[ "$(grep -c $'\r$' "$log")" -eq 5 ] || fail "the file log's lines do not end in CR LF"
grep -q "$(printf 'Отчёт за март.doc' | iconv -f UTF-8 -t CP1251)" "$log" ||
  fail "the file log lacks the Cyrillic name in Windows-1251"

# The port's own tests, while the clients hold their files.
mkdir -p "$work/shared" && chmod 777 "$work/shared"
ORVANE_SAMBA_SERVER=127.0.0.1 ORVANE_SAMBA_CREDENTIALS=$creds \
  ORVANE_SAMBA_FOLDER=$work/shared ORVANE_SAMBA_CONF=$SAMBA_CONF \
  timeout 60 $SAMBA_AT_SERVER "$port_test" >"$work/port.out" 2>&1 ||
  fail "the port's tests: $(cat "$work/port.out")"
grep -q "PASSED.* 4 tests" "$work/port.out" ||
  fail "the port's tests did not all run: $(tail -3 "$work/port.out")"

# What the server itself has: its sessions' users, and the number of opens.
server_has() {
  smbstatus -s "$SAMBA_CONF" --json 2>/dev/null | /usr/bin/python3 -c '
import json, sys
state = json.load(sys.stdin)
users = sorted(s["username"] for s in state.get("sessions", {}).values())
opens = sum(len(f["opens"]) for f in state.get("open_files", {}).values())
print(" ".join(users), opens)'
}

# What the server has after a run of the program: its own session, which
# ends with the run, can stay listed for a moment, so it is waited out.
server_has_after_run() {
  local has
  for _ in $(seq 50); do
    has=$(server_has)
    case " $has " in
      *" $SAMBA_ADMIN "*) sleep 0.1 ;;
      *) break ;;
    esac
  done
  echo "$has"
}

# The open-file limit: with two allowed, the files beyond them are closed
# on the server.
printf '[Log]\r\nUse=0\r\nDenyFiles=1\r\nOpenFiles=2\r\n' >"$dir/OV.CFG"
(cd "$dir" && timeout 60 $SAMBA_AT_SERVER "$orvane" --server 127.0.0.1 --credentials "$creds" \
  --dir "$dir" --run-for 3) >"$work/limit.out" 2>&1 ||
  fail "the run with the open-file limit failed: $(cat "$work/limit.out")"
has=$(server_has_after_run)
[ "$has" = "ovbuh ovsklad 2" ] ||
  fail "with a limit of 2 open files the server has: $has"

# A listed user is kicked: that session is gone from the server, the other
# stays.
printf '%s\r\n' "${SAMBA_USERS[1]}" >"$dir/usrnames"
(cd "$dir" && timeout 60 $SAMBA_AT_SERVER "$orvane" --server 127.0.0.1 --credentials "$creds" \
  --dir "$dir" --run-for 3) >"$work/kick.out" 2>&1 ||
  fail "the run with a listed user failed: $(cat "$work/kick.out")"
has=$(server_has_after_run)
case "$has" in
  "ovbuh "*) ;;
  *) fail "after kicking ${SAMBA_USERS[1]} the server has: $has" ;;
esac
rm -f "$dir/usrnames"

# Client 1 comes with one file, and a run of the program must end its
# session on the server, with the file; client 0 and the watcher stay.
ends_client1() {
  local what=$1 before has
  samba_hold 1 "$what.txt"
  before=$(server_has)
  [ "${before% *}" = "ovbuh ovsklad" ] ||
    fail "$what: before the run the server has: $before"
  (cd "$dir" && timeout 60 $SAMBA_AT_SERVER "$orvane" --server 127.0.0.1 \
    --credentials "$creds" --dir "$dir" --run-for 3 --dump "$dir/$what.json") \
    >"$work/$what.out" 2>&1 || fail "$what: the run failed: $(cat "$work/$what.out")"
  has=$(server_has_after_run)
  [ "$has" = "ovbuh $((${before##* } - 1))" ] ||
    fail "$what: after the run the server has: $has"
  grep -q "\"${SAMBA_CLIENT_ADDRESS[0]}\", \"ovbuh\"" "$dir/$what.json" ||
    fail "$what: the connections grid lacks ovbuh at ${SAMBA_CLIENT_ADDRESS[0]}"
}

# A listed computer is kicked, also each time it comes back, and a rule on
# a computer's connection acts on the server. Only where clients have
# addresses of their own.
if [ -n "$SAMBA_AT_SERVER" ]; then
  printf '%s\r\n' "${SAMBA_CLIENT_ADDRESS[1]}" >"$dir/users"
  ends_client1 computer
  samba_hold --reconnect 1 persistent.txt
  (cd "$dir" && timeout 60 $SAMBA_AT_SERVER "$orvane" --server 127.0.0.1 \
    --credentials "$creds" --dir "$dir" --run-for 5) >"$work/again.out" 2>&1 ||
    fail "the run against a returning computer failed: $(cat "$work/again.out")"
  comebacks=$(grep -c ready "$(samba_client_said 1)")
  [ "$comebacks" -ge 3 ] ||
    fail "the returning computer connected $comebacks times, not kicked again"
  has=$(server_has_after_run)
  case "$has" in
    "ovbuh "* | "ovbuh ovsklad "*) ;;
    *) fail "after kicking the returning computer the server has: $has" ;;
  esac
  kill "${SAMBA_CLIENTS[-1]}"
  rm -f "$dir/users"
  cp "$dir/OV.CFG" "$dir/OV.CFG.norules"
  printf '[Options]\r\nRules=1\r\n' >"$dir/OV.CFG"
  # Connected: disconnect that address, always.
  printf '0\r\n0\r\n%s\r\n\r\n\r\n255\r\n' "${SAMBA_CLIENT_ADDRESS[1]}" \
    >"$dir/rules"
  ends_client1 rule
  mv "$dir/OV.CFG.norules" "$dir/OV.CFG"
  rm -f "$dir/rules"
else
  echo "no network namespaces: the computer kick and the rule are not tried"
fi

# The server goes away while the program watches, and comes back: the
# calls fail meanwhile, the program goes on, and sees the server again.
dumped() {
  /usr/bin/python3 -c '
import json, sys
rows = json.load(open(sys.argv[1]))["st_conns"]["rows"][1:]
print(" ".join(sorted(row[1] for row in rows if row[0])))' "$1" 2>/dev/null
}
(cd "$dir" && exec timeout 90 $SAMBA_AT_SERVER "$orvane" --server 127.0.0.1 --credentials "$creds" \
  --dir "$dir" --show --status "$work/live.json") >"$work/away.out" 2>&1 &
program=$!
sleep 3
samba_halt
sleep 3
kill -0 $program 2>/dev/null || fail "the program ended when the server went away"
samba_serve || exit 1
samba_hold 1 back.txt
for _ in $(seq 1 40); do
  [ "$(dumped "$work/live.json")" = "ovadmin ovsklad" ] && break
  sleep 0.25
done
[ "$(dumped "$work/live.json")" = "ovadmin ovsklad" ] ||
  fail "after the server came back the program shows: $(dumped "$work/live.json")"
kill -TERM $program
wait $program || fail "the run that saw the server go ended with $?"

# A signal ends the run as the main menu's exit does: the settings saved.
rm -f "$dir/OV.CFG.saved"
cp "$dir/OV.CFG" "$dir/OV.CFG.before"
(cd "$dir" && exec timeout 60 $SAMBA_AT_SERVER "$orvane" --server 127.0.0.1 --credentials "$creds" \
  --dir "$dir") >"$work/signal.out" 2>&1 &
program=$!
sleep 3
kill -TERM $program
wait $program
code=$?
[ $code -eq 0 ] || fail "SIGTERM ended the run with $code"
grep -q '^Width=' "$dir/OV.CFG" || fail "the run ended by SIGTERM saved no display settings"

# Clear failures, and no hang.
printf 'username = %s\npassword = wrong\n' "$SAMBA_ADMIN" >"$work/wrong.creds"
started=$SECONDS
# Server, credentials, what the one line says.
attempts=("127.0.0.1 $work/wrong.creds refuses the account"
  "127.0.0.1 $work/missing.creds cannot read the credentials file"
  "127.0.0.2 $creds no file server answers there")
# An address on the clients' network where no computer answers, and one
# whose packets go to a card that is not there, as to a host that drops
# them: the connect gives up in the program's own time.
if [ -n "$SAMBA_AT_SERVER" ]; then
  ip -n ovsrv neigh add 10.77.0.98 lladdr 02:00:00:00:00:98 nud permanent dev ovs0 ||
    fail "no neighbour entry for the silent host"
  attempts+=("10.77.0.99 $creds no file server answers there"
    "10.77.0.98 $creds nothing answers on port 445 within 10 s")
fi
for attempt in "${attempts[@]}"; do
  set -- $attempt
  said=${attempt#* * }
  message=$(timeout 60 $SAMBA_AT_SERVER "$orvane" --server "$1" --credentials "$2" --dir "$dir" \
    --run-for 2 2>&1)
  code=$?
  [ $code -ne 0 ] && [ $code -ne 124 ] || fail "$attempt: status $code"
  [ "$(wc -l <<<"$message")" -eq 1 ] || fail "$attempt: not one line: $message"
  [[ $message == "orvane: $1: "*"$said"* ]] || fail "$attempt: says: $message"
  echo "$attempt: $message"
done
[ $((SECONDS - started)) -lt 60 ] || fail "the failures took $((SECONDS - started)) s"
exit $status
