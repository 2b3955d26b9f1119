// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// SHA-256 (FIPS 180-4): the register names the image a radio was sent by its
// digest, so two benches can tell whether they sent the same bytes.
#pragma once

#include <string>
#include <string_view>

namespace duoband {

// The digest of `bytes` as 64 lower-case hex digits.
std::string sha256Hex(std::string_view bytes);

}  // namespace duoband
