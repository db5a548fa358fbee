#include "pdf_lines.h"

#include "pdf_output.h"

namespace {

// Crossings computed from the line's equation may land a rounding error
// outside the box; within this distance (points) they count as on it.
constexpr double kEdgeTolerance = 1e-6;

struct Point {
    double x, y;
};

// Pulls a computed crossing onto the box, so that the move to it is always
// written and no line ever starts without a current point.
Point OntoBox(const PdfLineState& box, Point p) {
    if (p.x < box.xmin) p.x = box.xmin;
    if (p.x > box.xmax) p.x = box.xmax;
    if (p.y < box.ymin) p.y = box.ymin;
    if (p.y > box.ymax) p.y = box.ymax;
    return p;
}

bool NearBox(const PdfLineState& box, Point p) {
    return p.x >= box.xmin - kEdgeTolerance && p.x <= box.xmax + kEdgeTolerance &&
           p.y >= box.ymin - kEdgeTolerance && p.y <= box.ymax + kEdgeTolerance;
}

// The line through p0 and p1, neither horizontal nor vertical, both ways:
// y = m x + b and x = mx y + bx.
struct LineEquation {
    double m, b, mx, bx;
};

LineEquation LineThrough(Point p0, Point p1) {
    LineEquation line;
    line.m = (p1.y - p0.y) / (p1.x - p0.x);
    line.b = p1.y - line.m * p1.x;
    line.mx = (p1.x - p0.x) / (p1.y - p0.y);
    line.bx = p1.x - line.mx * p1.y;
    return line;
}

// Where the segment p0-p1, with one end inside the box, crosses the edge on
// the side that outcode (of the outside end) names.
Point EdgeCrossing(const PdfWriter& pdf, Point p0, Point p1, int outcode) {
    const PdfLineState& box = pdf.line;
    if (p1.x == p0.x) return OntoBox(box, {p1.x, outcode & PDF_OUT_TOP ? box.ymax : box.ymin});
    if (p1.y == p0.y) return OntoBox(box, {outcode & PDF_OUT_RIGHT ? box.xmax : box.xmin, p1.y});
    const LineEquation line = LineThrough(p0, p1);
    if (outcode & PDF_OUT_RIGHT) {
        Point right{box.xmax, line.m * box.xmax + line.b};
        if (PdfOutcode(pdf, right.x, right.y) == 0) return right;
    } else if (outcode & PDF_OUT_LEFT) {
        Point left{box.xmin, line.m * box.xmin + line.b};
        if (PdfOutcode(pdf, left.x, left.y) == 0) return left;
    }
    double y = outcode & PDF_OUT_TOP ? box.ymax : box.ymin;
    return OntoBox(box, {line.mx * y + line.bx, y});
}

// Draws the part inside the box of a slanted segment whose ends both lie
// outside it: a move to the crossing nearer p0 and a line to the other.
void DrawCrossingSegment(PdfWriter& pdf, Point p0, Point p1) {
    const PdfLineState& box = pdf.line;
    const LineEquation line = LineThrough(p0, p1);
    Point candidates[4] = {{box.xmin, line.m * box.xmin + line.b},
                           {box.xmax, line.m * box.xmax + line.b},
                           {line.mx * box.ymin + line.bx, box.ymin},
                           {line.mx * box.ymax + line.bx, box.ymax}};
    bool found = false;
    double first = 0, last = 0;  // positions along p0-p1, 0 at p0 and 1 at p1
    Point entry{0, 0}, exit{0, 0};
    for (int i = 0; i < 4; ++i) {
        Point p = candidates[i];
        if (!NearBox(box, p)) continue;
        double along = i < 2 ? (p.x - p0.x) / (p1.x - p0.x) : (p.y - p0.y) / (p1.y - p0.y);
        if (along < 0 || along > 1) continue;
        if (!found || along < first) first = along, entry = p;
        if (!found || along > last) last = along, exit = p;
        found = true;
    }
    if (!found || last <= first) return;  // misses the box, or only grazes a corner
    entry = OntoBox(box, entry);
    exit = OntoBox(box, exit);
    PdfMoveTo(pdf, entry.x, entry.y);
    PdfEmit(pdf, "%f %f l\r\n", exit.x, exit.y);
}

void LineBothOutside(PdfWriter& pdf, Point p0, int c0, Point p1, int c1) {
    const PdfLineState& box = pdf.line;
    if (p1.x == p0.x) {
        if (c1 & (PDF_OUT_RIGHT | PDF_OUT_LEFT) || c0 & c1 & (PDF_OUT_TOP | PDF_OUT_BOTTOM)) return;
        PdfMoveTo(pdf, p1.x, box.ymax);
        PdfEmit(pdf, "%f %f l\r\n", p1.x, box.ymin);
    } else if (p1.y == p0.y) {
        if (c1 & (PDF_OUT_TOP | PDF_OUT_BOTTOM) || c0 & c1 & (PDF_OUT_RIGHT | PDF_OUT_LEFT)) return;
        PdfMoveTo(pdf, box.xmax, p1.y);
        PdfEmit(pdf, "%f %f l\r\n", box.xmin, p1.y);
    } else if ((c0 & c1) == 0) {  // ends on one side of the box never reach it
        DrawCrossingSegment(pdf, p0, p1);
    }
}

}  // namespace

