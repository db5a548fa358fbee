#!/bin/sh
# Reads and checks WayFiles of 10k, 100k and 1M waypoints with cairnlog and
# prints the wall time and peak memory of each run. Usage: run.sh BUILD_DIR
set -eu
here=$(cd "$(dirname "$0")" && pwd)
cairnlog=$(cd "$1" && pwd)/bin/cairnlog
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf '%-12s %10s %12s %14s\n' waypoints "wall s" "peak KiB" "bytes/waypoint"
for n in 10000 100000 1000000; do
  awk -v n="$n" -f "$here/make_wayfile.awk" > "$work/walk.txt"
  /usr/bin/time -f '%e %M' -o "$work/time" "$cairnlog" "$work/walk.txt" 2> "$work/notes" || {
    echo "cairnlog failed on $n waypoints:"; head -5 "$work/notes"; exit 1; }
  read -r wall peak < "$work/time"
  printf '%-12s %10s %12s %14d\n' "$n" "$wall" "$peak" "$((peak * 1024 / n))"
done
