// The free texts of a GPX file (names, descriptions, comments, the title)
// made into texts a WayFile line carries: one line of UTF-8 without control
// characters or comment bars, cut at a character boundary.
#pragma once

#include <cstddef>
#include <string>

constexpr size_t kRawTextMax = 4096;  // bytes kept of one element's text; far more than a line holds

// Appends XML character data to text with every run of white space (blank,
// tab, CR, LF) as one blank and none at the start, until text holds
// kRawTextMax bytes. Expat hands over one element's text in pieces.
void AppendCollapsed(std::string& text, const char* data, size_t length);

// text as a WayFile carries it: control characters (C0, DEL, C1) dropped,
// "|", which starts a WayFile comment, written as "/", runs of blanks as one
// blank, no blank at either end, cut at a character boundary to at most
// maxBytes.
std::string WayFileText(const std::string& text, size_t maxBytes);

// The text of a point: its name, then its description (or, without one,
// its comment) after " - " when that adds anything; each already cleaned.
std::string PointText(const std::string& name, const std::string& desc, const std::string& cmt);
