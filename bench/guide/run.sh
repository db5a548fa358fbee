#!/bin/sh
# Guide benchmark: guides of 1k, 10k and 100k waypoints, their whole time
# and peak memory beside the time zlib alone takes to compress the same
# page content. Goal: 100k waypoints in under 2 s, within twice zlib's
# time, and under 400 bytes of peak memory a waypoint.
set -eu
bin="$1/bin"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for waypoints in 1000 10000 100000; do
  echo "-- $waypoints waypoints"
  "$bin/guide_bench" guide "$waypoints" "$out/bench.pdf" 2>"$out/messages"
  "$bin/guide_bench" zlib "$waypoints"
  echo "file size:  $(wc -c < "$out/bench.pdf") bytes, $(pdfinfo "$out/bench.pdf" | sed -n 's/^Pages: *//p') pages, $(wc -l < "$out/messages") messages"
done
