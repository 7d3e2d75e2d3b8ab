#!/usr/bin/env bash
# Stands in for the runner in the soak: writes the file log the soak
# expects for the stretch it is asked to play, or fails as FAKE_SOAK says:
#   day-fails    the 24-hour run ends with status 1
#   lines-short  the file log of the hour misses a line
#   grows        the 24-hour run takes twice the memory of the hour's
# The hour's run holds 8 MB, so that the shell's own few megabytes, which
# vary from run to run, cannot pass for growth.
set -euo pipefail
while [ $# -gt 0 ]; do
  case $1 in
    --run-for) seconds=$2; shift 2 ;;
    --dir) dir=$2; shift 2 ;;
    --journal) journal=$2; shift 2 ;;
    *) shift ;;
  esac
done
: >"$journal"
if [ "${FAKE_SOAK:-}" = day-fails ] && [ "$seconds" -eq 86400 ]; then
  echo "runner: made to fail" >&2
  exit 1
fi
megabytes=8
[ "$seconds" -eq 86400 ] && megabytes=0
[ "$seconds" -eq 86400 ] && [ "${FAKE_SOAK:-}" = grows ] && megabytes=16
held=$(head -c $((megabytes << 20)) /dev/zero | tr '\0' x)
# Ten openings every 300 s from the first minute on, as the soak's day has.
lines=$(((seconds - 60 + 299) / 300 * 10))
[ "${FAKE_SOAK:-}" = lines-short ] && lines=$((lines - 1))
for ((n = 0; n < lines; n++)); do printf 'opening %d\r\n' "$n"; done >"$dir/files.log"
: "${#held}"
