// Positions written with hemisphere letters, as a handheld GPS or a web page
// shows them: "N56 06.480 W004 34.620", "N56°06.480' W004°34.620'",
// "56°06′29″N 4°34′37″W", "N56.108 W4.577".
#pragma once

#include <string>

enum HemisphereScan { kNotHemispherePosition = 0, kBadHemispherePosition = 1, kHemispherePositionRead = 2 };

// Reads the position at the start of text. Each coordinate is degrees,
// optionally minutes, optionally seconds, only the last with decimals, and a
// hemisphere letter (either case): N or S for the latitude, which comes
// first, E or W for the longitude. The letter comes before the numbers, or
// after them when the degrees carry the sign °. Numbers are parted by blanks
// or by their signs (° ′ ″ in UTF-8, or ' and "; the look-alikes º ˚ ⁰ for
// °, ’ ´ for ′, ” and two minute signs for ″). The longitude has as many
// numbers as the latitude, so a number after it is the elevation.
// kNotHemispherePosition: text is something else, among them a one-letter
// grid reference ("N 553 745": N and plain digit groups that no E or W
// follows); nothing is set.
// kBadHemispherePosition: text starts like such a position (N or S and a
// number, or a number and °) but breaks these rules, or a value is out of
// range (degrees beyond 90 or 180, minutes or seconds from 60);
// usedChars is the length of the position as written up to the end of the
// field where it broke.
// kHemispherePositionRead: latDeg and longDeg hold the position, south and
// west negative; usedChars is the length of the text it took.
HemisphereScan ScanHemispherePosition(const char* text, double& latDeg, double& longDeg, int& usedChars);

// "56 06 30N 4 33 00W": degrees, minutes and seconds parted by blanks alone,
// each coordinate's letter after its seconds, glued or apart. Returns 1 and
// sets marked to the same position with its signs, "56°06'30\"N 4°33'00\"W",
// when text starts with such a position and it is in range; else 0.
int MarkSpacedPosition(const char* text, std::string& marked);
