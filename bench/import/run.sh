#!/bin/sh
# GPX import speed: gpx2wayfile converting a track of 10k, 100k and 1M
# points, against GPSBabel reading the same file into unicsv. Prints wall
# time, peak memory, peak bytes per track point and GPSBabel's time divided
# by ours (the aim: 5 or more at 1M points, 100 bytes a point or less, time
# growing linearly). The last row is a zigzag whose every corner matters,
# the worst case of the thinning, which its scan budget keeps linear.
set -eu
bin=$(cd "$1" && pwd)/bin
work=$(mktemp -d "${TMPDIR:-/tmp}/bench-import-XXXXXX")
trap 'rm -rf "$work"' EXIT

# A walk that wanders north-east in steps of about 5 metres, as a GPS logs
# it, elevation and time on every point as a GPS unit writes them.
make_track() {
  awk -v n="$1" -v zigzag="$2" 'BEGIN {
    print "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
    print "<gpx version=\"1.1\" creator=\"bench\" xmlns=\"http://www.topografix.com/GPX/1/1\">"
    print "<trk><name>Bench walk</name><trkseg>"
    for (i = 0; i < n; i++) {
      if (zigzag) { lat = 54 + (i % 2) * 0.0004; lon = -3 + i * 0.00002 }
      else {
        lat = 54 + i * 0.00003 + 0.002 * sin(i / 700) + 0.0001 * sin(i / 37)
        lon = -3 + i * 0.00002 + 0.003 * cos(i / 900)
      }
      printf "<trkpt lat=\"%.7f\" lon=\"%.7f\"><ele>%.1f</ele><time>2024-05-01T10:%02d:%02dZ</time></trkpt>\n", \
        lat, lon, 200 + 100 * sin(i / 5000), int(i / 60) % 60, i % 60
    }
    print "</trkseg></trk></gpx>"
  }' > "$work/track.gpx"
}

. "$(dirname "$0")/../measure.sh"

row() {  # points program wall user peak-KiB [wall-ratio user-ratio]
  awk -v n="$1" -v p="$2" -v w="$3" -v u="$4" -v k="$5" -v r="${6:-}" -v ru="${7:-}" \
    'BEGIN { printf "%-9s %-22s %7s %7s %8.1f %8.0f %6s %6s\n", n, p, w, u, k / 1024, k * 1024 / n, r, ru }'
}

printf '%-9s %-22s %7s %7s %8s %8s %6s %6s\n' points program "wall s" "user s" peak-MB bytes/pt babel/us "(user)"
for n in 10000 100000 1000000; do
  make_track "$n" 0
  set -- $(measure 1 gpsbabel -i gpx -f "$work/track.gpx" -o unicsv -F "$work/babel.csv")
  babel_wall=$1
  babel_user=$2
  row "$n" gpsbabel "$1" "$2" "$3" 1.0 1.0
  set -- $(measure 1 "$bin/gpx2wayfile" -o "$work/way.txt" "$work/track.gpx")
  kept=$(grep -c '^C' "$work/way.txt")
  row "$n" "gpx2wayfile ($kept kept)" "$1" "$2" "$3" "$(ratio "$babel_wall" "$1")" "$(ratio "$babel_user" "$2")"
done

# Its places: 10,000 waypoints along the million-point track, at every 100th
# point and half of them 300 metres north of it, among five symbols.
make_waypoints() {
  awk 'BEGIN {
    print "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
    print "<gpx version=\"1.1\" creator=\"bench\" xmlns=\"http://www.topografix.com/GPX/1/1\">"
    split("Summit,Flag,Parking Area,Water,Crossing", syms, ",")
    for (w = 0; w < 10000; w++) {
      i = w * 100
      lat = 54 + i * 0.00003 + 0.002 * sin(i / 700) + 0.0001 * sin(i / 37) + (w % 2) * 0.0027
      lon = -3 + i * 0.00002 + 0.003 * cos(i / 900)
      printf "<wpt lat=\"%.7f\" lon=\"%.7f\"><ele>%d</ele><name>Place %d</name><sym>%s</sym></wpt>\n", \
        lat, lon, 300 + w % 500, w, syms[w % 5 + 1]
    }
    print "</gpx>"
  }' > "$work/places.gpx"
}
make_waypoints
set -- $(measure 3 "$bin/gpx2wayfile" -o "$work/way.txt" "$work/track.gpx")
alone=$1
row 1000000 "track alone" "$1" "$2" "$3"
set -- $(measure 3 "$bin/gpx2wayfile" -o "$work/way.txt" "$work/track.gpx" "$work/places.gpx")
row 1000000 "+ 10000 waypoints" "$1" "$2" "$3" "$(ratio "$1" "$alone")"
echo "(the last ratio: time with the waypoints over the track alone; the aim 1.5 or less)"
make_track 1000000 1
set -- $(measure 1 "$bin/gpx2wayfile" -o "$work/way.txt" "$work/track.gpx")
row 1000000 "zigzag ($(grep -c '^C' "$work/way.txt") kept)" "$1" "$2" "$3"
