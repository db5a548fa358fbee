#include <gtest/gtest.h>

#include "grid_reference.h"

namespace {

struct ScanCase {
    const char* text;
    GridRefScan result;
    int grid;
    double eastingM, northingM;   // centre of the square named
    int usedChars;                // taken, or the reference as written when bad
};

TEST(ScanGridReference, EveryFormAndEveryRefusal) {
    const ScanCase cases[] = {
        // One group split in half, two groups of the same length; letters
        // attached or apart, either case.
        {"SU 482 292 40 Winchester Cathedral", kGridReferenceRead, kGridOsgb, 448250, 129250, 10},
        {"SU4822029253", kGridReferenceRead, kGridOsgb, 448220.5, 129253.5, 12},
        {"SU 48220 29253", kGridReferenceRead, kGridOsgb, 448220.5, 129253.5, 14},
        {"NS 553745 Milngavie", kGridReferenceRead, kGridOsgb, 255350, 674550, 9},
        {"ns\t553 745", kGridReferenceRead, kGridOsgb, 255350, 674550, 10},
        {"NS 55 74", kGridReferenceRead, kGridOsgb, 255500, 674500, 8},
        {"NS57", kGridReferenceRead, kGridOsgb, 255000, 675000, 4},
        {"NS 5 7 120", kGridReferenceRead, kGridOsgb, 255000, 675000, 6},
        {"NS 5537 451", kGridReferenceRead, kGridOsgb, 255500, 637500, 7},   // 451: elevation
        {"SV 00000 00000", kGridReferenceRead, kGridOsgb, 0.5, 0.5, 14},
        {"JM 99999 99999", kGridReferenceRead, kGridOsgb, 699999.5, 1299999.5, 14},
        {"HP 6 1", kGridReferenceRead, kGridOsgb, 465000, 1215000, 6},
        // One letter: the Irish grid.
        {"N 553 745", kGridReferenceRead, kGridIrish, 255350, 274550, 9},
        {"o1590134671 12 Dublin", kGridReferenceRead, kGridIrish, 315901.5, 234671.5, 11},
        {"V 0 0", kGridReferenceRead, kGridIrish, 5000, 5000, 5},
        {"E 99999 99999", kGridReferenceRead, kGridIrish, 499999.5, 499999.5, 13},
        // Not a reference: left to the reader as before.
        {"53.5 -2.1", kNotGridReference, 0, 0, 0, 0},
        {"abc 1 2", kNotGridReference, 0, 0, 0, 0},
        {"NS abc", kNotGridReference, 0, 0, 0, 0},
        {"NS", kNotGridReference, 0, 0, 0, 0},
        {" NS 553 745", kNotGridReference, 0, 0, 0, 0},
        {"", kNotGridReference, 0, 0, 0, 0},
        // Bad references: the length is that of the reference as written.
        {"XX 553 745 10", kBadGridReference, 0, 0, 0, 10},     // no such square
        {"HA 553 745", kBadGridReference, 0, 0, 0, 10},        // OS square north of the grid
        {"I 553 745", kBadGridReference, 0, 0, 0, 9},          // no I on the Irish grid
        {"NS 55374", kBadGridReference, 0, 0, 0, 8},           // odd digit count
        {"NS 553 7451 x", kBadGridReference, 0, 0, 0, 11},     // unequal, no even group
        {"NS 55374 40", kBadGridReference, 0, 0, 0, 11},
        {"NS 553745553745", kBadGridReference, 0, 0, 0, 15},   // more than 10 digits
        {"NS 553745 553745", kBadGridReference, 0, 0, 0, 16},
        {"NS 553.5 745", kBadGridReference, 0, 0, 0, 8},
        {"NS 553 74x5", kBadGridReference, 0, 0, 0, 11},
    };
    for (const ScanCase& c : cases) {
        SCOPED_TRACE(c.text);
        GridReference ref;
        int used = -1;
        EXPECT_EQ(ScanGridReference(c.text, ref, used), c.result);
        if (c.result == kNotGridReference) continue;
        EXPECT_EQ(used, c.usedChars);
        if (c.result != kGridReferenceRead) continue;
        EXPECT_EQ(ref.Grid, c.grid);
        EXPECT_EQ(ref.EastingM, c.eastingM);
        EXPECT_EQ(ref.NorthingM, c.northingM);
    }
}

}  // namespace
