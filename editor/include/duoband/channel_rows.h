// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-channel operations of a channel table: insert, delete, move and
// clear channels. They move a channel's data columns; the channel numbers
// stay where they are.
#pragma once

#include <vector>

#include "duoband/editor_model.h"

namespace duoband {

// A channel is empty when all its data columns are empty.
bool channelIsEmpty(const ChannelTable& table, int row);

// Inserts `count` empty channels before `row`; the channels below move
// down and the last `count` channels fall off the end.
void insertEmptyChannels(ChannelTable& table, int row, int count);
// The channels that inserting `count` channels would drop and that are not
// empty (the caller asks before they go).
std::vector<int> channelsDroppedByInsert(const ChannelTable& table, int count);

// Deletes the channels of `rows`; the channels below move up and the last
// rows become empty.
void deleteChannels(ChannelTable& table, const std::vector<int>& rows);

// Empties every data column of the channels of `rows`.
void clearChannels(ChannelTable& table, const std::vector<int>& rows);

enum class MoveDirection { Up, Down };
// Moves the channels of `rows` one place up or down, each swapping with its
// unselected neighbour. Returns the rows they occupy afterwards, or an empty
// list (nothing moved) when a selected channel is already at the edge.
std::vector<int> moveChannels(ChannelTable& table, const std::vector<int>& rows,
                              MoveDirection direction);

}  // namespace duoband
