#!/bin/sh
# Reads and checks WayFiles of 10k, 100k and 1M waypoints with cairnlog and
# prints the wall time and peak memory of each run. Usage: run.sh BUILD_DIR
set -eu
here=$(cd "$(dirname "$0")" && pwd)
cairnlog=$(cd "$1" && pwd)/bin/cairnlog
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf '%-10s %8s %8s %8s %10s %8s %10s\n' waypoints "wall s" "user s" "sys s" "peak KiB" "bytes/wp" "page faults"
for n in 10000 100000 1000000; do
  awk -v n="$n" -f "$here/make_wayfile.awk" > "$work/walk.txt"
  /usr/bin/time -f '%e %U %S %M %R' -o "$work/time" "$cairnlog" "$work/walk.txt" 2> "$work/notes" || {
    echo "cairnlog failed on $n waypoints:"; head -5 "$work/notes"; exit 1; }
  read -r wall user sys peak faults < "$work/time"
  printf '%-10s %8s %8s %8s %10s %8d %10s\n' "$n" "$wall" "$user" "$sys" "$peak" "$((peak * 1024 / n))" "$faults"
done
