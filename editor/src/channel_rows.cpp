// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/channel_rows.h"

#include <algorithm>
#include <array>
#include <set>
#include <string>

namespace duoband {

namespace {

constexpr int kDataColumns = kColumnCount - 1;
using ChannelData = std::array<std::string, kDataColumns>;

bool isChannelRow(int row) {
    return row >= 1 && row <= ChannelTable::kChannels;
}

ChannelData dataOf(const ChannelTable& table, int row) {
    ChannelData data;
    for (int c = 0; c < kDataColumns; ++c) data[c] = table.cell(columnAt(c + 1), row);
    return data;
}

void setData(ChannelTable& table, int row, const ChannelData& data) {
    for (int c = 0; c < kDataColumns; ++c) table.cell(columnAt(c + 1), row) = data[c];
}

// The channel rows of `rows`, ascending, each once.
std::vector<int> channelRows(const std::vector<int>& rows) {
    std::set<int> unique;
    for (int row : rows) {
        if (isChannelRow(row)) unique.insert(row);
    }
    return {unique.begin(), unique.end()};
}

void swapChannels(ChannelTable& table, int a, int b) {
    const ChannelData first = dataOf(table, a);
    setData(table, a, dataOf(table, b));
    setData(table, b, first);
}

}  // namespace

bool channelIsEmpty(const ChannelTable& table, int row) {
    const ChannelData data = dataOf(table, row);
    return std::ranges::all_of(data, [](const std::string& cell) { return cell.empty(); });
}

void insertEmptyChannels(ChannelTable& table, int row, int count) {
    if (!isChannelRow(row) || count <= 0) return;
    count = std::min(count, ChannelTable::kChannels - row + 1);
    for (int to = ChannelTable::kChannels; to >= row + count; --to) {
        setData(table, to, dataOf(table, to - count));
    }
    for (int r = row; r < row + count; ++r) setData(table, r, {});
}

std::vector<int> channelsDroppedByInsert(const ChannelTable& table, int count) {
    std::vector<int> dropped;
    for (int row = std::max(1, ChannelTable::kChannels - count + 1); row <= ChannelTable::kChannels;
         ++row) {
        if (!channelIsEmpty(table, row)) dropped.push_back(row);
    }
    return dropped;
}

void deleteChannels(ChannelTable& table, const std::vector<int>& rows) {
    const std::vector<int> doomed = channelRows(rows);
    int to = 1;
    for (int from = 1; from <= ChannelTable::kChannels; ++from) {
        if (std::ranges::binary_search(doomed, from)) continue;
        if (to != from) setData(table, to, dataOf(table, from));
        ++to;
    }
    for (; to <= ChannelTable::kChannels; ++to) setData(table, to, {});
}

void clearChannels(ChannelTable& table, const std::vector<int>& rows) {
    for (int row : channelRows(rows)) setData(table, row, {});
}

std::vector<int> moveChannels(ChannelTable& table, const std::vector<int>& rows,
                              MoveDirection direction) {
    std::vector<int> moving = channelRows(rows);
    if (moving.empty()) return {};
    const bool up = direction == MoveDirection::Up;
    if (up ? moving.front() == 1 : moving.back() == ChannelTable::kChannels) return {};
    // Moving up, the top channel goes first, so a block slides as one.
    if (!up) std::ranges::reverse(moving);
    for (int& row : moving) {
        const int neighbour = up ? row - 1 : row + 1;
        swapChannels(table, row, neighbour);
        row = neighbour;
    }
    std::ranges::sort(moving);
    return moving;
}

}  // namespace duoband
