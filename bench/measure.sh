# Timing shared by the benchmark scripts. Sourced after the script has set
# $work, its scratch directory.

# measure RUNS COMMAND [ARG...]: runs the command RUNS times under time(1),
# its own output kept out of sight, and prints "wall-seconds user-seconds
# peak-KiB" of the fastest run, since other work on a shared machine only
# adds time. Wall time comes from the clock in nanoseconds.
measure() {
  runs=$1
  shift
  : > "$work/times"
  while [ "$runs" -gt 0 ]; do
    start=$(date +%s%N)
    /usr/bin/time -f '%U %M' -o "$work/time" "$@" >/dev/null 2>"$work/stderr" || {
      echo "failed: $*" >&2; cat "$work/stderr" >&2; return 1; }
    end=$(date +%s%N)
    awk -v ns=$((end - start)) '{ printf "%.3f %.2f %d\n", ns / 1e9, $1, $2 }' "$work/time" >> "$work/times"
    runs=$((runs - 1))
  done
  sort -n "$work/times" | head -n 1
}

# ratio THEIRS OURS: how many times faster we are, to one decimal.
ratio() {
  awk -v b="$1" -v t="$2" 'BEGIN { if (t > 0) printf "%.1f", b / t; else printf "-" }'
}

# The table that measured_row fills: waypoints, program, wall time, peak.
table_header() {
  printf '%-9s %-26s %9s %10s\n' "waypoints" "program" "wall (s)" "peak (MiB)"
}

# measured_row WAYPOINTS LABEL COMMAND [ARG...]: the fastest of three runs of
# the command in $work as a line of the table; its wall time is left in
# $seconds for the script's own comparison.
measured_row() {
  row_waypoints=$1
  row_label=$2
  shift 2
  set -- $(cd "$work" && measure 3 "$@")
  seconds=$1
  awk -v n="$row_waypoints" -v p="$row_label" -v s="$1" -v k="$3" \
    'BEGIN { printf "%-9s %-26s %9s %10.1f\n", n, p, s, k / 1024 }'
}
