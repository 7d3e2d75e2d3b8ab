#!/usr/bin/env bash
# The soak's verdict follows its runs: it passes only when both runs pass,
# and fails when either fails.
# Usage: soak_verdict.sh SOURCE_DIR
set -uo pipefail
soak=$1/scripts/soak
fake=$(dirname "$0")/fake_soak_runner.sh
status=0

expect() {
  local want=$1 mode=$2 output code
  output=$(FAKE_SOAK=$mode ORVANE_SOAK_RUNNER=$fake "$soak" 2>&1)
  code=$?
  if [ "$want" = pass ] && { [ $code -ne 0 ] || [[ $output != *"soak passed"* ]]; }; then
    echo "FAIL: with '$mode' the soak should pass (status $code):"; echo "$output"; status=1
  elif [ "$want" = fail ] && { [ $code -eq 0 ] || [[ $output == *"soak passed"* ]]; }; then
    echo "FAIL: with '$mode' the soak should fail (status $code):"; echo "$output"; status=1
  else
    echo "ok: '$mode' gives a $want (status $code)"
  fi
}

expect pass ""
expect fail day-fails
expect fail lines-short
expect fail grows
exit $status
