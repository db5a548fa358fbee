#!/bin/sh
# Grid pass speed: cairnlog -r (reading, checking, converting, measuring and
# writing the report) against cs2cs converting the same positions alone.
# Prints wall time, peak memory and the ratio for 10k, 100k and 1M waypoints.
set -eu
build=$(cd "$1" && pwd)
bin=$build/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

osgb="+proj=tmerc +lat_0=49 +lon_0=-2 +k=0.9996012717 +x_0=400000 +y_0=-100000 +ellps=airy"
osgb="$osgb +towgs84=446.448,-125.157,542.06,0.1502,0.247,0.8421,-20.4894"

# cairnlog once it writes reports; until then the library through the helper.
printf 'C1 54.5 -2.0 0 Probe\n' > "$work/probe.txt"
if (cd "$work" && "$bin/cairnlog" -r probe.txt >/dev/null 2>&1) && [ -s "$work/probeReport.txt" ]; then
  ours="cairnlog -r"
else
  ours="geodesy_bench report"
fi

# Runs a command under /usr/bin/time; prints "seconds peak-KiB".
measure() {
  /usr/bin/time -f '%e %M' -o "$work/time" "$@" >/dev/null 2>"$work/stderr" || {
    cat "$work/stderr" >&2
    exit 1
  }
  cat "$work/time"
}

printf '%-9s %-22s %9s %10s\n' "waypoints" "program" "wall (s)" "peak (MiB)"
for count in 10000 100000 1000000; do
  "$bin/geodesy_bench" generate "$count" "$work/walk.txt" "$work/positions.txt"
  if [ "$ours" = "cairnlog -r" ]; then
    set -- sh -c "cd '$work' && '$bin/cairnlog' -r walk.txt"
  else
    set -- "$bin/geodesy_bench" report "$work/walk.txt" "$work/walkReport.txt"
  fi
  read -r ours_s ours_kib <<EOF_TIME
$(measure "$@")
EOF_TIME
  read -r proj_s proj_kib <<EOF_TIME
$(measure sh -c "cs2cs -f %.3f +proj=longlat +datum=WGS84 +to $osgb < '$work/positions.txt'")
EOF_TIME
  mib() { awk -v k="$1" 'BEGIN{printf "%.1f", k/1024}'; }
  if [ "$ours" = "cairnlog -r" ]; then
    # The same run without outputs: reading and checking alone, to show what
    # the grid pass, the route measures and the report add.
    read -r check_s check_kib <<EOF_TIME
$(measure sh -c "cd '$work' && '$bin/cairnlog' walk.txt")
EOF_TIME
    printf '%-9s %-22s %9s %10s\n' "$count" "cairnlog (no output)" "$check_s" "$(mib "$check_kib")"
  fi
  printf '%-9s %-22s %9s %10s\n' "$count" "$ours" "$ours_s" "$(mib "$ours_kib")"
  printf '%-9s %-22s %9s %10s\n' "$count" "cs2cs" "$proj_s" "$(mib "$proj_kib")"
  awk -v a="$ours_s" -v b="$proj_s" 'BEGIN{ if (a > 0) printf "%-9s cs2cs / ours = %.1f\n", "", b / a; else printf "%-9s cs2cs / ours: too fast to time\n", "" }'
done
