#!/bin/sh
# The plan's cost: cairnlog -p on the geodesy benchmark's walk of 100,000
# waypoints with the route card and a #STAGE every 1,000 (100 stages),
# without and with #PLAN. Prints the best of three runs' wall time and peak
# memory, and what the plan pages add (the aim: under 0.5 s).
# Usage: run.sh BUILD_DIR
set -eu
build=$(cd "$1" && pwd)
bin=$build/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
count=100000

. "$(dirname "$0")/../measure.sh"

"$bin/geodesy_bench" generate "$count" "$work/plain.txt" "$work/positions.txt"
awk 'NR == 1 { print "#ROUTE_CARD" } /^[^#]/ && ++n % 1000 == 1 { print "#STAGE=Day " ++day } { print }' \
  "$work/plain.txt" > "$work/guide.txt"
awk 'NR == 1 { print "#ROUTE_CARD"; print "#PLAN" } NR > 1 || !/^#ROUTE_CARD/ { print }' \
  "$work/guide.txt" > "$work/plan.txt"

table_header
measured_row "$count" "cairnlog -p, 100 stages" "$bin/cairnlog" -p guide.txt
guide=$seconds
measured_row "$count" "cairnlog -p, with #PLAN" "$bin/cairnlog" -p plan.txt
awk -v a="$guide" -v b="$seconds" 'BEGIN { printf "%-9s the plan adds %.3f s\n", "", b - a }'
