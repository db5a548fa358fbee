#include "text_arena.h"

#include <cstring>

namespace {

constexpr size_t kTextBlockBytes = size_t{4} << 20;  // two huge pages, some 150,000 descriptions

}  // namespace

namespace {

// Room for bytes at the end of the last block, in a new block when it lacks them.
char* TakeRoom(TextArena& arena, size_t bytes) {
    if (arena.Blocks.empty() || arena.Capacity - arena.Used < bytes) {
        arena.Capacity = bytes > kTextBlockBytes ? bytes : kTextBlockBytes;
        arena.Blocks.push_back(MakeLargeBlock(arena.Capacity));
        arena.Used = 0;
    }
    char* room = arena.Blocks.back().get() + arena.Used;
    arena.Used += bytes;
    return room;
}

}  // namespace

std::string_view KeepText(TextArena& arena, std::string_view text) {
    if (text.empty()) return {};
    char* copy = TakeRoom(arena, text.size());
    std::memcpy(copy, text.data(), text.size());
    return {copy, text.size()};
}

const char* KeepCString(TextArena& arena, std::string_view text) {
    char* copy = TakeRoom(arena, text.size() + 1);
    if (!text.empty()) std::memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\0';
    return copy;
}
