#!/usr/bin/env bash
# The Samba poll benchmark against the private smbd with two clients
# holding five files. Exits 77 without root or the samba packages.
# Usage: poll_bench.sh BENCH_SAMBA_POLL WORK_DIR [BENCHMARK_OPTION...]
set -u
bench=$1 work=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/private_smbd.sh"
samba_skip_unless_ready
# The client users reach the share through it.
mkdir -p "$work" && chmod 755 "$work" || exit 1
trap samba_stop EXIT
samba_start "$work/server" || exit 1
printf 'username = %s\npassword = %s\n' "$SAMBA_ADMIN" "$SAMBA_ADMIN_PASSWORD" \
  >"$work/admin.creds"
samba_hold 0 a.doc b.xls c.txt
samba_hold 1 d.doc e.xls
ORVANE_SAMBA_SERVER=127.0.0.1 ORVANE_SAMBA_CREDENTIALS=$work/admin.creds \
  $SAMBA_AT_SERVER "$bench" "$@"
