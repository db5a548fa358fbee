// An append-only store of short texts, such as the descriptions of a
// million waypoints: kept back to back in large blocks that never move, so
// a kept text's view stays valid until the arena goes, and no text costs a
// heap allocation of its own.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "large_block.h"

struct TextArena {
    std::vector<LargeBlock> Blocks;
    size_t Used = 0;       // bytes taken in the last block
    size_t Capacity = 0;   // bytes of the last block
};

// A copy of text in the arena, without a terminating NUL. An empty text takes
// no room.
std::string_view KeepText(TextArena& arena, std::string_view text);

// A copy of text in the arena with a terminating NUL, for a text read as a
// C string.
const char* KeepCString(TextArena& arena, std::string_view text);
