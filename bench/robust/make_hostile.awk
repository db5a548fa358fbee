# Writes a hostile WayFile (awk -v kind=... -v n=...):
#   long        n waypoint lines of exactly 254 characters, so that each
#               also leaves an empty second piece behind its line feed
#   same-id     n waypoints that all have the ID P1
#   same-place  n waypoints at one position
#   layout      n layout directives, a #BLANK_LINE=3 and a #NEW_COLUMN
#               after each of n/2 waypoints
#   tall        n/2 waypoints, each in a column of its own with the most
#               rows the page settings allow (19,998): the guide draws
#               every row of every column
# Positions stay inside the British grid, so every output can be written.
# Run it with LC_ALL=C: a decimal-comma locale would change its numbers.
BEGIN {
    pad = "";
    for (i = 0; i < 254; i++) pad = pad "x";
    if (kind == "layout" || kind == "tall") n = n / 2;
    if (kind == "tall") print "#SHEETSIZE=8.5x200\n#FIELDHEIGHT=0.01\n#SPLITSHEET=0";
    for (i = 1; i <= n; i++) {
        lat = 50.2 + i * 7.5 / n;
        lon = -3.0 + (i % 1000) * 0.001;
        if (kind == "long") {
            line = sprintf("C%07d %.6f %.6f %d Along the ridge ", i, lat, lon, i % 900);
            print line substr(pad, 1, 254 - length(line));
        } else if (kind == "same-id") {
            printf "P1 %.6f %.6f 100 Same name\n", lat, lon;
        } else if (kind == "same-place") {
            printf "C%07d 54.5 -2.1 100 Same place\n", i;
        } else if (kind == "layout") {
            printf "C%07d %.6f %.6f 100 Row\n#BLANK_LINE=3\n#NEW_COLUMN\n", i, lat, lon;
        } else {
            printf "C%07d %.6f %.6f 100 Column\n#NEW_COLUMN\n", i, lat, lon;
        }
    }
}
