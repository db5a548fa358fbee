// Reading a national grid reference as walkers write it ("NS 553 745",
// "SU4822029253", "N 553 745"): the 100 km square's letters, then easting
// and northing digits.
#pragma once

#include "settings.h"

enum GridRefScan { kNotGridReference = 0, kBadGridReference = 1, kGridReferenceRead = 2 };

// The centre of the square a reference names, on the grid its letters
// belong to.
struct GridReference {
    int Grid = 0;             // kGridOsgb or kGridIrish
    double EastingM = 0.0;
    double NorthingM = 0.0;
};

// Most digits a reference holds: easting and northing to the metre.
constexpr int kGridRefMaxDigits = 10;

// Reads a grid reference at the start of text: one or two letters (either
// case; two name an OSGB square, one an Irish square), blanks allowed, then
// either two digit groups of the same length (1 to 5 digits each) or one
// group of 2 to 10 digits split in half. A group ends at a blank, a tab or
// the end of the text.
// kNotGridReference: text does not start with one or two letters followed
// by a digit; nothing is set.
// kBadGridReference: it does, but is no valid reference; usedChars is the
// length of the reference as written (letters and the digit groups read).
// kGridReferenceRead: ref holds the grid and the centre of the named square
// in metres; usedChars is the number of characters the reference took.
GridRefScan ScanGridReference(const char* text, GridReference& ref, int& usedChars);
