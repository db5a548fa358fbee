#include "track_gpx.h"

#include "fixed_format.h"
#include "xml_text.h"

namespace {

int StreamStatus(std::FILE* file) { return std::ferror(file) ? 1 : 0; }

}  // namespace

int TrackWriteHeader(std::FILE* file, const char* trackName) {
    std::fputs("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
               "<gpx \r\n"
               " creator=\"stileline - https://www.tessaron.example\"\r\n"
               " version=\"1.1\"\r\n"
               " xmlns=\"http://www.topografix.com/GPX/1/1\">\r\n"
               "<trk>\r\n"
               "<name>",
               file);
    WriteXmlText(file, trackName);
    std::fputs("</name>\r\n"
               "<trkseg>\r\n",
               file);
    return StreamStatus(file);
}

int TrackWritePoint(std::FILE* file, const TrackPoint& point) {
    // The numbers as "%.6f" and "%.2f" would print them, only faster.
    char lat[kFixedTextMax + 1];
    char lon[kFixedTextMax + 1];
    *FormatFixed(lat, point.Lat, 6) = '\0';
    *FormatFixed(lon, point.Long, 6) = '\0';
    if (point.Elev >= 0.0) {
        char elev[kFixedTextMax + 1];
        *FormatFixed(elev, point.Elev, 2) = '\0';
        std::fprintf(file, " <trkpt lat=\"%s\" lon=\"%s\"><ele>%s</ele></trkpt>\r\n", lat, lon,
                     elev);
    } else {
        std::fprintf(file, " <trkpt lat=\"%s\" lon=\"%s\"></trkpt>\r\n", lat, lon);
    }
    return StreamStatus(file);
}

int TrackWriteClosing(std::FILE* file) {
    std::fputs("</trkseg>\r\n</trk>\r\n</gpx>\r\n", file);
    return StreamStatus(file);
}
