#!/usr/bin/env bash
# Every test of the build has a time limit of its own, so a hang ends at
# that limit and names its test.
# Usage: time_limits.sh CTEST BUILD_DIR
set -euo pipefail
ctest=$1 build=$2
total=$("$ctest" --test-dir "$build" -N | sed -n 's/^Total Tests: //p')
limited=$("$ctest" --test-dir "$build" --show-only=json-v1 |
  grep -c '"name" : "TIMEOUT"' || true)
echo "$limited of $total tests have a TIMEOUT"
[ "$total" -gt 0 ] && [ "$limited" -eq "$total" ]
