// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/exchange.h"

#include <algorithm>

namespace duoband {

namespace {
HexText frameHeader(std::string_view command, const TransferStep& step) {
    return std::string(command) + hexNumber(step.address, 4) + hexNumber(step.length, 4);
}
}  // namespace

HexText readFrame(const TransferStep& step) {
    return frameHeader(kReadCommandHex, step);
}

HexText writeFrame(const TransferStep& step, std::string_view dataHex) {
    return frameHeader(kWriteCommandHex, step) + std::string(dataHex);
}

void ReceiveBuffer::append(const std::uint8_t* bytes, std::size_t count) {
    const std::size_t room = kReceiveBufferBytes - text_.size() / 2;
    if (count > room) overflowed_ = true;
    text_ += toHex(std::span<const std::uint8_t>(bytes, std::min(count, room)));
}

}  // namespace duoband
