#!/usr/bin/env bash
# The command line's batch run over many varied test files, as a user runs it:
# --csv must take at most 1 s, --report at most 15 s with a peak resident size
# of at most 300 MB (for 1000 files). Time and peak size from /usr/bin/time -v.
#   bench/report_bench.sh [BUILD DIR] [COUNT]
set -euo pipefail
build=$(realpath "${1:-build}") count=${2:-1000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/bench/generate_test_files" "$work/in" "$count"
program=$build/src/app/Kaldoventri
status=0

# measure NAME SECONDS MEGABYTES COMMAND...
measure() {
  local name=$1 seconds=$2 megabytes=$3
  shift 3
  env -u DISPLAY /usr/bin/time -v "$@" >/dev/null 2>"$work/time.txt" || { cat "$work/time.txt"; exit 1; }
  local wall rss
  wall=$(awk -F': ' '/Elapsed \(wall clock\)/ { n = split($2, p, ":"); s = 0; for (i = 1; i <= n; i++) s = s * 60 + p[i]; print s }' "$work/time.txt")
  rss=$(awk -F': ' '/Maximum resident set size/ { printf "%.1f", $2 / 1024 }' "$work/time.txt")
  local verdict=ok
  if awk -v w="$wall" -v r="$rss" -v s="$seconds" -v m="$megabytes" 'BEGIN { exit !(w > s || r > m) }'; then
    verdict="OVER (goal ${seconds} s, ${megabytes} MB)"
    status=1
  fi
  printf '%-8s %5d files  %6.2f s  %7.1f MB peak  %s\n' "$name" "$count" "$wall" "$rss" "$verdict"
}

measure --csv 1 300 "$program" --csv "$work/out.csv" "$work"/in/*.vkf
measure --report 15 300 "$program" --report "$work/out.pdf" "$work"/in/*.vkf
measure both 16 300 "$program" --report "$work/out.pdf" --csv "$work/out.csv" "$work"/in/*.vkf
echo "report: $(pdfinfo "$work/out.pdf" | awk '/^Pages:/ { print $2 }') pages, $(du -k "$work/out.pdf" | cut -f1) kB;" \
     "table: $(($(wc -l <"$work/out.csv") - 1)) rows"
exit $status
