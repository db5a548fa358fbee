// Test support for the guide: runs built record by record, guides written
// at a fixed time, and the texts and lines a page's content draws.
#pragma once

#include <string>
#include <vector>

#include "guide.h"
#include "pdf_test_support.h"
#include "waypoint.h"

// What the guide reads of a run.
struct GuideRun {
    FileNames files;
    Settings settings;
    WaypointList Waypoints;
    TextArena Texts;
};

// Where the default layout puts things, in points.
constexpr double kGuideLeft = 28.8;         // left edge of position 0
constexpr double kGuidePitch = 140.4;       // column width and gutter
constexpr double kGuideFirstUpper = 753.2;  // row 1's upper line in the top band
constexpr double kGuideRow = 14.4;          // row height

// count waypoints W1, W2, ... on the OSGB grid with distance and grade, each
// of RowSpan 1, a short description, and the guide going to dir/walkGuide.pdf.
GuideRun MakeGuideRun(int count, const ScratchDir& dir);

// Appends one waypoint to run.
Waypoint& AddWaypoint(GuideRun& run, const std::string& id, const std::string& desc = "Stile");

// WriteGuide at the fixed test clock; the document's bytes, or "" when it
// returned non-zero. status receives WriteGuide's result when given.
std::string WriteTestGuide(const GuideRun& run, int* status = nullptr);

struct DrawnText {
    double x = 0, y = 0;     // where the text's baseline starts, points
    std::string font;        // resource name, "/F5"
    std::string text;        // unescaped
};

struct DrawnLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double width = 0, gray = 0;  // the stroke that drew it
};

struct DrawnPage {
    std::vector<DrawnText> texts;
    std::vector<DrawnLine> lines;
};

// Reads back what one page content stream draws.
DrawnPage ReadPage(const std::string& content);

// The pages of a whole document, in order.
std::vector<DrawnPage> ReadPages(const std::string& document);

// The texts of a page that start within [xFrom, xTo) and [yFrom, yTo).
std::vector<std::string> TextsIn(const DrawnPage& page, double xFrom, double xTo, double yFrom, double yTo);

// The first text equal to text, or null.
const DrawnText* FindText(const DrawnPage& page, const std::string& text);

// The column labels ("-1-") of a page in drawing order.
std::vector<std::string> Labels(const DrawnPage& page);

// The position (0 is the leftmost) of the default-layout column a text
// starts in; -1 for a text not drawn (null).
int PositionOf(const DrawnText* text);

// The baseline of a text; -1 for a text not drawn (null).
double YOf(const DrawnText* text);
