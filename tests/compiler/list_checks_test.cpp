#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "list_checks.h"
#include "run_helpers.h"

namespace {

void Add(RunState& run, const char* id, double lat, double lon) {
    Waypoint& w = run.waypoints.List.emplace_back();
    w.WayID = KeepCString(run.waypoints.Texts, id);
    w.Lat = lat;
    w.Long = lon;
}

// The checks as a walk over every pair, to hold the hashed ones against.
struct Reference {
    std::string messages;
    long long result = 0;
};

Reference ReferenceDuplicateIds(const RunState& run) {
    Reference ref;
    const WaypointList& list = run.waypoints.List;
    for (size_t a = 0; a < list.size(); ++a) {
        for (size_t b = a + 1; b < list.size(); ++b) {
            if (std::strcmp(list[a].WayID, list[b].WayID) != 0) continue;
            ref.messages += std::string("Oops, duplicate WayID=<") + list[a].WayID + ">\n";
            if (ref.result++ > 10) return ref;
        }
    }
    return ref;
}

Reference ReferenceDuplicatePositions(const RunState& run) {
    Reference ref;
    const WaypointList& list = run.waypoints.List;
    for (size_t a = 0; a < list.size(); ++a) {
        for (size_t b = a + 1; b < list.size(); ++b) {
            if (list[a].Lat != list[b].Lat || list[a].Long != list[b].Long) continue;
            if (ref.result++ < 10) {
                ref.messages += std::string("Note: Duplicate lat/lon for waypoints ") + list[a].WayID + " and " +
                                list[b].WayID + "\n";
            }
        }
    }
    return ref;
}

TEST(CheckDuplicateIds, EveryPairInListOrder) {
    RunState run;
    PrepareRun(run);
    Add(run, "P1", 1, 1);
    Add(run, "A", 2, 2);
    Add(run, "P1", 3, 3);
    Add(run, "p1", 4, 4);
    Add(run, "A", 5, 5);
    Add(run, "P1", 6, 6);
    testing::internal::CaptureStderr();
    EXPECT_EQ(CheckDuplicateIds(run.waypoints.List), 4);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Oops, duplicate WayID=<P1>\n"   // 1-3
              "Oops, duplicate WayID=<P1>\n"   // 1-6
              "Oops, duplicate WayID=<A>\n"    // 2-5
              "Oops, duplicate WayID=<P1>\n");  // 3-6
}

TEST(CheckDuplicateIds, StopsAfterTwelveMessages) {
    RunState run;
    PrepareRun(run);
    for (int i = 0; i < 100; ++i) Add(run, "Same", i, i);
    testing::internal::CaptureStderr();
    EXPECT_EQ(CheckDuplicateIds(run.waypoints.List), 12);
    std::string expected;
    for (int i = 0; i < 12; ++i) expected += "Oops, duplicate WayID=<Same>\n";
    EXPECT_EQ(testing::internal::GetCapturedStderr(), expected);
}

TEST(CountDuplicatePositions, CountsAllPairsAndNotesTheFirstTen) {
    RunState run;
    PrepareRun(run);
    for (int i = 0; i < 15; ++i) {
        std::string a = "A" + std::to_string(i);
        Add(run, a.c_str(), 50 + i, -2);
    }
    for (int i = 0; i < 15; ++i) {
        std::string b = "B" + std::to_string(i);
        Add(run, b.c_str(), 50 + i, -2);
    }
    testing::internal::CaptureStderr();
    EXPECT_EQ(CountDuplicatePositions(run.waypoints.List), 15);
    std::string notes = testing::internal::GetCapturedStderr();
    EXPECT_EQ(notes, ReferenceDuplicatePositions(run).messages);
    EXPECT_EQ(notes.rfind("Note: Duplicate lat/lon for waypoints A0 and B0\n", 0), 0u);
    EXPECT_NE(notes.find("A9 and B9\n"), std::string::npos);
    EXPECT_EQ(notes.find("A10 and B10"), std::string::npos);
}

TEST(CountDuplicatePositions, ZeroesOfEitherSignAreEqualAndLargeGroupsDoNotOverflow) {
    RunState run;
    PrepareRun(run);
    Add(run, "N", 0.0, -0.0);
    Add(run, "S", -0.0, 0.0);
    testing::internal::CaptureStderr();
    EXPECT_EQ(CountDuplicatePositions(run.waypoints.List), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Note: Duplicate lat/lon for waypoints N and S\n");

    RunState crowd;
    PrepareRun(crowd);
    for (int i = 0; i < 100000; ++i) Add(crowd, "X", 51.5, -0.1);
    testing::internal::CaptureStderr();
    EXPECT_EQ(CountDuplicatePositions(crowd.waypoints.List), 100000LL * 99999 / 2);  // above 2^31
    testing::internal::GetCapturedStderr();
}

// An out-and-back path crosses its own bends: via points are no places.
TEST(CountDuplicatePositions, ViaPointsAreLeftOut) {
    RunState run;
    PrepareRun(run);
    Add(run, "C1", 54.0, -2.0);
    Add(run, "C2", 54.1, -2.0);
    Add(run, "C3", 54.0, -2.0);
    Add(run, "C4", 54.1, -2.0);
    Add(run, "S1", 54.1, -2.0);
    run.waypoints.List[1].Via = 1;
    run.waypoints.List[3].Via = 1;
    testing::internal::CaptureStderr();
    EXPECT_EQ(CountDuplicatePositions(run.waypoints.List), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Note: Duplicate lat/lon for waypoints C1 and C3\n");
}

TEST(ListChecks, HashedChecksMatchThePairwiseWalk) {
    std::mt19937 random(20260);
    for (int trial = 0; trial < 300; ++trial) {
        RunState run;
        PrepareRun(run);
        // Now and then a list long enough to fill every partition's table.
        const bool longList = trial % 50 == 0;
        int count = longList ? 3000 : 1 + static_cast<int>(random() % 60);
        int ids = longList ? 2500 : 1 + static_cast<int>(random() % 40);
        int places = longList ? 2800 : 1 + static_cast<int>(random() % 40);
        for (int i = 0; i < count; ++i) {
            std::string id = (random() % 2 ? "C" : "c") + std::to_string(random() % ids);
            int place = static_cast<int>(random() % places);
            Add(run, id.c_str(), 54 + place * 0.001, -2 - (place % 3) * 0.5);
        }
        SCOPED_TRACE(trial);
        Reference ids_ref = ReferenceDuplicateIds(run);
        testing::internal::CaptureStderr();
        EXPECT_EQ(CheckDuplicateIds(run.waypoints.List), ids_ref.result);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), ids_ref.messages);

        Reference places_ref = ReferenceDuplicatePositions(run);
        testing::internal::CaptureStderr();
        EXPECT_EQ(CountDuplicatePositions(run.waypoints.List), places_ref.result);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), places_ref.messages);
    }
}

TEST(WarnLongIds, WarnsAboveMaxId) {
    RunState run;
    PrepareRun(run);
    Add(run, "C0123456789012", 1, 1);   // 14: the default limit
    Add(run, "C01234567890123", 2, 2);  // 15
    testing::internal::CaptureStderr();
    WarnLongIds(run.waypoints.List, run.settings.MaxId);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Warning: Waypoint C01234567890123 ID too long (=15, max=14)\n");
    run.settings.MaxId = 8;
    testing::internal::CaptureStderr();
    WarnLongIds(run.waypoints.List, run.settings.MaxId);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Warning: Waypoint C0123456789012 ID too long (=14, max=8)\n"
              "Warning: Waypoint C01234567890123 ID too long (=15, max=8)\n");
}

}  // namespace
