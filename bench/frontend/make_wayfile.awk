# Writes a WayFile of n waypoints (awk -v n=...): a main path with
# alternates and points of interest, directives at the top and layout
# directives along the way, and descriptions of everyday length.
BEGIN {
    srand(1);
    print "#TITLE=Benchmark Way";
    print "#SYM.C = Flag, Red        | main path";
    print "#SYM.A = Flag, Green      | alternate";
    print "#SYM.P = Pin, Green       | points of interest";
    print "#SYM_RULE.C = RULE_ALL";
    print "#SYM_RULE.A = RULE_CONTINUOUS";
    print "#DISTANCE_TWEAK=1.08";
    split("Stile by the gate into the wood|Footbridge over the beck|Cairn on the summit ridge|" \
          "Fingerpost at the lane end|Kissing gate, path bears left|Trig point, fine views north|" \
          "Ladder stile over the wall|Farm track past the barns|Ford, stepping stones|" \
          "Junction with the bridleway", words, "|");
    lat = 50.0; lon = -5.0;
    for (i = 1; i <= n; i++) {
        lat += 0.00035 + rand() * 0.0001;
        lon += 0.00025 * (rand() - 0.3);
        letter = (i % 23 == 0) ? "P" : (i % 7 == 0) ? "A" : "C";
        printf "%s%06d %.6f %.6f %d %s\n", letter, i, lat, lon, int(50 + rand() * 800), words[1 + i % 10];
        if (i % 50 == 0) print "#BLANK_LINE";
        if (i % 400 == 0) print "#NEW_COLUMN   | next day";
    }
}
