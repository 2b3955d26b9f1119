// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include "channel_csv_layout.h"
#include "duoband/channel_csv.h"
#include "duoband/channel_editing.h"
#include "duoband/channel_rows.h"
#include "duoband/decimal.h"
#include "duoband/field_codecs.h"
#include "duoband/settings_table.h"
#include "duoband/utf8.h"

namespace duoband {

namespace {

constexpr std::string_view kOutsideRanges = "outside 136~176, 220~250 and 400~490 MHz";

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string title(Column column) {
    return std::string(columnTitle(column));
}

// MHz with six decimals from 10 Hz units.
std::string megahertz(std::uint64_t units) {
    return fixedDecimal(units * 10, 6);
}

// A frequency cell the grid could have written: its units.
std::optional<std::uint32_t> acceptedUnits(std::string_view cell) {
    const auto units = frequencyUnits(cell);
    if (!units || !acceptedRange(*units)) return std::nullopt;
    return units;
}

// The name as a spreadsheet keeps it: text, never a formula.
std::string nameField(std::string_view cell) {
    const std::string name = utf8::fromLatin1(cell);
    if (!name.empty() && csv::kFormulaStarts.find(name.front()) != std::string_view::npos)
        return csv::kTextMark + name;
    return name;
}

// One channel on its way into a line; `lost` says what the line cannot carry.
class ChannelLine {
  public:
    ChannelLine(const ChannelTable& table, Band band, int row, std::uint32_t rx)
        : band_(band), row_(row), rx_(rx), cells_(table.cells.at(row)) {
        dropUnopenable();
    }

    std::array<std::string, csv::kHeader.size()> fields;
    std::vector<std::string> lost;

    // Frequency, TStep, Duplex and Offset, from both frequencies.
    void writeFrequencies() {
        fields[csv::kFrequency] = megahertz(rx_);
        fields[csv::kTStep] = csv::stepOf(std::uint64_t{rx_} * 10);
        const std::string& txCell = cell(Column::TxFrequency);
        const auto tx = acceptedUnits(txCell);
        if (!txCell.empty() && !tx) {
            lose(Column::TxFrequency,
                 "left out with its tone and signalling: " + std::string(kOutsideRanges));
            for (Column c : {Column::TxTone, Column::LaunchSignalling, Column::EndSignalling})
                cell(c).clear();
        }
        writeDuplex(tx);
    }

    void writeTones() {
        const csv::Tone tx = tone(Column::TxTone);
        const csv::Tone rx = tone(Column::RxTone);
        const csv::ToneFields f = csv::toneFields(tx, rx);
        fields[csv::kTone] = f.mode;
        fields[csv::kRToneFreq] = f.rTone;
        fields[csv::kCToneFreq] = f.cTone;
        fields[csv::kDtcsCode] = f.dtcs;
        fields[csv::kDtcsPolarity] = f.polarity;
        fields[csv::kRxDtcsCode] = f.rxDtcs;
        fields[csv::kCrossMode] = f.crossMode;
    }

    // Mode, Power and the cells carried as they stand; an empty one a new
    // frequency would have filled is filled first.
    void writeFlags() {
        fillEmptyValues();
        fields[csv::kMode] = cell(Column::Bandwidth) == "Narrow" ? "NFM" : "FM";
        if (cell(Column::Bandwidth) != "Narrow" && cell(Column::Bandwidth) != "Wide")
            lose(Column::Bandwidth, "exported as FM: not Wide or Narrow");
        fields[csv::kPower] = cell(Column::Power);
        for (const auto& [column, at] : csv::kCellColumns) fields[at] = cell(column);
    }

    void writeName() { fields[csv::kName] = nameField(cell(Column::Name)); }

    void writePlace() {
        fields[csv::kLocation] =
            std::to_string(row_ + (band_ == Band::B ? csv::kLocationsPerBand : 0));
        fields[csv::kBand] = band_ == Band::A ? "A" : "B";
        fields[csv::kChannel] = std::to_string(row_);
    }

  private:
    std::string& cell(Column c) { return cells_.at(static_cast<std::size_t>(columnIndex(c))); }

