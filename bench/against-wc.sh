#!/usr/bin/env bash
# Runs one program's benchmark beside `wc -l` on the same file (both in the
# report benchmarks, bench_tallyrep and bench_connrep) and prints, from that
# one run, the median time of each, the program's peak memory and the ratio
# of the times. Their repetitions are interleaved, so a load that comes and
# goes on the machine weighs on both alike.
# Usage: bench/against-wc.sh BENCH_BINARY PROGRAM_BENCHMARK WC_BENCHMARK [REPETITIONS]
set -euo pipefail
binary=$1 program=$2 wc=$3 repetitions=${4:-5}
output=$("$binary" --benchmark_filter="^($program|$wc)(/|\$)" \
  --benchmark_repetitions="$repetitions" --benchmark_enable_random_interleaving=true \
  --benchmark_report_aggregates_only=true 2>/dev/null)
median() { awk -v name="$1" '$1 == name "/real_time_median" { print $2 }' <<<"$output"; }
peak() { grep -o "^$1/real_time_median .*PeakMB=[0-9.]*" <<<"$output" | sed 's/.*PeakMB=//'; }
wc_ms=$(median "$wc")
program_ms=$(median "$program")
[ -n "$wc_ms" ] && [ -n "$program_ms" ] || { echo "$output"; exit 1; }
echo "wc -l:      $wc_ms ms"
echo "${program#BM_}: $program_ms ms, peak $(peak "$program") MB"
awk -v p="$program_ms" -v w="$wc_ms" 'BEGIN { printf "ratio:      %.2f times wc -l\n", p / w }'
