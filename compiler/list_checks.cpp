#include "list_checks.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int kMaxDuplicateIdMessages = 12;
constexpr int kMaxDuplicatePositionNotes = 10;
constexpr int32_t kNone = -1;

uint64_t Mix(uint64_t h) {  // the splitmix64 finaliser
    h ^= h >> 30;
    h *= 0xbf58476d1ce4e5b9ULL;
    h ^= h >> 27;
    h *= 0x94d049bb133111ebULL;
    return h ^ (h >> 31);
}

struct IdKey {
    static uint64_t Hash(const Waypoint& w) {
        uint64_t h = 14695981039346656037ULL;  // FNV-1a
        for (const char* p = w.WayID; *p; ++p) h = (h ^ static_cast<unsigned char>(*p)) * 1099511628211ULL;
        return Mix(h);
    }
    static bool Equal(const Waypoint& a, const Waypoint& b) { return std::strcmp(a.WayID, b.WayID) == 0; }
    static bool Counts(const Waypoint&) { return true; }
};

struct PositionKey {
    static uint64_t Bits(double x) {
        x += 0.0;  // -0.0 equals 0.0, so both must hash alike
        uint64_t bits;
        std::memcpy(&bits, &x, sizeof bits);
        return bits;
    }
    static uint64_t Hash(const Waypoint& w) { return Mix(Bits(w.Lat) ^ Mix(Bits(w.Long))); }
    static bool Equal(const Waypoint& a, const Waypoint& b) { return a.Lat == b.Lat && a.Long == b.Long; }
    // A via point is a bend, not a place: a path that goes out and back
    // crosses its own bends, and that is worth no note.
    static bool Counts(const Waypoint& w) { return !w.Via; }
};

// One slot of the open-addressing table: the latest waypoint of a key, a
// tag from its hash so that most probes never touch a waypoint record, and
// the number of waypoints of the key so far.
struct Slot {
    int32_t latest = kNone;
    uint32_t tag = 0;
    int32_t seen = 0;
};

// A waypoint sorted into its partition, with the low half of its hash.
struct Entry {
    int32_t index;
    uint32_t tag;
};

// One table for a million waypoints would be tens of megabytes read at
// random: nearly every waypoint a cache and TLB miss. So the waypoints are
// first sorted by the top bits of their hash into partitions, in file order
// within each, and each partition gets a table of its own that stays in the
// cache.
constexpr int kPartitionBits = 8;
constexpr size_t kPartitions = size_t{1} << kPartitionBits;

size_t PartitionOf(uint64_t hash) { return static_cast<size_t>(hash >> (64 - kPartitionBits)); }

using NextLinks = std::vector<int32_t>;

// For each waypoint, the index of the next one with an equal key, or kNone;
// no links at all (an empty list) when every key is unique, the usual case.
// Waypoints the key does not count are linked to none.
// When pairs is given it receives the number of pairs of equal keys.
template <typename Key>
NextLinks LinkEqualKeys(const WaypointList& list, long long* pairs) {
    const size_t count = list.size();
    std::vector<size_t> start(kPartitions + 1, 0);  // partition p holds entries start[p] .. start[p + 1]
    for (const Waypoint& waypoint : list) {
        if (Key::Counts(waypoint)) ++start[PartitionOf(Key::Hash(waypoint)) + 1];
    }
    for (size_t p = 0; p < kPartitions; ++p) start[p + 1] += start[p];
    std::vector<Entry> entries(start[kPartitions]);
    std::vector<size_t> filled(start.begin(), start.end() - 1);
    for (size_t i = 0; i < count; ++i) {
        if (!Key::Counts(list[i])) continue;
        const uint64_t hash = Key::Hash(list[i]);
        entries[filled[PartitionOf(hash)]++] = {static_cast<int32_t>(i), static_cast<uint32_t>(hash)};
    }

    NextLinks next;
    long long equalPairs = 0;
    std::vector<Slot> table;
    for (size_t p = 0; p < kPartitions; ++p) {
        size_t slots = 2;
        while (slots < 2 * (start[p + 1] - start[p])) slots *= 2;  // at most half full
        const size_t mask = slots - 1;
        table.assign(slots, Slot{});
        for (size_t e = start[p]; e < start[p + 1]; ++e) {
            const Entry entry = entries[e];
            size_t at = entry.tag & mask;
            while (table[at].latest != kNone &&
                   (table[at].tag != entry.tag || !Key::Equal(list[table[at].latest], list[entry.index]))) {
                at = (at + 1) & mask;
            }
            Slot& slot = table[at];
            if (slot.latest != kNone) {
                if (next.empty()) next.assign(count, kNone);
                next[slot.latest] = entry.index;
            }
            slot.latest = entry.index;
            slot.tag = entry.tag;
            equalPairs += slot.seen++;
        }
    }
    if (pairs) *pairs = equalPairs;
    return next;
}

}  // namespace

int CheckDuplicateIds(const WaypointList& list) {
    NextLinks next = LinkEqualKeys<IdKey>(list, nullptr);
    if (next.empty()) return 0;
    int reported = 0;
    for (size_t first = 0; first < list.size(); ++first) {
        for (int32_t second = next[first]; second != kNone; second = next[second]) {
            std::fprintf(stderr, "Oops, duplicate WayID=<%s>\n", list[first].WayID);
            if (++reported == kMaxDuplicateIdMessages) return reported;
        }
    }
    return reported;
}

long long CountDuplicatePositions(const WaypointList& list) {
    long long pairs = 0;
    NextLinks next = LinkEqualKeys<PositionKey>(list, &pairs);
    if (next.empty()) return 0;
    int noted = 0;
    for (size_t first = 0; first < list.size() && noted < kMaxDuplicatePositionNotes; ++first) {
        for (int32_t second = next[first]; second != kNone && noted < kMaxDuplicatePositionNotes;
             second = next[second]) {
            std::fprintf(stderr, "Note: Duplicate lat/lon for waypoints %s and %s\n", list[first].WayID,
                         list[second].WayID);
            ++noted;
        }
    }
    return pairs;
}

void WarnLongIds(const WaypointList& list, int maxId) {
    for (const Waypoint& waypoint : list) {
        int length = static_cast<int>(std::strlen(waypoint.WayID));
        if (length > maxId) {
            std::fprintf(stderr, "Warning: Waypoint %s ID too long (=%d, max=%d)\n", waypoint.WayID, length, maxId);
        }
    }
}
