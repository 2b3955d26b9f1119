// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry: any bytes given to the channel CSV reader and import. A
// file that is refused changes nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "duoband/channel_csv.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const duoband::ChannelCsvFile file =
        duoband::readChannelCsv(std::string_view(reinterpret_cast<const char*>(data), size));
    static const duoband::EditorModel untouched;  // most inputs are refused: built once
    duoband::EditorModel model;
    (void)duoband::importChannelCsv(file, model);
    if (!file.ok() && !(model == untouched)) std::abort();
    (void)duoband::importChannelCsv(file, model, duoband::CsvStart{duoband::Band::B, 120});
    return 0;
}
