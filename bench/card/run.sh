#!/bin/sh
# The route card's cost: cairnlog -r -p on the geodesy benchmark's walk of
# 1M waypoints, without the card and with #ROUTE_CARD and a #STAGE every
# 400 waypoints. Prints the best of three runs' wall time and peak memory,
# and the ratio of the two times (the aim: 1.15 or less).
# Usage: run.sh BUILD_DIR
set -eu
build=$(cd "$1" && pwd)
bin=$build/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
count=1000000

. "$(dirname "$0")/../measure.sh"

"$bin/geodesy_bench" generate "$count" "$work/plain.txt" "$work/positions.txt"
awk 'NR == 1 { print "#ROUTE_CARD" } /^[^#]/ && ++n % 400 == 1 { print "#STAGE=Day " ++day } { print }' \
  "$work/plain.txt" > "$work/card.txt"

printf '%-9s %-26s %9s %10s\n' "waypoints" "program" "wall (s)" "peak (MiB)"
set -- $(cd "$work" && measure 3 "$bin/cairnlog" -r -p plain.txt)
plain=$1
awk -v n="$count" -v s="$1" -v k="$3" 'BEGIN { printf "%-9s %-26s %9s %10.1f\n", n, "cairnlog -r -p", s, k / 1024 }'
set -- $(cd "$work" && measure 3 "$bin/cairnlog" -r -p card.txt)
awk -v n="$count" -v s="$1" -v k="$3" 'BEGIN { printf "%-9s %-26s %9s %10.1f\n", n, "cairnlog -r -p, route card", s, k / 1024 }'
awk -v a="$plain" -v b="$1" 'BEGIN { if (a > 0) printf "%-9s with the card / without = %.3f\n", "", b / a }'
