#include "text_arena.h"

#include <cstring>

namespace {

constexpr size_t kTextBlockBytes = size_t{4} << 20;  // two huge pages, some 150,000 descriptions

}  // namespace

std::string_view KeepText(TextArena& arena, std::string_view text) {
    if (text.empty()) return {};
    if (arena.Capacity - arena.Used < text.size()) {
        arena.Capacity = text.size() > kTextBlockBytes ? text.size() : kTextBlockBytes;
        arena.Blocks.push_back(MakeLargeBlock(arena.Capacity));
        arena.Used = 0;
    }
    char* copy = arena.Blocks.back().get() + arena.Used;
    std::memcpy(copy, text.data(), text.size());
    arena.Used += text.size();
    return {copy, text.size()};
}
