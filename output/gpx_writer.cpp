#include "gpx_writer.h"

#include "fixed_format.h"
#include "line_batch.h"
#include "output_file.h"
#include "put_text.h"
#include "settings.h"

namespace {

// The maker named in the metadata link; both texts are this project's own.
constexpr const char* kMakerSite = "https://www.tessaron.example";
constexpr const char* kMakerName = "Tessaron Engineering";
// Decimals of a position, as in the bounds ("%.6f"): about 0.1 m.
constexpr int kPositionPlaces = 6;

int StreamStatus(std::FILE* file) { return std::ferror(file) ? 1 : 0; }

// The start and end of a point's line, by its element.
constexpr std::string_view kPointOpen[] = {"<wpt lat=\"", "<rtept lat=\"", "<trkpt lat=\""};
constexpr std::string_view kPointClose[] = {"</sym></wpt>\r\n", "</sym></rtept>\r\n", "</sym></trkpt>\r\n"};

}  // namespace

char* GpxPutEscapedText(char* out, std::string_view text) {
    for (const char c : text) {
        switch (c) {
            case '&': out = PutText(out, "&amp;"); break;
            case '<': out = PutText(out, "&lt;"); break;
            case '>': out = PutText(out, "&gt;"); break;
            default: *out++ = c;
        }
    }
    return out;
}

const char* SymbolFor(const SymbolTable& symbols, const Waypoint& waypoint) {
    const SymbolEntry& entry = symbols.Entries[SymbolEntryOf(waypoint.WayID[0])];
    return entry.SymName[0] != '\0' ? entry.SymName : symbols.Entries[0].SymName;
}

int GpxWriteHeader(std::FILE* file, const BoundingBox& bounds, const char* timestamp) {
    std::fprintf(file,
                 "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\r\n"
                 "<gpx \r\n"
                 "  xmlns=\"http://www.topografix.com/GPX/1/1\"\r\n"
                 "  creator=\"GPS TrackMaker\"\r\n"
                 "  version=\"1.1\"\r\n"
                 "  xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"\r\n"
                 "  xsi:schemaLocation=\"http://www.topografix.com/GPX/1/1 "
                 "http://www.topografix.com/GPX/1/1/gpx.xsd\">\r\n"
                 "  <metadata>\r\n"
                 "    <link href=\"%s\"> <text>%s</text> </link>\r\n"
                 "    <time>%s</time>\r\n"
                 "    <bounds minlat=\"%.6f\" minlon=\"%.6f\" maxlat=\"%.6f\" maxlon=\"%.6f\"/>\r\n"
                 "  </metadata>\r\n"
                 "\r\n",
                 kMakerSite, kMakerName, timestamp, bounds.MinLat, bounds.MinLong, bounds.MaxLat,
                 bounds.MaxLong);
    return StreamStatus(file);
}

int GpxWriteWaypoint(LineBatch& batch, const SymbolTable& symbols, const Waypoint& waypoint,
                     double metresPerElevationUnit) {
    return GpxWritePoint(batch, symbols, waypoint, metresPerElevationUnit, kGpxWpt);
}

int GpxWritePoint(LineBatch& batch, const SymbolTable& symbols, const Waypoint& waypoint,
                  double metresPerElevationUnit, GpxPointElement element) {
    // The line as "<wpt lat="%.6f" lon="%.6f"><ele>%.0f</ele><name>%s</name>
    // <cmt>%s</cmt><desc>%s</desc><sym>%s</sym></wpt>" would print it, put
    // together in the batch: a million waypoints through fprintf, or through
    // a write per piece, take longer.
    constexpr size_t kLineMax =
        3 * kFixedTextMax + kWayIdMax + 2 * kGpxMaxEscapedChar * kDescMax + kSymNameMax + 128;
    char* out = PutText(LineRoom(batch, kLineMax), kPointOpen[element]);
    out = FormatFixed(out, waypoint.Lat, kPositionPlaces);
    out = PutText(out, "\" lon=\"");
    out = FormatFixed(out, waypoint.Long, kPositionPlaces);
    out = PutText(out, "\"><ele>");
    out = FormatFixed(out, waypoint.Elev * metresPerElevationUnit, 0);
    out = PutText(out, "</ele><name>");
    out = PutText(out, waypoint.WayID);
    out = PutText(out, "</name><cmt>");
    // Comment and description carry the same text: escaped once, copied.
    char* const desc = out;
    out = GpxPutEscapedText(out, waypoint.Desc);
    const std::string_view escapedDesc(desc, static_cast<size_t>(out - desc));
    out = PutText(out, "</cmt><desc>");
    out = PutText(out, escapedDesc);
    out = PutText(out, "</desc><sym>");
    out = PutText(out, SymbolFor(symbols, waypoint));
    out = PutText(out, kPointClose[element]);
    LineDone(batch, out);
    return StreamStatus(batch.File);
}

int GpxWriteTrailer(std::FILE* file) {
    std::fputs("\r\n</gpx>\r\n", file);
    return StreamStatus(file);
}

int WriteGpxFile(const char* gpxFilename, const WaypointList& list, const BoundingBox& bounds,
                 const SymbolTable& symbols, const char* timestamp, double metresPerElevationUnit,
                 const GpxPaths& paths) {
    WarnLettersWithoutWaypoints(list, symbols, paths);
    bool onPath[kSymbolEntries] = {};
    MarkPathLetters(paths, onPath);
    std::FILE* file = std::fopen(gpxFilename, "w");
    if (!file) {
        std::fprintf(stderr, "Can't open GPX file %s for write\n", gpxFilename);
        return 1;
    }
    int failed = GpxWriteHeader(file, bounds, timestamp);
    LineBatch batch = MakeLineBatch(file);
    for (auto waypoint = list.begin(); !failed && waypoint != list.end(); ++waypoint) {
        // A via point of a route or track is a point of the path, not a place.
        if (waypoint->Via && onPath[PathEntryOf(symbols, SymbolEntryOf(waypoint->WayID[0]))]) continue;
        failed = GpxWriteWaypoint(batch, symbols, *waypoint, metresPerElevationUnit);
    }
    if (!failed) failed = GpxWritePaths(batch, list, symbols, metresPerElevationUnit, paths);
    if (!failed) failed = WriteLineBatch(batch);
    if (!failed) failed = GpxWriteTrailer(file);
    failed = FinishOutputFile(file, gpxFilename, failed);
    if (failed) {
        std::fprintf(stderr, "Oops, can't write %s\n", gpxFilename);
        return 1;
    }
    return 0;
}