int PdfSetLineWidth(PdfWriter& pdf, double width) {
    pdf.line.width = width;
    pdf.line.widthWritten = 0;
    return 0;
}

int PdfSetLineGray(PdfWriter& pdf, double gray) { return PdfTakeGray(pdf.line, gray); }

int PdfOutcode(const PdfWriter& pdf, double x, double y) {
    const PdfLineState& box = pdf.line;
    int code = 0;
    if (x > box.xmax) code |= PDF_OUT_RIGHT;
    if (x < box.xmin) code |= PDF_OUT_LEFT;
    if (y > box.ymax) code |= PDF_OUT_TOP;
    if (y < box.ymin) code |= PDF_OUT_BOTTOM;
    return code;
}

int PdfMoveTo(PdfWriter& pdf, double x, double y) {
    pdf.line.x = x;
    pdf.line.y = y;
    pdf.line.outcode = PdfOutcode(pdf, x, y);
    if (pdf.line.outcode == 0) PdfEmit(pdf, "%f %f m\r\n", x, y);
    return 0;
}

int PdfLineTo(PdfWriter& pdf, double x, double y) {
    Point p0{pdf.line.x, pdf.line.y};
    Point p1{x, y};
    int c0 = pdf.line.outcode;
    int c1 = PdfOutcode(pdf, x, y);
    if (c0 == 0 && c1 == 0) {
        PdfEmit(pdf, "%f %f l\r\n", x, y);
    } else if (c0 == 0) {  // leaves the box
        Point exit = EdgeCrossing(pdf, p0, p1, c1);
        PdfEmit(pdf, "%f %f l\r\n", exit.x, exit.y);
    } else if (c1 == 0) {  // enters the box
        Point entry = EdgeCrossing(pdf, p0, p1, c0);
        PdfMoveTo(pdf, entry.x, entry.y);
        PdfEmit(pdf, "%f %f l\r\n", x, y);
    } else {
        LineBothOutside(pdf, p0, c0, p1, c1);
    }
    pdf.line.x = x;
    pdf.line.y = y;
    pdf.line.outcode = c1;
    return 0;
}

int PdfEmitStrokeState(PdfWriter& pdf) {
    PdfLineState& line = pdf.line;
    if (!line.widthWritten) {
        PdfEmit(pdf, "%f w\r\n", line.width);
        line.widthWritten = 1;
    }
    if (!line.grayWritten) {
        PdfEmit(pdf, "%f G\r\n", line.gray);
        line.grayWritten = 1;
        line.rgbWritten = 1;
    }
    if (!line.rgbWritten) {
        PdfEmit(pdf, "%f %f %f RG\r\n", line.rgb[0], line.rgb[1], line.rgb[2]);
        line.rgbWritten = 1;
    }
    return 0;
}

int PdfStroke(PdfWriter& pdf) {
    PdfEmitStrokeState(pdf);
    PdfEmit(pdf, "S\r\n");
    return 0;
}