    // Values whose editor the grid would not open are left out.
    void dropUnopenable() {
        for (const ChannelColumnEditor& editor : channelColumnEditors()) {
            if (!editor.openOnlyWhen || cell(editor.column).empty() ||
                !cell(*editor.openOnlyWhen).empty()) {
                continue;
            }
            lose(editor.column, "left out: the channel has no " + title(*editor.openOnlyWhen));
        }
    }

    void fillEmptyValues() {
        for (const ChannelColumn& column : kChannelColumns) {
            if (!column.exportsEmptyAsNewValue) continue;
            const Column c = column.column;
            if (!cell(c).empty() || cell(*column.openOnlyWhen).empty()) continue;
            cell(c) = std::string(column.newFrequencyValue);
            lost.push_back(title(c) + " empty: exported as " + quoted(cell(c)));
        }
    }

    void lose(Column c, const std::string& why) {
        lost.push_back(title(c) + " " + quoted(cell(c)) + " " + why);
        cell(c).clear();
    }

    csv::Tone tone(Column c) {
        if (const auto t = csv::toneOfCell(cell(c))) return *t;
        lose(c, "left out: not in the tone list");
        return {};
    }

    // Decided in this order: no transmit frequency; another range of the
    // bands (the transmit frequency itself); simplex; above; below.
    void writeDuplex(std::optional<std::uint32_t> tx) {
        std::string& duplex = fields[csv::kDuplex];
        std::uint64_t offset = 0;
        if (!tx) {
            duplex = "off";
        } else if (acceptedRange(rx_) != acceptedRange(*tx)) {
            duplex = "split";
            offset = *tx;
        } else if (*tx != rx_) {
            duplex = *tx > rx_ ? "+" : "-";
            offset = *tx > rx_ ? *tx - rx_ : rx_ - *tx;
        }
        fields[csv::kOffset] = megahertz(offset);
    }

    Band band_;
    int row_;
    std::uint32_t rx_;
    std::array<std::string, kColumnCount> cells_;
};

// The writers in the order they run, each with the carriages it writes: a
// value left out by an earlier one is not written by a later one.
struct Writer {
    unsigned carriages;
    void (ChannelLine::*write)();
};
constexpr Writer kWriters[] = {
    {csv::carriageBit(CsvCarriage::Frequency) | csv::carriageBit(CsvCarriage::Offset),
     &ChannelLine::writeFrequencies},
    {csv::carriageBit(CsvCarriage::Tone), &ChannelLine::writeTones},
    {csv::carriageBit(CsvCarriage::Mode) | csv::carriageBit(CsvCarriage::Power) |
         csv::carriageBit(CsvCarriage::OwnColumn),
     &ChannelLine::writeFlags},
    {csv::carriageBit(CsvCarriage::Name), &ChannelLine::writeName},
    {csv::carriageBit(CsvCarriage::Place), &ChannelLine::writePlace},
};
static_assert(csv::handleEveryCarriageOnce(kWriters), "every channel column has a writer");

std::string channelName(Band band, int row) {
    return std::string(bandName(band)) + " channel " + std::to_string(row);
}

std::vector<std::string> headerLine() {
    return {csv::kHeader.begin(), csv::kHeader.end()};
}

}  // namespace

ChannelCsvExport exportChannelCsv(const EditorModel& model) {
    ChannelCsvExport out;
    out.text = csvLine(headerLine());
    for (Band band : kBands) {
        const ChannelTable& table = model.channels(band);
        for (int row = 1; row <= ChannelTable::kChannels; ++row) {
            if (channelIsEmpty(table, row)) continue;
            const std::string name = channelName(band, row);
            const std::string& rxCell = table.cell(Column::RxFrequency, row);
            const auto rx = acceptedUnits(rxCell);
            if (!rx) {
                out.warnings.push_back(name + " left out: " +
                                       (rxCell.empty()
                                            ? "it has no Receiving Frequency"
                                            : "its Receiving Frequency " + quoted(rxCell) + " is " +
                                                  std::string(kOutsideRanges)));
                continue;
            }
            ChannelLine line(table, band, row, *rx);
            for (const Writer& writer : kWriters) (line.*writer.write)();
            const auto& f = line.fields;
            out.text += csvLine({f.begin(), f.end()});
            ++out.channels;
            for (const std::string& lost : line.lost) out.warnings.push_back(name + ": " + lost);
        }
    }
    return out;
}

}  // namespace duoband
