// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How a test failure shows the model's values: in the editor's terms, and
// for a whole configuration only where it departs from a new one, so that a
// difference reads "Band A channel 12, Receiving Frequency" rather than as
// hundreds of bytes.
#include <ostream>

#include "duoband/channel_record.h"
#include "duoband/editor_model.h"
#include "duoband/settings_table.h"

namespace duoband {

namespace {

void printCell(std::string_view title, const std::string& text, std::ostream& out) {
    out << title << " \"" << text << "\"";
}

std::string settingText(const EditorModel& model, const Setting& s, Band band) {
    if (s.isChoice()) {
        const Choice& choice = s.choice.read(model, band);
        return choice.index < 0 ? "(nothing selected)" : "\"" + std::string(choice.text()) + "\"";
    }
    return "\"" + s.text.read(model, band) + "\"";
}

}  // namespace

void PrintTo(const ChannelRow& row, std::ostream* out) {
    *out << "{";
    const char* separator = "";
    for (const ChannelColumn& c : channelColumns()) {
        if (c.column == Column::Number) continue;
        *out << separator;
        printCell(c.title, row[c.column], *out);
        separator = ", ";
    }
    *out << "}";
}

void PrintTo(const EditorModel& model, std::ostream* out) {
    const EditorModel fresh;
    int departures = 0;
    const auto place = [&]() -> std::ostream& { return *out << "\n  "; };
    for (Band band : kBands) {
        const ChannelTable& table = model.channels(band);
        for (int row = 0; row < ChannelTable::kRows; ++row) {
            for (const ChannelColumn& c : channelColumns()) {
                const std::string& cell = table.cell(c.column, row);
                if (cell == fresh.channels(band).cell(c.column, row)) continue;
                place() << bandName(band) << " channel " << row << ", ";
                printCell(c.title, cell, *out);
                ++departures;
            }
        }
    }
    for (const Setting& s : allSettings()) {
        for (Band band : kBands) {
            if (band == Band::B && !s.perBand()) continue;
            const std::string text = settingText(model, s, band);
            if (text == settingText(fresh, s, band)) continue;
            place() << describeSetting(s, band) << ": " << text;
            ++departures;
        }
    }
    if (departures == 0) *out << "a new configuration";
}

}  // namespace duoband
