// The record list and the text arena: what their users rely on is that a
// record or a kept text never moves while more are added, across blocks.
#include "block_list.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "text_arena.h"

namespace {

struct Record {
    int Number = -1;   // value-initialised records keep their defaults
    char Name[12] = {};
};

TEST(BlockList, RecordsKeepTheirPlaceAndOrderAcrossBlocks) {
    BlockList<Record> list;
    EXPECT_TRUE(list.empty());
    const size_t count = 2 * BlockList<Record>::kBlockRecords + 3;
    std::vector<const Record*> places;
    for (size_t i = 0; i < count; ++i) {
        Record& record = list.emplace_back();
        EXPECT_EQ(record.Number, -1);
        record.Number = static_cast<int>(i);
        places.push_back(&record);
    }
    ASSERT_EQ(list.size(), count);
    for (size_t i = 0; i < count; ++i) ASSERT_EQ(&list[i], places[i]) << i;
    EXPECT_EQ(list.front().Number, 0);
    EXPECT_EQ(list.back().Number, static_cast<int>(count - 1));

    int expected = 0;
    for (const Record& record : std::as_const(list)) ASSERT_EQ(record.Number, expected++);
    EXPECT_EQ(expected, static_cast<int>(count));

    BlockList<Record> moved = std::move(list);  // a run is handed on whole
    EXPECT_EQ(&moved[count - 1], places[count - 1]);
    EXPECT_TRUE(list.empty());  // what a list handed on leaves behind
    moved.push_back(Record{7, "copy"});
    EXPECT_EQ(moved.back().Number, 7);
    EXPECT_STREQ(moved.back().Name, "copy");
}

TEST(TextArena, KeptTextsStayIntactAsBlocksFill) {
    TextArena arena;
    EXPECT_TRUE(KeepText(arena, "").empty());
    EXPECT_TRUE(arena.Blocks.empty());  // an empty text takes no room

    std::vector<std::pair<std::string, std::string_view>> kept;
    for (int i = 0; kept.size() < 60000; ++i) {  // some 15 MB: several blocks
        std::string text(1 + i % 255, static_cast<char>('a' + i % 26));
        text += std::to_string(i);
        kept.emplace_back(text, KeepText(arena, text));
    }
    std::string huge(5 << 20, 'h');  // longer than a block: a block of its own
    std::string_view hugeView = KeepText(arena, huge);
    std::string_view after = KeepText(arena, "after");
    EXPECT_GT(arena.Blocks.size(), 3u);
    for (const auto& [text, view] : kept) ASSERT_EQ(view, text);
    EXPECT_EQ(hugeView, huge);
    EXPECT_EQ(after, "after");
}

}  // namespace
