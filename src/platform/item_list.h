// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The items of a list box, kept in blocks of at most kBlock texts. A list of a hundred thousand
// rows stays a list of texts: reading a row, adding one at the end and removing one anywhere
// each touch one block and the table of where blocks start, never half the list.

#include <cstddef>
#include <iterator>
#include <string>
#include <vector>

namespace movesta {

class ItemList {
public:
    // A block's size: removing a text moves at most this many others.
    static constexpr std::size_t kBlock = 512;

    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::string;
        using difference_type = std::ptrdiff_t;
        using pointer = const std::string*;
        using reference = const std::string&;

        const_iterator() = default;
        reference operator*() const { return (*m_block)[m_item]; }
        pointer operator->() const { return &**this; }
        const_iterator& operator++();
        const_iterator operator++(int)
        {
            const_iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const const_iterator&) const = default;

    private:
        friend class ItemList;
        using Blocks = std::vector<std::vector<std::string>>;
        const_iterator(Blocks::const_iterator block, Blocks::const_iterator end)
            : m_block(block)
            , m_end(end)
        {}
        Blocks::const_iterator m_block{};
        Blocks::const_iterator m_end{};
        std::size_t m_item = 0;
    };

    int size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    // `index` must lie in [0, size()).
    const std::string& operator[](int index) const;
    const_iterator begin() const { return {m_blocks.begin(), m_blocks.end()}; }
    const_iterator end() const { return {m_blocks.end(), m_blocks.end()}; }

    void push_back(std::string text);
    // `index` must lie in [0, size()).
    void erase(int index);
    void assign(std::vector<std::string> texts);
    void clear();

private:
    // The block holding `index`, found by halving the table of first indexes.
    std::size_t blockOf(int index) const;
    // Joins a block that has shrunk to a quarter with a neighbour it fits in, so that memory
    // follows the rows left when a long list is emptied here and there.
    void joinSmall(std::size_t block);

    std::vector<std::vector<std::string>> m_blocks; // none empty
    std::vector<int> m_firsts;                      // the index of each block's first text
    int m_size = 0;
};

} // namespace movesta
