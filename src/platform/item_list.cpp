// SPDX-FileCopyrightText: 2026 The Movesta developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/item_list.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace movesta {

ItemList::const_iterator& ItemList::const_iterator::operator++()
{
    if (++m_item == m_block->size()) {
        ++m_block;
        m_item = 0;
    }
    return *this;
}

std::size_t ItemList::blockOf(int index) const
{
    const auto after = std::upper_bound(m_firsts.begin(), m_firsts.end(), index);
    return static_cast<std::size_t>(after - m_firsts.begin()) - 1;
}

const std::string& ItemList::operator[](int index) const
{
    const std::size_t block = blockOf(index);
    return m_blocks[block][static_cast<std::size_t>(index - m_firsts[block])];
}

void ItemList::push_back(std::string text)
{
    if (m_blocks.empty() || m_blocks.back().size() == kBlock) {
        m_blocks.emplace_back();
        m_firsts.push_back(m_size);
    }
    m_blocks.back().push_back(std::move(text));
    ++m_size;
}

void ItemList::erase(int index)
{
    const std::size_t block = blockOf(index);
    std::vector<std::string>& texts = m_blocks[block];
    texts.erase(texts.begin() + (index - m_firsts[block]));
    --m_size;
    for (std::size_t later = block + 1; later < m_firsts.size(); ++later)
        --m_firsts[later];
    if (texts.empty()) {
        m_blocks.erase(m_blocks.begin() + static_cast<std::ptrdiff_t>(block));
        m_firsts.erase(m_firsts.begin() + static_cast<std::ptrdiff_t>(block));
    } else {
        joinSmall(block);
    }
}

void ItemList::joinSmall(std::size_t block)
{
    const auto fits = [this](std::size_t a, std::size_t b) {
        return m_blocks[a].size() + m_blocks[b].size() <= kBlock;
    };
    if (m_blocks[block].size() >= kBlock / 4)
        return;
    std::size_t into = block; // the block kept; the one after it is emptied into it
    if (block > 0 && fits(block - 1, block))
        into = block - 1;
    else if (block + 1 >= m_blocks.size() || !fits(block, block + 1))
        return;
    std::vector<std::string>& kept = m_blocks[into];
    std::vector<std::string>& joined = m_blocks[into + 1];
    kept.insert(kept.end(), std::make_move_iterator(joined.begin()), std::make_move_iterator(joined.end()));
    m_blocks.erase(m_blocks.begin() + static_cast<std::ptrdiff_t>(into + 1));
    m_firsts.erase(m_firsts.begin() + static_cast<std::ptrdiff_t>(into + 1));
}

void ItemList::assign(std::vector<std::string> texts)
{
    clear();
    for (std::size_t first = 0; first < texts.size(); first += kBlock) {
        const std::size_t last = std::min(texts.size(), first + kBlock);
        m_firsts.push_back(static_cast<int>(first));
        m_blocks.emplace_back(std::make_move_iterator(texts.begin() + static_cast<std::ptrdiff_t>(first)),
                              std::make_move_iterator(texts.begin() + static_cast<std::ptrdiff_t>(last)));
    }
    m_size = static_cast<int>(texts.size());
}

void ItemList::clear()
{
    std::vector<std::vector<std::string>>().swap(m_blocks);
    std::vector<int>().swap(m_firsts);
    m_size = 0;
}

} // namespace movesta
