// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <map>
#include <set>

#include "channel_csv_layout.h"
#include "duoband/channel_clipboard.h"
#include "duoband/channel_csv.h"
#include "duoband/channel_rows.h"
#include "duoband/decimal.h"
#include "duoband/field_codecs.h"
#include "duoband/settings_table.h"
#include "duoband/utf8.h"
#include "text_case.h"

namespace duoband {

namespace {

// Larger than any frequency (in Hz) or power (in 0.1 W) a row may hold.
constexpr std::uint64_t kLargestNumber = 100'000'000'000;
// A watt figure from this up is High.
constexpr std::uint64_t kHighPowerTenthsOfWatts = 40;

// A number as a spreadsheet set to a decimal comma writes it: "146,52".
std::string withDecimalPoint(std::string_view text) {
    std::string number(text);
    std::ranges::replace(number, ',', '.');
    return number;
}

bool startsIgnoringCase(std::string_view text, std::string_view start) {
    return text.size() >= start.size() &&
           text::equalIgnoringCase(text.substr(0, start.size()), start);
}

// A power level of a radio with more than two: "Mid", "Medium", "Mid2".
bool levelBetweenHighAndLow(std::string_view power) {
    power = text::trimmed(power);
    return startsIgnoringCase(power, "mid") || startsIgnoringCase(power, "med");
}

std::optional<int> wholeNumber(std::string_view text) {
    text = text::trimmed(text);
    if (text.empty() || text.size() > 6 ||
        !std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return std::stoi(std::string(text));
}

// Where a row goes.
struct Target {
    Band band = Band::A;
    int channel = 0;
    Phrase name() const { return channelPlace(band, channel); }
};

// The file's columns: for each column of the layout, its index in the file, or none.
class Columns {
  public:
    explicit Columns(const std::vector<std::string>& header) {
        index_.fill(-1);
        for (std::size_t f = 0; f < csv::kHeader.size(); ++f) {
            const auto found = std::ranges::find_if(header, [&](const std::string& name) {
                return text::equalIgnoringCase(name, csv::kHeader[f]);
            });
            if (found != header.end()) index_[f] = static_cast<int>(found - header.begin());
        }
    }
    bool has(std::size_t f) const { return index_[f] >= 0; }
    // Whether the file's column `index` is the one read as `f`.
    bool is(std::size_t index, std::size_t f) const { return index_[f] == static_cast<int>(index); }
    // Whether the import reads the file's column `index` at all.
    bool known(std::size_t index) const {
        return std::ranges::find(index_, static_cast<int>(index)) != index_.end();
    }
    // The row's value, or `otherwise` when the file has no such column.
    std::string_view value(const CsvRecord& row, std::size_t f,
                           std::string_view otherwise = {}) const {
        const int i = index_[f];
        if (i < 0) return otherwise;
        return static_cast<std::size_t>(i) < row.fields.size() ? std::string_view(row.fields[i])
                                                               : std::string_view();
    }

  private:
    std::array<int, csv::kHeader.size()> index_;
};

class Placement;

// One row on its way into the model, the `index`th of the file (0 first).
// Every value goes through the grid's rules on a scratch table before the
// row replaces its channel.
class RowImport {
  public:
    RowImport(const Columns& columns, const CsvRecord& row, const Placement& placement, int index,
              std::vector<CsvNote>& notes)
        : columns_(columns), row_(row), placement_(placement), index_(index), notes_(notes) {
        note_.line = row.line;
        note_.location = text::trimmed(columns.value(row, csv::kLocation));
    }

    std::string_view value(std::size_t f, std::string_view otherwise = {}) const {
        return columns_.value(row_, f, otherwise);
    }
    std::string_view trimmedValue(std::size_t f, std::string_view otherwise = {}) const {
        return text::trimmed(value(f, otherwise));
    }
    std::string number(std::size_t f, std::string_view otherwise = {}) const {
        return withDecimalPoint(value(f, otherwise));
    }
    const CsvRecord& record() const { return row_; }
    // Where the row goes and its receiving frequency, once read.
    const Target& target() const { return target_; }
    std::uint64_t rxHertz() const { return rxHertz_; }

    // False, with a note, when the row is skipped.
    bool skip(Phrase what, Phrase why) {
        add(std::move(what), std::move(why), true);
        return false;
    }
    void changed(Phrase what, Phrase why) { add(std::move(what), std::move(why), false); }
    Phrase what(std::size_t f) const { return csv::fieldValue(csv::kHeader[f], value(f)); }

    // The grid's cells of the row, RxFrequency to Name.
    std::array<std::string, kColumnCount> cells;

    // The readers: false when the row is skipped.
    bool readPlace();
    bool readFrequencies();
    bool readTones();
    bool readMode();
    bool readPower();
    bool readName();
    bool readOwnColumns();

  private:
    void add(Phrase what, Phrase why, bool skipped) {
        CsvNote note = note_;
        note.what = std::move(what);
        note.why = std::move(why);
        note.skipped = skipped;
        notes_.push_back(std::move(note));
    }
    std::string& cell(Column c) { return cells.at(static_cast<std::size_t>(columnIndex(c))); }

    const Columns& columns_;
    const CsvRecord& row_;
    const Placement& placement_;
    int index_;
    std::vector<CsvNote>& notes_;
    CsvNote note_;
    Target target_;
    std::uint64_t rxHertz_ = 0;
};

// Frequency, Duplex and Offset as the receive and transmit frequencies.
bool RowImport::readFrequencies() {
    std::uint64_t& rxHertz = rxHertz_;
    std::optional<std::uint64_t> txHertz;
    const auto rx = scaledDecimal(number(csv::kFrequency), 6, kLargestNumber);
    const Phrase notAFrequency = QT_TRANSLATE_NOOP("duoband", "not a frequency in MHz");
    if (!rx) return skip(what(csv::kFrequency), notAFrequency);
    rxHertz = *rx;
    const std::string_view duplex = trimmedValue(csv::kDuplex);
    const auto offset = scaledDecimal(number(csv::kOffset, "0"), 6, kLargestNumber);
    const bool needsOffset =
        duplex == "+" || duplex == "-" || text::equalIgnoringCase(duplex, "split");
    if (needsOffset && !offset) return skip(what(csv::kOffset), notAFrequency);
    if (duplex.empty()) {
        txHertz = rxHertz;
    } else if (duplex == "+") {
        txHertz = rxHertz + *offset;
    } else if (duplex == "-") {
        if (*offset > rxHertz)
            return skip(what(csv::kOffset),
                        QT_TRANSLATE_NOOP("duoband", "larger than the frequency"));
        txHertz = rxHertz - *offset;
    } else if (text::equalIgnoringCase(duplex, "split")) {
        txHertz = offset;
    } else if (!text::equalIgnoringCase(duplex, "off")) {
        return skip(what(csv::kDuplex),
                    QT_TRANSLATE_NOOP("duoband", "not one of \"\", +, -, split, off"));
    }
    cell(Column::RxFrequency) = fixedDecimal(rxHertz, 6);
    if (txHertz) cell(Column::TxFrequency) = fixedDecimal(*txHertz, 6);
    return true;
}

bool RowImport::readTones() {
    csv::ToneFields f;
    f.mode = value(csv::kTone);
    f.rTone = number(csv::kRToneFreq, csv::kUnusedCtcss);
    f.cTone = number(csv::kCToneFreq, csv::kUnusedCtcss);
    f.dtcs = value(csv::kDtcsCode, csv::kUnusedDcs);
    f.polarity = value(csv::kDtcsPolarity, csv::kUnusedPolarity);
    // The older layout has one DCS code for both sides.
    f.rxDtcs = value(csv::kRxDtcsCode, f.dtcs);
    f.crossMode = value(csv::kCrossMode, csv::kUnusedCrossMode);
    const csv::TonePair pair = csv::tonesOf(f);
    if (!pair.why.empty()) return skip(pair.what, pair.why);
    for (const auto& [tone, column] :
         {std::pair{pair.tx, Column::TxTone}, std::pair{pair.rx, Column::RxTone}}) {
        const auto entry = csv::cellOfTone(tone);
        if (!entry) {
            const char* what = tone.kind == csv::ToneKind::Dcs
                                   ? QT_TRANSLATE_NOOP("duoband", "DCS code \"%1\"")
                                   : QT_TRANSLATE_NOOP("duoband", "CTCSS tone \"%1\"");
            return skip(phrase(what, echoed(tone.value)),
                        QT_TRANSLATE_NOOP("duoband", "the radio has no such tone"));
        }
        cell(column) = *entry;
    }
    return true;
}

bool RowImport::readMode() {
    const std::string_view mode = trimmedValue(csv::kMode);
    if (mode.empty() || text::equalIgnoringCase(mode, "FM")) {
        cell(Column::Bandwidth) = "Wide";
    } else if (text::equalIgnoringCase(mode, "NFM")) {
        cell(Column::Bandwidth) = "Narrow";
    } else {
        return skip(what(csv::kMode),
                    QT_TRANSLATE_NOOP("duoband", "the radio has FM (Wide) and NFM (Narrow) only"));
    }
    return true;
}

// "High", "Low" or a watt figure ("5W", "0.5W"); a level between High and
// Low takes the default, as the columns not kept do; anything else takes the
// default and is said.
bool RowImport::readPower() {
    const std::string power = withDecimalPoint(trimmedValue(csv::kPower));
    if (power.empty() || levelBetweenHighAndLow(power)) return true;
    if (text::equalIgnoringCase(power, "High") || text::equalIgnoringCase(power, "Low")) {
        cell(Column::Power) = power;  // the grid's choice matches it in any case
        return true;
    }
    const bool watts = power.size() > 1 && (power.back() == 'W' || power.back() == 'w');
    const auto tenths = watts ? scaledDecimal(std::string_view(power).substr(0, power.size() - 1),
                                              1, kLargestNumber)
                              : std::nullopt;
    if (!tenths) {
        changed(
            what(csv::kPower),
            phrase(QT_TRANSLATE_NOOP("duoband", "not High, Low or watts; the default \"%1\" taken"),
                   Phrase(*channelColumnDefault(Column::Power))));
        return true;
    }
    cell(Column::Power) = *tenths >= kHighPowerTenthsOfWatts ? "High" : "Low";
    return true;
}

// The name as the grid's name entry takes it: printable ASCII without the
// settings file's separators, at most 7 characters. The apostrophe that keeps
// a formula-like name text in a spreadsheet is not part of it.
bool RowImport::readName() {
    std::string_view name = value(csv::kName);
    if (name.size() > 1 && name.front() == csv::kTextMark &&
        csv::kFormulaStarts.find(name[1]) != std::string_view::npos) {
        name.remove_prefix(1);
    }
    const std::u32string characters = utf8::codePoints(name);
    std::string& kept = cell(Column::Name);
    kept = filterChannelName(characters);
    if (kept == name) return true;
    const auto acceptable = std::ranges::count_if(
        characters, [](char32_t c) { return !filterChannelName(std::u32string(1, c)).empty(); });
    const bool dropped = acceptable < static_cast<std::ptrdiff_t>(characters.size());
    const bool cut = static_cast<std::size_t>(acceptable) > kCountedTextMax;
    const char* why =
        !cut ? QT_TRANSLATE_NOOP(
                   "duoband", "characters other than printable ASCII (or , \" ') dropped: \"%1\"")
        : !dropped ? QT_TRANSLATE_NOOP("duoband", "cut to 7 characters: \"%1\"")
                   : QT_TRANSLATE_NOOP(
                         "duoband",
                         "characters other than printable ASCII (or , \" ') dropped, cut to 7 "
                         "characters: \"%1\"");
    changed(what(csv::kName), phrase(why, echoed(kept)));
    return true;
}

bool RowImport::readOwnColumns() {
    for (const auto& [column, at] : csv::kCellColumns) cell(column) = trimmedValue(at);
    return true;
}

// ---- placing the rows ------------------------------------------------------

class Placement {
  public:
    Placement(const ChannelCsvFile& file, std::optional<CsvStart> start)
        : kind_(start ? CsvPlacement::FileOrder : file.placement),
          start_(start.value_or(CsvStart{})),
          firstLocation_(file.firstLocation) {}

    // Said once: the Locations count from 0.
    std::optional<Phrase> remark() const {
        if (kind_ != CsvPlacement::Location || firstLocation_ == 1) return std::nullopt;
        return phrase(QT_TRANSLATE_NOOP("duoband",
                                        "the smallest Location is 0: every Location "
                                        "counts one higher (0 is band A channel 1, %1 "
                                        "band B channel 1)"),
                      verbatim(csv::kLocationsPerBand));
    }

    // The channel row `index` (0 first) of the file goes to; nullopt, with a
    // note, when it names none.
    std::optional<Target> targetOf(RowImport& row, int index) const {
        switch (kind_) {
            case CsvPlacement::BandAndChannel:
                return byBandAndChannel(row);
            case CsvPlacement::Location:
                return byLocation(row);
            case CsvPlacement::FileOrder:
                break;
        }
        const int channel = start_.channel + index;
        if (channel > ChannelTable::kChannels) {
            row.skip(phrase(QT_TRANSLATE_NOOP("duoband", "row %1"), verbatim(index + 1)),
                     phrase(QT_TRANSLATE_NOOP("duoband", "no channel left: %1 is the last"),
                            channelPlace(start_.band, ChannelTable::kChannels)));
            return std::nullopt;
        }
        return Target{start_.band, channel};
    }

  private:
    static std::optional<Target> byBandAndChannel(RowImport& row) {
        const std::string_view band = row.trimmedValue(csv::kBand);
        const auto channel = wholeNumber(row.value(csv::kChannel));
        if (!text::equalIgnoringCase(band, "A") && !text::equalIgnoringCase(band, "B")) {
            row.skip(row.what(csv::kBand), QT_TRANSLATE_NOOP("duoband", "not A or B"));
        } else if (!channel || *channel < 1 || *channel > ChannelTable::kChannels) {
            row.skip(row.what(csv::kChannel),
                     QT_TRANSLATE_NOOP("duoband", "not a channel from 1 to 128"));
        } else {
            return Target{text::equalIgnoringCase(band, "A") ? Band::A : Band::B, *channel};
        }
        return std::nullopt;
    }

    std::optional<Target> byLocation(RowImport& row) const {
        const auto location = wholeNumber(row.value(csv::kLocation));
        // 1 for band A channel 1.
        const int counted = location.value_or(-1) + 1 - firstLocation_;
        if (counted < 1 || counted > 2 * csv::kLocationsPerBand) {
            const auto at = [&](int n) { return verbatim(n - 1 + firstLocation_); };
            const int perBand = csv::kLocationsPerBand;
            row.skip(row.what(csv::kLocation),
                     phrase(QT_TRANSLATE_NOOP(
                                "duoband", "not a channel: %1 to %2 are band A, %3 to %4 band B"),
                            at(1), at(perBand), at(perBand + 1), at(2 * perBand)));
            return std::nullopt;
        }
        if (counted <= csv::kLocationsPerBand) return Target{Band::A, counted};
        return Target{Band::B, counted - csv::kLocationsPerBand};
    }

    CsvPlacement kind_;
    CsvStart start_;
    int firstLocation_;
};

bool RowImport::readPlace() {
    const auto target = placement_.targetOf(*this, index_);
    if (!target) return false;
    target_ = *target;
    note_.channel = target_.name();
    return true;
}

// The readers in the order they run, each with the carriages it reads; the
// first to skip the row stops it.
struct Reader {
    unsigned carriages;
    bool (RowImport::*read)();
};
constexpr Reader kReaders[] = {
    {csv::carriageBit(CsvCarriage::Place), &RowImport::readPlace},
    {csv::carriageBit(CsvCarriage::Mode), &RowImport::readMode},
    {csv::carriageBit(CsvCarriage::Frequency) | csv::carriageBit(CsvCarriage::Offset),
     &RowImport::readFrequencies},
    {csv::carriageBit(CsvCarriage::Tone), &RowImport::readTones},
    {csv::carriageBit(CsvCarriage::Power), &RowImport::readPower},
    {csv::carriageBit(CsvCarriage::OwnColumn), &RowImport::readOwnColumns},
    {csv::carriageBit(CsvCarriage::Name), &RowImport::readName},
};
static_assert(csv::handleEveryCarriageOnce(kReaders), "every channel column has a reader");

// ---- applying a row through the grid's rules --------------------------------

// The cells as tab-separated text for a paste: no cell holds a tab or a
// line break (the name has been filtered, the rest are list texts and numbers).
std::string pastedLine(const std::array<std::string, kColumnCount>& cells) {
    std::string line;
    for (int c = columnIndex(kFirstDataColumn); c < kColumnCount; ++c) {
        if (c > columnIndex(kFirstDataColumn)) line += '\t';
        line += cells.at(static_cast<std::size_t>(c));
    }
    return line;
}

// A frequency the grid moved onto its channel steps.
void noteSnapped(RowImport& row, const ChannelTable& table, int channel, Column column,
                 const Phrase& what) {
    const std::string& cell = table.cell(column, channel);
    const std::string& asked = row.cells.at(static_cast<std::size_t>(columnIndex(column)));
    const auto units = frequencyUnits(cell);
    if (cell.empty() || !units || fixedDecimal(std::uint64_t{*units} * 10, 6) == asked) return;
    row.changed(
        phrase("%1 %2", what, echoed(asked)),
        phrase(QT_TRANSLATE_NOOP("duoband", "snapped to %1 (the 2.5 and 6.25 kHz channel steps)"),
               echoed(cell)));
}

// A frequency the grid refused: said in the file's terms when it lies
// outside the bands (the grid's own message names its entry).
bool skipRefusedFrequency(RowImport& row, const RefusedCell& refused) {
    const bool receive = refused.column == Column::RxFrequency;
    if (english(refused.why) != (receive ? kReceiveRangeMessage : kTransmitRangeMessage)) {
        return row.skip(phrase(QT_TRANSLATE_NOOP("duoband", "%1 \"%2\""),
                               Phrase(columnTitle(refused.column)), echoed(refused.text)),
                        refused.why);
    }
    return row.skip(
        {}, phrase(receive ? QT_TRANSLATE_NOOP("duoband",
                                               "%1 MHz is outside the radio's bands (136–176, "
                                               "220–250, 400–490 MHz)")
                           : QT_TRANSLATE_NOOP("duoband",
                                               "the transmit frequency %1 MHz is outside the "
                                               "radio's bands (136–176, 220–250, "
                                               "400–490 MHz)"),
                   echoed(refused.text)));
}

// Applies the row to `target` of `scratch`; false when the row is skipped.
bool applyRow(RowImport& row, EditorModel& scratch, const Target& target) {
    ChannelTable& table = scratch.channels(target.band);
    clearChannels(table, {target.channel});
    const PasteReport report =
        pasteCells(scratch, target.band, {kFirstDataColumn, target.channel}, pastedLine(row.cells));
    for (const RefusedCell& refused : report.refused) {
        const Phrase what = phrase(QT_TRANSLATE_NOOP("duoband", "%1 \"%2\""),
                                   Phrase(columnTitle(refused.column)), echoed(refused.text));
        if (refused.column == Column::RxFrequency || refused.column == Column::TxFrequency)
            return skipRefusedFrequency(row, refused);
        const std::string& kept = table.cell(refused.column, target.channel);
        row.changed(what, kept.empty()
                              ? phrase(QT_TRANSLATE_NOOP("duoband", "%1; left empty"), refused.why)
                              : phrase(QT_TRANSLATE_NOOP("duoband", "%1; kept \"%2\""), refused.why,
                                       echoed(kept)));
    }
    noteSnapped(row, table, target.channel, Column::RxFrequency,
                verbatim(csv::kHeader[csv::kFrequency]));
    // A simplex channel's transmit frequency is snapped with it: said once.
    const auto cellOf = [&](Column c) {
        return row.cells.at(static_cast<std::size_t>(columnIndex(c)));
    };
    if (cellOf(Column::TxFrequency) != cellOf(Column::RxFrequency))
        noteSnapped(row, table, target.channel, Column::TxFrequency,
                    QT_TRANSLATE_NOOP("duoband", "transmit frequency"));
    return true;
}

// The file's columns whose values the channels did not keep, named once.
// A column holding only what duoband's own export writes there is not named,
// so a file duoband wrote imports silently.
class UnkeptColumns {
  public:
    UnkeptColumns(const std::vector<std::string>& header, const Columns& columns)
        : header_(header), columns_(columns), unkept_(header.size(), false) {}

    // Looks at a row that went in, received on `rxHertz`.
    void look(const RowImport& row, std::uint64_t rxHertz) {
        const std::vector<std::string>& fields = row.record().fields;
        for (std::size_t i = 0; i < fields.size() && i < header_.size(); ++i) {
            if (!unkept_[i] && !text::trimmed(fields[i]).empty())
                unkept_[i] = !kept(i, fields[i], rxHertz);
        }
    }

    // "not kept: TStep, Comment", or nothing.
    std::optional<Phrase> remark() const {
        std::vector<Phrase> names;
        std::set<std::string_view> named;  // a name given to several columns is said once
        for (std::size_t i = 0; i < header_.size(); ++i) {
            if (!unkept_[i]) continue;
            if (header_[i].empty()) {
                names.push_back(phrase(QT_TRANSLATE_NOOP("duoband", "column %1"), verbatim(i + 1)));
            } else if (named.insert(header_[i]).second) {
                names.push_back(echoed(header_[i]));
            }
        }
        if (names.empty()) return std::nullopt;
        return phrase(QT_TRANSLATE_NOOP("duoband", "not kept: %1"),
                      joined(std::move(names), "%1, %2"));
    }

  private:
    // Whether the non-empty `value` of column `i` is kept, or is what
    // duoband's export writes there.
    bool kept(std::size_t i, std::string_view value, std::uint64_t rxHertz) const {
        if (!columns_.known(i)) return false;
        if (columns_.is(i, csv::kTStep)) {
            const auto step = scaledDecimal(withDecimalPoint(value), 2);
            return step && step == scaledDecimal(csv::stepOf(rxHertz), 2);
        }
        if (columns_.is(i, csv::kPower)) return !levelBetweenHighAndLow(value);
        // The generic columns the channels have no place for, which duoband's
        // export leaves empty.
        for (std::size_t f = 0; f < csv::kGenericCount; ++f) {
            if (!csv::kGenericColumns[f].from && columns_.is(i, f)) return false;
        }
        return true;
    }

    const std::vector<std::string>& header_;
    const Columns& columns_;
    std::vector<bool> unkept_;  // by the file's column
};

bool readRow(RowImport& row) {
    return std::ranges::all_of(kReaders, [&](const Reader& r) { return (row.*r.read)(); });
}

std::string header(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "" : ",") + name;
    return text;
}

}  // namespace

ChannelCsvFile readChannelCsv(std::string_view text) {
    ChannelCsvFile file;
    CsvRecords parsed = parseCsv(text);
    if (!parsed.ok()) {
        file.error = parsed.error;
        return file;
    }
    if (parsed.records.empty()) {
        file.error = QT_TRANSLATE_NOOP(
            "duoband", "the file is empty: it needs a first line naming the columns");
        return file;
    }
    for (const std::string& name : parsed.records.front().fields)
        file.header.emplace_back(text::trimmed(name));
    const Columns columns(file.header);
    if (!columns.has(csv::kFrequency)) {
        file.error =
            phrase(QT_TRANSLATE_NOOP("duoband",
                                     "line %1: no Frequency column; the first line must "
                                     "name the columns, e.g. %2"),
                   verbatim(parsed.records.front().line),
                   verbatim(header({"Location", "Name", "Frequency", "Duplex", "Offset", "Tone"})));
        return file;
    }
    if (columns.has(csv::kBand) && columns.has(csv::kChannel)) {
        file.placement = CsvPlacement::BandAndChannel;
    } else if (columns.has(csv::kLocation)) {
        file.placement = CsvPlacement::Location;
    }
    file.rows.assign(std::make_move_iterator(parsed.records.begin() + 1),
                     std::make_move_iterator(parsed.records.end()));
    const bool locationZero = std::ranges::any_of(file.rows, [&](const CsvRecord& row) {
        return wholeNumber(columns.value(row, csv::kLocation)) == 0;
    });
    if (file.placement == CsvPlacement::Location && locationZero) file.firstLocation = 0;
    return file;
}

ChannelCsvImport importChannelCsv(const ChannelCsvFile& file, EditorModel& model,
                                  std::optional<CsvStart> start) {
    ChannelCsvImport result;
    if (!file.ok()) return result;
    const Columns columns(file.header);
    const Placement placement(file, start);
    UnkeptColumns unkept(file.header, columns);
    // Rows are tried on a copy, made when the first row gets that far.
    std::optional<EditorModel> scratch;
    std::map<std::pair<Band, int>, int> lineOf;  // the row that filled each channel
    for (std::size_t i = 0; i < file.rows.size(); ++i) {
        RowImport row(columns, file.rows[i], placement, static_cast<int>(i), result.notes);
        if (!readRow(row)) continue;
        const Target& target = row.target();
        if (!scratch) scratch = model;
        if (!applyRow(row, *scratch, target)) continue;
        unkept.look(row, row.rxHertz());
        const auto [earlier, first] =
            lineOf.try_emplace({target.band, target.channel}, file.rows[i].line);
        if (!first) {
            row.changed(
                QT_TRANSLATE_NOOP("duoband", "the channel"),
                phrase(QT_TRANSLATE_NOOP("duoband", "named again: this row replaces line %1"),
                       verbatim(earlier->second)));
            earlier->second = file.rows[i].line;
        } else {
            ++result.channelsWritten;
        }
        auto& to = model.channels(target.band).cells.at(static_cast<std::size_t>(target.channel));
        const auto& from =
            scratch->channels(target.band).cells.at(static_cast<std::size_t>(target.channel));
        std::copy(from.begin() + columnIndex(kFirstDataColumn), from.end(),
                  to.begin() + columnIndex(kFirstDataColumn));
    }
    for (const auto& remark : {placement.remark(), unkept.remark()})
        if (remark) result.remarks.push_back(*remark);
    return result;
}

Phrase describeCsvNote(const CsvNote& note) {
    const Phrase line = verbatim(note.line);
    const Phrase location = echoed(note.location);
    Phrase place;
    if (note.location.empty()) {
        place = note.channel.empty()
                    ? phrase(QT_TRANSLATE_NOOP("duoband", "line %1"), line)
                    : phrase(QT_TRANSLATE_NOOP("duoband", "line %1 (%2)"), line, note.channel);
    } else {
        place = note.channel.empty()
                    ? phrase(QT_TRANSLATE_NOOP("duoband", "line %1, Location %2"), line, location)
                    : phrase(QT_TRANSLATE_NOOP("duoband", "line %1, Location %2 (%3)"), line,
                             location, note.channel);
    }
    if (note.what.empty()) {
        return phrase(note.skipped ? QT_TRANSLATE_NOOP("duoband", "%1: skipped - %2")
                                   : QT_TRANSLATE_NOOP("duoband", "%1: changed - %2"),
                      place, note.why);
    }
    return phrase(note.skipped ? QT_TRANSLATE_NOOP("duoband", "%1: skipped - %2: %3")
                               : QT_TRANSLATE_NOOP("duoband", "%1: changed - %2: %3"),
                  place, note.what, note.why);
}

Phrase describeCsvNotes(const std::vector<CsvNote>& notes, std::size_t shown) {
    std::vector<Phrase> lines;
    for (const CsvNote& note : notes) lines.push_back(describeCsvNote(note));
    return shortList(std::move(lines), shown);
}

}  // namespace duoband
