#!/bin/sh
# GPX writing speed: cairnlog -g and stileline on 10k, 100k and 1M points,
# against GPSBabel converting the same points from unicsv to GPX. Prints
# wall time, peak memory and GPSBabel's time divided by ours (higher is
# better; the aim is 10 or more at 1M points, growing linearly in time).
# "(GPX writer)" is cairnlog's writer alone on records made in memory, the
# part of "cairnlog -g" that is not reading and checking the WayFile.
# "-g, a route" is the same walk with #GPX_ROUTE=W, every waypoint written
# twice, as a wpt and as a route point: it should stay within twice the
# time of "cairnlog -g" and take no more memory. "route/-g" is the ratio.
set -eu
bin=$(cd "$1" && pwd)/bin
work=$(mktemp -d "${TMPDIR:-/tmp}/bench-gpx-XXXXXX")
trap 'rm -rf "$work"' EXIT

# Distinct in-range positions on a 1000 x 1000 grid of 0.001 degree steps,
# so that no check of the readers sees a duplicate.
make_inputs() {
  awk -v n="$1" -v dir="$work" 'BEGIN {
    track = dir "/track.txt"; way = dir "/way.txt"; csv = dir "/points.csv"
    route = dir "/route.txt"
    print "#GPX_ROUTE=W" > route
    print "name,lat,lon,ele,desc" > csv
    for (i = 0; i < n; i++) {
      lat = 50 + (i % 1000) * 0.001; lon = -5 + int(i / 1000) * 0.001; ele = i % 900
      printf "%.6f %.6f %d\n", lat, lon, ele > track
      printf "W%07d %.6f %.6f %d Point %d\n", i, lat, lon, ele, i > way
      printf "W%07d %.6f %.6f %d Point %d\n", i, lat, lon, ele, i > route
      printf "W%07d,%.6f,%.6f,%d,Point %d\n", i, lat, lon, ele, i > csv
    }
  }'
}

. "$(dirname "$0")/../measure.sh"

row() {  # points program wall user peak-KiB ratio
  awk -v n="$1" -v p="$2" -v s="$3" -v k="$5" -v r="$6" 'BEGIN { printf "%-9s %-14s %9s %9.1f %9s\n", n, p, s, k / 1024, r }'
}

# cairnlog takes part once its -g writes a file.
printf 'C001 54.5 -2.0 120 Start\n' > "$work/probe.txt"
( cd "$work" && "$bin/cairnlog" -g probe.txt >/dev/null 2>&1 ) || true
cairnlog_wired=0
[ -s "$work/probe.gpx" ] && cairnlog_wired=1

printf '%-9s %-14s %9s %9s %9s\n' points program seconds peak-MB "babel/us"
for n in 10000 100000 1000000; do
  make_inputs "$n"
  set -- $(measure 1 gpsbabel -i unicsv -f "$work/points.csv" -o gpx -F "$work/babel.gpx")
  babel_time=$1
  row "$n" gpsbabel "$@" 1.0
  set -- $(cd "$work" && measure 1 "$bin/stileline" track.txt)
  row "$n" stileline "$@" "$(ratio "$babel_time" "$1")"
  if [ "$cairnlog_wired" -eq 1 ]; then
    set -- $(cd "$work" && measure 1 "$bin/cairnlog" -g way.txt)
    row "$n" "cairnlog -g" "$@" "$(ratio "$babel_time" "$1")"
    plain_time=$1
    set -- $(cd "$work" && measure 1 "$bin/cairnlog" -g route.txt)
    row "$n" "-g, a route" "$@" "$(ratio "$babel_time" "$1")"
    printf '%-9s %-14s %9s\n' "$n" "(route/-g)" "$(ratio "$1" "$plain_time")"
    printf '%-9s %-14s %9s\n' "$n" "(GPX writer)" "$("$bin/gpx_writer_bench" "$n" "$work/writer.gpx")"
  else
    printf '%-9s %-14s %s\n' "$n" "cairnlog -g" "(not measured: -g writes no file yet)"
  fi
done
