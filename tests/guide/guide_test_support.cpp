#include "guide_test_support.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>

GuideRun MakeGuideRun(int count, const ScratchDir& dir) {
    GuideRun run;
    run.files.WayFilename = "walk.txt";
    std::snprintf(run.files.PdfFilename, sizeof run.files.PdfFilename, "%s", dir.File("walkGuide.pdf").c_str());
    std::snprintf(run.settings.Title, sizeof run.settings.Title, "walk");
    for (int i = 1; i <= count; ++i) {
        Waypoint& waypoint = AddWaypoint(run, "W" + std::to_string(i));
        waypoint.HasDistance = 1;
        waypoint.Distance = 0.5 * i;
        waypoint.HasGrade = 1;
        waypoint.Grade = i % 7;
        waypoint.Elev = 100 + i;
    }
    return run;
}

Waypoint& AddWaypoint(GuideRun& run, const std::string& id, const std::string& desc) {
    run.Waypoints.emplace_back();
    Waypoint& waypoint = run.Waypoints.back();
    waypoint.WayID = KeepCString(run.Texts, id);
    waypoint.Desc = KeepText(run.Texts, desc);
    waypoint.LineNo = static_cast<int>(run.Waypoints.size()) + 1;
    std::snprintf(waypoint.SquareLetters, sizeof waypoint.SquareLetters, "NY");
    waypoint.SquareE = 12345;
    waypoint.SquareN = 67890;
    waypoint.GridE = 312345.6;
    waypoint.GridN = 567890.1;
    return waypoint;
}

std::string WriteTestGuide(const GuideRun& run, int* status) {
    PdfWriter pdf;
    UseFixedClock(pdf);
    int result = WriteGuide(run.Waypoints, run.settings, run.files, pdf);
    if (status != nullptr) *status = result;
    return result == 0 ? ReadFile(run.files.PdfFilename) : "";
}

namespace {

std::string Unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out;
}

}  // namespace

DrawnPage ReadPage(const std::string& content) {
    DrawnPage page;
    std::string font;
    double textX = 0, textY = 0;
    double width = 0, gray = 0, penX = 0, penY = 0;
    std::vector<DrawnLine> path;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find("\r\n", start);
        if (end == std::string::npos) end = content.size();
        std::string line = content.substr(start, end - start);
        start = end + 2;
        if (line.size() > 3 && line.compare(line.size() - 3, 3, ")Tj") == 0 && line[0] == '(') {
            page.texts.push_back({textX, textY, font, Unescape(line.substr(1, line.size() - 4))});
            continue;
        }
        std::istringstream words(line);
        std::vector<std::string> parts;
        for (std::string word; words >> word;) parts.push_back(word);
        if (parts.empty()) continue;
        const std::string& op = parts.back();
        auto number = [&](std::size_t i) { return std::strtod(parts[i].c_str(), nullptr); };
        if (op == "Tf") {
            font = parts[0];
        } else if (op == "Tm" && parts.size() == 7) {
            textX = number(4);
            textY = number(5);
        } else if (op == "m") {
            penX = number(0);
            penY = number(1);
        } else if (op == "l") {
            path.push_back({penX, penY, number(0), number(1), 0, 0});
            penX = number(0);
            penY = number(1);
        } else if (op == "w") {
            width = number(0);
        } else if (op == "G") {
            gray = number(0);
        } else if (op == "S") {
            for (DrawnLine& drawn : path) {
                drawn.width = width;
                drawn.gray = gray;
                page.lines.push_back(drawn);
            }
            path.clear();
        }
    }
    return page;
}

std::vector<DrawnPage> ReadPages(const std::string& document) {
    std::vector<DrawnPage> pages;
    for (const std::string& content : Streams(document, true)) pages.push_back(ReadPage(content));
    return pages;
}

std::vector<std::string> TextsIn(const DrawnPage& page, double xFrom, double xTo, double yFrom, double yTo) {
    std::vector<std::string> texts;
    for (const DrawnText& text : page.texts)
        if (text.x >= xFrom && text.x < xTo && text.y >= yFrom && text.y < yTo) texts.push_back(text.text);
    return texts;
}

const DrawnText* FindText(const DrawnPage& page, const std::string& text) {
    for (const DrawnText& drawn : page.texts)
        if (drawn.text == text) return &drawn;
    return nullptr;
}

std::vector<std::string> Labels(const DrawnPage& page) {
    std::vector<std::string> labels;
    for (const DrawnText& text : page.texts)
        if (text.text.size() > 2 && text.text.front() == '-' && text.text.back() == '-') labels.push_back(text.text);
    return labels;
}

int PositionOf(const DrawnText* text) {
    return text == nullptr ? -1 : static_cast<int>(std::floor((text->x - kGuideLeft) / kGuidePitch));
}

double YOf(const DrawnText* text) { return text == nullptr ? -1 : text->y; }
