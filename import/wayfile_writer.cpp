#include "wayfile_writer.h"

#include <charconv>
#include <cstring>
#include <string>

#include "fixed_format.h"
#include "line_batch.h"
#include "put_text.h"
#include "utf8_text.h"

namespace {

int DigitsFor(size_t count, int minimum) {
    int digits = 1;
    for (size_t rest = count; rest >= 10; rest /= 10) ++digits;
    return digits > minimum ? digits : minimum;
}

// cairnlog takes a description's first word for the elevation when it
// reads as a number: such a line gets the elevation 0, which cairnlog
// assumes for a line without one anyway.
bool LooksLikeNumber(std::string_view text) {
    return !text.empty() && std::strchr("0123456789+-.", text[0]) != nullptr;
}

// number with at least digits digits, zeros in front.
char* PutNumber(char* out, long long number, int digits) {
    char text[24];
    char* end = std::to_chars(text, text + sizeof text, number).ptr;
    for (long long pad = digits - (end - text); pad > 0; --pad) *out++ = '0';
    return PutText(out, std::string_view(text, static_cast<size_t>(end - text)));
}

void WritePoint(LineBatch& batch, char letter, size_t number, int digits, const GpxPoint& point,
                std::string_view text) {
    char* start = LineRoom(batch, kWayFileLineMax + 1);
    char* out = start;
    *out++ = letter;
    out = PutNumber(out, static_cast<long long>(number), digits);
    out = PutText(out, "  ");
    out = FormatFixed(out, point.LatDeg, 6);
    out = PutText(out, "  ");
    out = FormatFixed(out, point.LonDeg, 6);
    if (point.ElevM != kNoElevation || LooksLikeNumber(text)) {
        out = PutText(out, "  ");
        out = PutNumber(out, point.ElevM != kNoElevation ? point.ElevM : 0, 1);
    }
    // The description takes what room the line has left after two blanks.
    size_t room = kWayFileLineMax - static_cast<size_t>(out - start);
    size_t length = room > 2 ? Utf8PrefixLength(text.data(), room - 2) : 0;
    while (length > 0 && text[length - 1] == ' ') --length;
    if (length > 0) {
        out = PutText(out, "  ");
        out = PutText(out, text.substr(0, length));
    }
    *out++ = '\n';
    LineDone(batch, out);
}

void WriteDirective(LineBatch& batch, std::string_view directive, std::string_view value) {
    char* out = LineRoom(batch, kWayFileLineMax + 1);
    out = PutText(out, directive);
    out = PutText(out, value);
    *out++ = '\n';
    LineDone(batch, out);
}

}  // namespace

int WriteWayFile(std::FILE* file, const GpxData& data, const PathPlan& plan) {
    LineBatch batch = MakeLineBatch(file);
    if (!data.Title.empty()) WriteDirective(batch, "#TITLE=", data.Title);
    if (!plan.Path.empty()) WriteDirective(batch, "#SYM_RULE.C=", "RULE_ALL");
    if (!plan.Pois.empty()) {
        WriteDirective(batch, "#SYM.P=", data.PoiSymbol.empty() ? kDefaultPoiSymbol : data.PoiSymbol);
    }
    int pathDigits = DigitsFor(plan.Path.size(), kPathIdDigitsMin);
    int poiDigits = DigitsFor(plan.Pois.size(), kPoiIdDigitsMin);
    size_t poi = 0;
    // Without a path the points of interest are all there is.
    for (; plan.Path.empty() && poi < plan.Pois.size(); ++poi) {
        const GpxPoint& point = data.Waypoints[plan.Pois[poi].second];
        WritePoint(batch, 'P', poi + 1, poiDigits, point, PointTextOf(data, point));
    }
    for (size_t i = 0; i < plan.Path.size(); ++i) {
        WritePoint(batch, 'C', i + 1, pathDigits, *plan.Path[i], PointTextOf(data, *plan.Path[i]));
        for (; poi < plan.Pois.size() && plan.Pois[poi].first == i; ++poi) {
            const GpxPoint& point = data.Waypoints[plan.Pois[poi].second];
            WritePoint(batch, 'P', poi + 1, poiDigits, point, PointTextOf(data, point));
        }
    }
    return WriteLineBatch(batch);
}
