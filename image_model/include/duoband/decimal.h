// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Exact decimal arithmetic on the digits of a number typed as text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace duoband {

// Reads a non-negative decimal number ("146.52", "0.6", ".5", "10.") with
// surrounding blanks allowed and returns it multiplied by 10^scale, further
// decimals dropped. nullopt when the text is not such a number (empty, a lone
// point, two points, a sign, letters) or the result exceeds `max`.
std::optional<std::uint64_t> scaledDecimal(std::string_view text, int scale,
                                           std::uint64_t max = UINT32_MAX);

// value / 10^scale written with exactly `scale` decimals ("146.52000").
std::string fixedDecimal(std::uint64_t value, int scale);

// value / 10^scale in its shortest form: no trailing zeros, no point for a
// whole number ("136", "174.5").
std::string shortestDecimal(std::uint64_t value, int scale);

}  // namespace duoband
