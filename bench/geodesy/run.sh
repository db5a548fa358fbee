#!/bin/sh
# Grid pass speed: cairnlog -r (reading, checking, converting, measuring and
# writing the report) against cs2cs converting the same positions alone.
# Prints the best of three runs' wall time, peak memory and the ratio for 10k, 100k and 1M waypoints,
# and cairnlog without outputs, so that the difference shows what the grid
# pass, the route measures and the report add to reading and checking.
set -eu
build=$(cd "$1" && pwd)
bin=$build/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

osgb="+proj=tmerc +lat_0=49 +lon_0=-2 +k=0.9996012717 +x_0=400000 +y_0=-100000 +ellps=airy"
osgb="$osgb +towgs84=446.448,-125.157,542.06,0.1502,0.247,0.8421,-20.4894"

. "$(dirname "$0")/../measure.sh"

row() {  # waypoints program wall user peak-KiB
  awk -v n="$1" -v p="$2" -v s="$3" -v k="$5" 'BEGIN { printf "%-9s %-22s %9s %10.1f\n", n, p, s, k / 1024 }'
}

printf '%-9s %-22s %9s %10s\n' "waypoints" "program" "wall (s)" "peak (MiB)"
for count in 10000 100000 1000000; do
  "$bin/geodesy_bench" generate "$count" "$work/walk.txt" "$work/positions.txt"
  set -- $(cd "$work" && measure 3 "$bin/cairnlog" walk.txt)
  row "$count" "cairnlog (no output)" "$@"
  set -- $(cd "$work" && measure 3 "$bin/cairnlog" -r walk.txt)
  ours=$1
  row "$count" "cairnlog -r" "$@"
  set -- $(measure 3 sh -c "cs2cs -f %.3f +proj=longlat +datum=WGS84 +to $osgb < '$work/positions.txt'")
  row "$count" "cs2cs" "$@"
  awk -v a="$ours" -v b="$1" 'BEGIN {
    if (a > 0) printf "%-9s cs2cs / cairnlog -r = %.1f\n", "", b / a
    else printf "%-9s cs2cs / cairnlog -r: too fast to time\n", ""
  }'
done
