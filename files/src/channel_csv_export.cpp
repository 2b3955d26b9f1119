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

using csv::Field;

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

// One channel on its way into a line; `lost` says what the line cannot carry.
class ChannelLine {
  public:
    ChannelLine(const ChannelTable& table, int row) : cells_(table.cells.at(row)) {}

    std::array<std::string, csv::kFieldCount> fields;
    std::vector<std::string> lost;

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
        for (const ChannelColumn& column : channelColumns()) {
            if (!column.exportsEmptyAsNewValue) continue;
            const Column c = column.column;
            if (!cell(c).empty() || cell(*column.openOnlyWhen).empty()) continue;
            cell(c) = std::string(column.newFrequencyValue);
            lost.push_back(title(c) + " empty: exported as " + quoted(cell(c)));
        }
    }

    void setFrequencies(std::uint32_t rx) {
        fields[at(Field::Frequency)] = megahertz(rx);
        const std::string& txCell = cell(Column::TxFrequency);
        const auto tx = acceptedUnits(txCell);
        if (!txCell.empty() && !tx) {
            lose(Column::TxFrequency,
                 "left out with its tone and signalling: " + std::string(kOutsideRanges));
            for (Column c : {Column::TxTone, Column::LaunchSignalling, Column::EndSignalling})
                cell(c).clear();
        }
        setDuplex(rx, tx);
    }

    void setTones() {
        const csv::Tone tx = tone(Column::TxTone);
        const csv::Tone rx = tone(Column::RxTone);
        const csv::ToneFields f = csv::toneFields(tx, rx);
        fields[at(Field::Tone)] = f.mode;
        fields[at(Field::RToneFreq)] = f.rTone;
        fields[at(Field::CToneFreq)] = f.cTone;
        fields[at(Field::DtcsCode)] = f.dtcs;
        fields[at(Field::DtcsPolarity)] = f.polarity;
        fields[at(Field::RxDtcsCode)] = f.rxDtcs;
        fields[at(Field::CrossMode)] = f.crossMode;
    }

    void setFlags() {
        fields[at(Field::Mode)] = cell(Column::Bandwidth) == "Narrow" ? "NFM" : "FM";
        if (cell(Column::Bandwidth) != "Narrow" && cell(Column::Bandwidth) != "Wide")
            lose(Column::Bandwidth, "exported as FM: not Wide or Narrow");
        fields[at(Field::Power)] = cell(Column::Power);
        for (const ChannelColumn& c : channelColumns()) {
            if (c.csv == CsvCarriage::OwnColumn)
                fields.at(csv::fieldNamed(c.csvName)) = cell(c.column);
        }
    }

  private:
    static constexpr std::size_t at(Field f) { return csv::at(f); }

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
    void setDuplex(std::uint32_t rx, std::optional<std::uint32_t> tx) {
        std::string& duplex = fields[at(Field::Duplex)];
        std::uint64_t offset = 0;
        if (!tx) {
            duplex = "off";
        } else if (acceptedRange(rx) != acceptedRange(*tx)) {
            duplex = "split";
            offset = *tx;
        } else if (*tx != rx) {
            duplex = *tx > rx ? "+" : "-";
            offset = *tx > rx ? *tx - rx : rx - *tx;
        }
        fields[at(Field::Offset)] = megahertz(offset);
    }

    std::array<std::string, kColumnCount> cells_;
};

// The name as a spreadsheet keeps it: text, never a formula.
std::string nameField(std::string_view cell) {
    const std::string name = utf8::fromLatin1(cell);
    if (!name.empty() && csv::kFormulaStarts.find(name.front()) != std::string_view::npos)
        return csv::kTextMark + name;
    return name;
}

std::string channelName(Band band, int row) {
    return std::string(bandName(band)) + " channel " + std::to_string(row);
}

std::vector<std::string> headerLine() {
    return {csv::kFieldNames.begin(), csv::kFieldNames.end()};
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
            ChannelLine line(table, row);
            line.dropUnopenable();
            line.setFrequencies(*rx);
            line.setTones();
            line.fillEmptyValues();
            line.setFlags();
            auto& f = line.fields;
            const int location = row + (band == Band::B ? csv::kLocationsPerBand : 0);
            f[csv::at(Field::Location)] = std::to_string(location);
            f[csv::at(Field::Name)] = nameField(line.cell(Column::Name));
            f[csv::at(Field::TStep)] = csv::stepOf(std::uint64_t{*rx} * 10);
            f[csv::at(Field::Band)] = band == Band::A ? "A" : "B";
            f[csv::at(Field::Channel)] = std::to_string(row);
            out.text += csvLine({f.begin(), f.end()});
            ++out.channels;
            for (const std::string& lost : line.lost) out.warnings.push_back(name + ": " + lost);
        }
    }
    return out;
}

}  // namespace duoband
