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

table_header
measured_row "$count" "cairnlog -r -p" "$bin/cairnlog" -r -p plain.txt
plain=$seconds
measured_row "$count" "cairnlog -r -p, route card" "$bin/cairnlog" -r -p card.txt
awk -v a="$plain" -v b="$seconds" 'BEGIN { if (a > 0) printf "%-9s with the card / without = %.3f\n", "", b / a }'
