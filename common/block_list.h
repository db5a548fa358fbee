// A list of records that only grows at its end, held in large blocks of
// kBlockRecords records: a record never moves once made, as in a deque, but
// a million of them take a few dozen blocks rather than a third of a
// million small nodes.
#pragma once

#include <cstddef>
#include <new>
#include <type_traits>
#include <utility>
#include <vector>

#include "large_block.h"

template <typename T>
struct BlockList {
    // Records are dropped with their blocks, never destroyed one by one.
    static_assert(std::is_trivially_destructible_v<T>, "records must need no destructor");

    static constexpr size_t kBlockBytes = 2 * kHugePageBytes;
    static constexpr size_t kBlockRecords = kBlockBytes / sizeof(T);

    std::vector<LargeBlock> Blocks;
    size_t Count = 0;

    BlockList() = default;
    // A list handed on leaves an empty list behind.
    BlockList(BlockList&& other) noexcept : Blocks(std::move(other.Blocks)), Count(std::exchange(other.Count, 0)) {}
    BlockList& operator=(BlockList&& other) noexcept {
        Blocks = std::move(other.Blocks);
        Count = std::exchange(other.Count, 0);
        return *this;
    }

    // Where the record of index lies, made or not.
    T* Place(size_t index) const {
        return reinterpret_cast<T*>(Blocks[index / kBlockRecords].get()) + index % kBlockRecords;
    }
    T& operator[](size_t index) { return *Place(index); }
    const T& operator[](size_t index) const { return *Place(index); }

    // A new value-initialised record at the end.
    T& emplace_back() {
        if (Count == Blocks.size() * kBlockRecords) Blocks.push_back(MakeLargeBlock(kBlockBytes));
        return *new (Place(Count++)) T();
    }
    void push_back(const T& record) { emplace_back() = record; }

    size_t size() const { return Count; }
    bool empty() const { return Count == 0; }
    T& front() { return (*this)[0]; }
    const T& front() const { return (*this)[0]; }
    T& back() { return (*this)[Count - 1]; }
    const T& back() const { return (*this)[Count - 1]; }

    // Walks the records in order; List is BlockList or const BlockList.
    template <typename List, typename Record>
    struct Iterator {
        List* list;
        size_t index;
        Record& operator*() const { return (*list)[index]; }
        Record* operator->() const { return &(*list)[index]; }
        Iterator& operator++() {
            ++index;
            return *this;
        }
        bool operator==(const Iterator& other) const { return index == other.index; }
        bool operator!=(const Iterator& other) const { return index != other.index; }
    };
    using iterator = Iterator<BlockList, T>;
    using const_iterator = Iterator<const BlockList, const T>;

    iterator begin() { return {this, 0}; }
    iterator end() { return {this, Count}; }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, Count}; }
};
