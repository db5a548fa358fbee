#include "gpx_writer.h"

#include "fixed_format.h"
#include "output_file.h"

namespace {

// The maker named in the metadata link; both texts are this project's own.
constexpr const char* kMakerSite = "https://www.tessaron.example";
constexpr const char* kMakerName = "Tessaron Engineering";

int StreamStatus(std::FILE* file) { return std::ferror(file) ? 1 : 0; }

}  // namespace

const char* SymbolFor(const SymbolTable& symbols, const Waypoint& waypoint) {
    char first = waypoint.WayID[0];
    if (first >= 'A' && first <= 'Z') first = static_cast<char>(first - 'A' + 'a');
    if (first >= 'a' && first <= 'z') {
        const SymbolEntry& entry = symbols.Entries[first - 'a' + 1];
        if (entry.SymName[0] != '\0') return entry.SymName;
    }
    return symbols.Entries[0].SymName;
}

int GpxWriteHeader(std::FILE* file, const RunState& run) {
    const BoundingBox& box = run.Bounds;
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
                 kMakerSite, kMakerName, run.RunTimestamp, box.MinLat, box.MinLong, box.MaxLat,
                 box.MaxLong);
    return StreamStatus(file);
}

int GpxWriteWaypoint(std::FILE* file, const SymbolTable& symbols, const Waypoint& waypoint) {
    // The numbers as "%.6f", "%.6f" and "%.0f" would print them, only faster.
    char lat[kFixedTextMax + 1];
    char lon[kFixedTextMax + 1];
    char elev[kFixedTextMax + 1];
    *FormatFixed(lat, waypoint.Lat, 6) = '\0';
    *FormatFixed(lon, waypoint.Long, 6) = '\0';
    *FormatFixed(elev, waypoint.Elev, 0) = '\0';
    const char* desc = waypoint.Desc.c_str();
    std::fprintf(file,
                 "<wpt lat=\"%s\" lon=\"%s\"><ele>%s</ele><name>%s</name>"
                 "<cmt>%s</cmt><desc>%s</desc><sym>%s</sym></wpt>\r\n",
                 lat, lon, elev, waypoint.WayID, desc, desc, SymbolFor(symbols, waypoint));
    return StreamStatus(file);
}

int GpxWriteTrailer(std::FILE* file) {
    std::fputs("\r\n</gpx>\r\n", file);
    return StreamStatus(file);
}

int WriteGpxFile(const RunState& run) {
    std::FILE* file = std::fopen(run.GpxFilename, "w");
    if (!file) {
        std::fprintf(stderr, "Can't open GPX file %s for write\n", run.GpxFilename);
        return 1;
    }
    int failed = GpxWriteHeader(file, run);
    for (auto waypoint = run.Waypoints.begin(); !failed && waypoint != run.Waypoints.end();
         ++waypoint) {
        failed = GpxWriteWaypoint(file, run.symbols, *waypoint);
    }
    if (!failed) failed = GpxWriteTrailer(file);
    if (CloseOutputFile(file) != 0) failed = 1;
    if (failed) {
        std::fprintf(stderr, "Oops, can't write %s\n", run.GpxFilename);
        return 1;
    }
    return 0;
}
