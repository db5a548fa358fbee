// The plan's height profiles: for every stage and every path letter in it,
// height against distance along the path, found in one pass over the list;
// the round-number axes they are drawn on, the thinning of a long line to
// what a printer can show, and the drawing of one profile in its box.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "Pdf.h"
#include "route_card.h"
#include "waypoint.h"

struct ProfilePoint {
    double Distance = 0.0;     // along the path from the profile's start, in the distance units
    double Height = 0.0;       // in the elevation units, as the WayFile gives it
    std::size_t Index = 0;     // of the waypoint in the list
    uint8_t Known = 0;         // the height is known; the line breaks where it is not
    uint8_t Listed = 0;        // not a via point: marked with its ID
    uint8_t RunStart = 0;      // a new distance run begins here, so the line breaks before it
};

struct HeightProfile {
    std::size_t Stage = 0;     // into the card's stages
    int Letter = 0;            // symbol entry of the path's letter
    std::vector<ProfilePoint> Points;
};

// The symbol entry of the main path: that of the path the list's first
// measured waypoint lies on; -1 when none is measured.
int MainPathEntry(const WaypointList& list, const RouteCard& card);

// The profiles of every stage of card, in stage order; within a stage one
// per path with a measured waypoint in it (a letter's waypoints on another
// letter's path, PATH, are points of that path), the main path first, the
// others as they first appear.
void FindHeightProfiles(const WaypointList& list, const RouteCard& card, std::vector<HeightProfile>& profiles);

// A round-number axis: Min and Max are whole multiples of Step, which is
// 1, 2 or 5 times a power of ten, and Max > Min.
struct ProfileAxis {
    double Min = 0.0;
    double Max = 1.0;
    double Step = 1.0;
};

// The axis over low to high with about ticks steps.
ProfileAxis RoundAxis(double low, double high, int ticks);

// The page's box for the plot of one profile, in points.
struct ProfileBox {
    double Left = 0.0;
    double Bottom = 0.0;
    double Width = 0.0;
    double Height = 0.0;
};

// The axes a profile is drawn on: distance from 0 to the profile's last
// point, height over its known heights with headroom for the label of the
// highest. hasHeight is 0 when no height of the profile is known.
struct ProfileAxes {
    ProfileAxis Distance;
    ProfileAxis Height;
    int HasHeight = 0;
};

ProfileAxes ProfileAxesOf(const HeightProfile& profile);

// Where a point of the profile lands in box.
double ProfileX(const ProfileAxes& axes, const ProfileBox& box, double distance);
double ProfileY(const ProfileAxes& axes, const ProfileBox& box, double height);

constexpr double kProfileBinPt = 0.5;  // points of width per bin: its lowest and highest, one vertex per 0.25 pt

struct ProfileVertex {
    double X = 0.0;            // points
    double Y = 0.0;
};

// The vertices of one unbroken run of the line, points[begin, end): every
// point in a bin of kProfileBinPt that holds two or fewer, else the bin's
// lowest and highest in their order, so no peak or trough moves.
void ThinProfileRun(const std::vector<ProfilePoint>& points, std::size_t begin, std::size_t end,
                    const ProfileAxes& axes, const ProfileBox& box, std::vector<ProfileVertex>& vertices);

// Labels of the axes: the units of the distance ("miles", "km") and of the
// height ("m", "ft").
struct ProfileUnits {
    const char* Distance = "miles";
    const char* Height = "m";
};

// Draws profile in box: the axes with their ticks and labels, the line
// (broken where a height is unknown or a run begins), each listed waypoint
// marked up to the top of the box with its ID above it where there is room,
// and the highest point's height. A profile with no known height says so.
void DrawHeightProfile(PdfWriter& pdf, const WaypointList& list, const HeightProfile& profile,
                       const ProfileBox& box, const ProfileUnits& units);
