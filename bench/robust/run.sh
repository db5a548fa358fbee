#!/bin/sh
# Hostile WayFiles at 100k and 1M lines through a whole cairnlog run with
# every output (-g -r -p): lines of 254 characters, one ID a million
# times, one position a million times and a million layout directives;
# and, at 200 and 2,000 lines, columns of the most rows the page settings
# allow. Prints wall time and peak memory per run and per line; growth to
# ten times the lines should be about ten times in both.
# Usage: run.sh BUILD_DIR
set -eu
here=$(cd "$(dirname "$0")" && pwd)
cairnlog=$(cd "$1" && pwd)/bin/cairnlog
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf '%-11s %8s %6s %8s %10s %9s %9s\n' file lines status "wall s" "peak KiB" "bytes/line" "growth"
for kind in long same-id same-place layout tall; do
  previous=""
  sizes="100000 1000000"
  [ "$kind" = tall ] && sizes="200 2000"
  for n in $sizes; do
    LC_ALL=C awk -v kind="$kind" -v n="$n" -f "$here/make_hostile.awk" > "$work/walk.txt"
    status=0
    (cd "$work" && /usr/bin/time -f '%e %M' -o time "$cairnlog" -g -r -p walk.txt 2> notes) || status=$?
    set -- $(tail -n 1 "$work/time")  # time's last line: a failed run adds one before it
    wall=$1 peak=$2
    growth=""
    [ -n "$previous" ] && growth=$(awk -v a="$previous" -v b="$wall" 'BEGIN { if (a > 0) printf "%.1f", b / a }')
    printf '%-11s %8d %6d %8s %10s %9d %9s\n' "$kind" "$n" "$status" "$wall" "$peak" \
      "$((peak * 1024 / n))" "$growth"
    previous=$wall
    rm -f "$work"/walk*
  done
done
