// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every setting of the editor, listed once: its caption, how it is encoded,
// its list of choices, the model member it reads and writes, where its bytes
// lie in the radio's memory (a slice of a region and so of its block
// fields) and where it stands in the settings file. The read's decoders, the
// pages' encoders, the page layout in the window, the settings file and
// `duoband-cli show` all walk this one table; adding a setting is adding a
// row to it. The channel columns have a table of their own below.
//
// Captions are the English source texts, UTF-8.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "duoband/editor_model.h"
#include "duoband/field_codecs.h"
#include "duoband/option_lists.h"
#include "duoband/phrase.h"
#include "duoband/translatable.h"

namespace duoband {

enum class SettingId {
    // A band's "Set up" page, once per band
    WorkingMode,
    Channel,
    RxFrequency,
    RxTone,
    RxMode,
    TxTone,
    LaunchSignalling,
    EndSignalling,
    Power,
    Bandwidth,
    Compandor,
    Scrambler,
    OffsetDirection,
    Offset,
    Step,
    // "Comprehensive Setting"
    MainBand,
    Volume,
    FmFrequency,
    StandbyBacklight,
    ReceiveBacklight,
    TransmitBacklight,
    BacklightMode,
    Beep,
    VibrationRingTime,
    BusyChannelLock,
    TimeOverTimer,
    ToneBurst,
    DtmfTime,
    SquelchLevel,
    RepeaterMode,
    // "DTMF Groups"
    DtmfGroup1,
    DtmfGroup2,
    DtmfGroup3,
    DtmfGroup4,
    DtmfGroup5,
    DtmfGroup6,
    DtmfGroup7,
    DtmfGroup8,
    NativeIdCode,
    MasterIdCode,
    AlarmCode,
    IdentityDisplayCode,
    ReviveCode,
    RemoteStunCode,
    RemoteKillCode,
    MonitorCode,
    RemoteState,
    // "Limit Frequency"
    BootMessage1,
    BootMessage2,
    LimitVhfLow,
    LimitVhfHigh,
    LimitUhfLow,
    LimitUhfHigh,
    LimitMode,
    // The block fields, kept in the settings file only
    BandASettingsBlock,
    BandAExtraBlock,
    BandBSettingsBlock,
    BandBExtraBlock,
    GeneralBlock,
    DtmfGroups1And2Block,
    DtmfGroups3And4Block,
    DtmfGroups5And6Block,
    DtmfGroups7And8Block,
    BootMessageBlock,
    LimitsBlock,
    NativeAndMasterIdBlock,
    AlarmAndIdentityBlock,
    ReviveAndRemoteStunBlock,
    RemoteKillAndMonitorBlock,
};

// The tab pages of the settings, in tab order; BlockFields is not shown.
enum class SettingsPage { BandSetup, General, Dtmf, Limits, BlockFields };

// How a setting's value is held in the radio and shown in the editor.
enum class Encoding {
    // Choices
    EntryNumber,  // the selected entry's number
    EntryCode,    // the code the list's code table gives the selected entry
    Tone,         // the ToneCode of the selected tone text
    // Texts
    ReceiveFrequency,  // frequency field; refused outside the accepted ranges
    Frequency,         // frequency field, MHz with up to five decimals
    FmFrequency,       // 100 kHz units, 88 to 108 MHz
    LimitFrequency,    // frequency field, shown in the shortest MHz form
    DtmfDigits,        // counted digit string
    CountedText,       // counted text (a boot message line)
    // The block field itself, as hex digits
    HexDigits,
};

// What a read value that is not one of a list's entries does to the choice.
enum class OtherValues { Unchanged, FirstEntry };

// How a read value selects an entry. Without `codes` the value is the entry
// number and values 0..maxValue select that entry (an entry that does not
// exist leaves no selection); with `codes` the entry whose code matches.
struct ChoiceDecoding {
    int maxValue = 0;
    std::span<const std::uint16_t> (*codes)() = nullptr;
    OtherValues other = OtherValues::Unchanged;
};

// Where the value lies: `width` bytes at `offset` from the start of the
// region (of the band's region for band settings). A choice may hold only
// some bits of its bytes (`bits`, of the bytes read as one big-endian number;
// 0 means all of them), so that settings sharing a byte are a row each:
// reading takes the value from its bits, a pick rewrites only its bits.
struct RegionSlice {
    Region region = Region::General;
    int offset = 0;
    int width = 0;
    std::uint32_t bits = 0;

    // The bits that hold the value.
    constexpr std::uint32_t mask() const {
        if (bits != 0) return bits;
        return width >= 4 ? 0xFFFFFFFFu : (1u << (8 * width)) - 1;
    }
    // The value the slice's bytes (`held`, big-endian) hold.
    constexpr std::uint32_t valueIn(std::uint32_t held) const {
        return (held & mask()) >> std::countr_zero(mask());
    }
    // `held` with the value's bits replaced by `value`; nullopt when the
    // value does not fit into them.
    constexpr std::optional<std::uint32_t> withValue(std::uint32_t held,
                                                     std::uint32_t value) const {
        const int shift = std::countr_zero(mask());
        if (value > (mask() >> shift)) return std::nullopt;
        return (held & ~mask()) | (value << shift);
    }
    // The bits of the slice's byte `i` (0 = first) that the value holds. A
    // value wider than four bytes (a DTMF code, a boot message line) holds
    // every bit of its bytes.
    constexpr std::uint8_t bitsOfByte(int i) const {
        const int shift = 8 * (width - 1 - i);
        if (shift >= 32) return bits == 0 ? 0xFF : 0;
        return static_cast<std::uint8_t>(mask() >> shift);
    }
};

// The model member behind a setting, both ways; `band` is only used by
// the band settings.
template <class T>
struct MemberAccess {
    T& (*get)(EditorModel&, Band) = nullptr;
    const T& (*read)(const EditorModel&, Band) = nullptr;
};

// The settings file's line (band A's for band settings) and 1-based field.
struct FilePosition {
    int line = 0;
    int field = 0;
};

struct Setting {
    SettingId id{};
    std::string_view name;  // an identifier for widgets and tests: "rxFrequency"
    SettingsPage page{};
    std::string_view caption;
    std::string_view captionBandB = {};  // band B's caption where it differs
    Encoding encoding{};
    OptionList (*choices)() = nullptr;  // choice encodings only
    ChoiceDecoding decoding = {};       // EntryNumber and EntryCode only
    MemberAccess<Choice> choice = {};
    MemberAccess<std::string> text = {};
    RegionSlice slice = {};  // all but the block fields
    Block block = {};        // the block fields only
    FilePosition file = {};
    int initialEntry = -1;              // choices: selected at start-up and by New
    std::string_view initialText = {};  // texts and block fields: their start-up text

    bool isChoice() const { return choice.get != nullptr; }
    bool isText() const { return text.get != nullptr; }
    bool perBand() const { return page == SettingsPage::BandSetup; }
    std::string_view captionFor(Band band) const {
        return band == Band::B && !captionBandB.empty() ? captionBandB : caption;
    }
    int fileLine(Band band) const;
    // The memory the value occupies in the radio.
    std::uint16_t address(Band band) const;
    int bytes() const;
};

// Every setting in page order, the block fields last.
std::span<const Setting> allSettings();
const Setting& setting(SettingId id);

// A setting as the editor shows it: band settings exist once per band.
struct SettingRef {
    SettingId id;
    Band band = Band::A;
    bool operator==(const SettingRef&) const = default;
};

// The settings shown on a page, in page order, with the band given.
std::vector<SettingRef> settingsOnPage(SettingsPage page, Band band = Band::A);
// The page's tab title ("A/Upper Band Set up", "Comprehensive Setting"...).
std::string_view pageTitle(SettingsPage page, Band band = Band::A);
// The tab title of a band's channel table ("A/Upper Band Channel").
std::string_view channelPageTitle(Band band);
// The caption without its trailing colon and blanks, with the page it is on:
// "\"Single Signaling choice\" on \"Comprehensive Setting\"". For messages.
std::string describeSetting(SettingRef ref);
std::string describeSetting(const Setting& setting, Band band);
// A caption without its trailing colon and blanks: "Squelch level".
std::string_view withoutTrailingColon(std::string_view caption);
// A widget name: the setting's name, with "bandA."/"bandB." before band
// settings.
std::string settingObjectName(SettingRef ref);
std::optional<SettingRef> settingNamed(std::string_view objectName);

// The model's member behind a setting; nullptr when it is of the other kind.
Choice* choiceOf(EditorModel& model, SettingRef ref);
const Choice* choiceOf(const EditorModel& model, SettingRef ref);
std::string* textOf(EditorModel& model, SettingRef ref);
const std::string* textOf(const EditorModel& model, SettingRef ref);

// The block field row of a block.
const Setting& blockFieldSetting(Block block);

// ---- the channel columns --------------------------------------------------
//
// Everything a channel column is, one row per column in grid order: the
// record codec, the grid's editors and their rules, paste, the CSV export and
// import, the settings file, the grid, the channel sheet and `show` all walk
// this table. Adding a column is adding a row (and a record codec if its kind
// of value is new).

// The characters of a frequency entry: "145.50000".
inline constexpr std::size_t kChannelFrequencyLength = 9;

// How a column's value is held in the 24-byte channel record.
enum class RecordCodec {
    None,            // not in the record (the channel number)
    FrequencyBe32,   // 10 Hz units, big-endian; 0xFFFFFFFF: none
    ToneBe16,        // a ToneCode, big-endian; 0x0000 and 0xFFFF: no tone
    ReceivingMode,   // the receiving mode list's entry number
    SignallingCode,  // the signalling list's code
    FlagBit,         // one bit of the flags byte; 0xFF: none of the flags set
    CountedText,     // a counted text
};

struct RecordPlace {
    RecordCodec codec = RecordCodec::None;
    int offset = 0;  // the first byte, from the start of the record
    int width = 0;   // in bytes
    // FlagBit only: the bit within the byte, and the texts of it cleared and set.
    std::uint8_t bit = 0;
    std::string_view clear = {}, set = {};
};

// The editor a column opens over a selected cell; None for the number column.
enum class CellEditorKind { None, FrequencyEntry, NameEntry, Choice };

// How the channel CSV file carries a column.
enum class CsvCarriage {
    Place,      // Location, with Band (`csvBandName`) and Channel (`csvName`)
    Frequency,  // Frequency
    Offset,     // Duplex and Offset, from both frequencies
    Tone,       // the generic tone columns, from both tones
    Mode,       // Mode: FM or NFM
    Power,      // Power, the cell as it stands
    Name,       // Name, kept text in a spreadsheet
    OwnColumn,  // duoband's own column `csvName`, the cell as it stands
};

// Where the channel sheet prints a column: its place from the left and its
// share of the page's width in percent. Choices print in the window's
// language, the other cells as the radio's text.
struct SheetPlace {
    int position = 0;
    int percent = 0;
};

struct ChannelColumn {
    Column column;
    std::string_view name;   // an identifier for widgets and tests: "rxFrequency"
    std::string_view title;  // the grid's column title
    RecordPlace record = {};
    // The grid's editor: its kind, a choice's list, the frequency column that
    // must not be empty for it to open (the column belongs to that frequency:
    // emptying the frequency empties it) and an entry's length.
    CellEditorKind kind = CellEditorKind::None;
    OptionList (*entries)() = nullptr;
    std::optional<Column> openOnlyWhen = std::nullopt;
    std::size_t maxLength = 0;
    // What a new frequency in `openOnlyWhen` writes into it; empty: nothing.
    std::string_view newFrequencyValue = {};
    // An empty cell of a channel whose frequency is set is exported as its
    // `newFrequencyValue` (and said so).
    bool exportsEmptyAsNewValue = false;
    int fileField = 0;  // 1-based field of a channel line in the settings file
    CsvCarriage csv = CsvCarriage::OwnColumn;
    // The channel CSV column that carries it (a tone: its CTCSS column; the
    // transmission frequency: with Duplex).
    std::string_view csvName = {};
    // Place only: the CSV column of the channel's band, just before `csvName`.
    std::string_view csvBandName = {};
    SheetPlace sheet = {};
    int gridWidth = 0;  // in pixels; the number column's is the row header's
};

// The thirteen columns in grid order: adding a column is adding its Column
// and a row here. The CSV export and import read the rows at compile time.
inline constexpr ChannelColumn kChannelColumns[] = {
    {.column = Column::Number,
     .name = "number",
     .title = QT_TRANSLATE_NOOP("duoband", "Channel"),
     .fileField = 1,
     .csv = CsvCarriage::Place,
     .csvName = "Channel",
     .csvBandName = "Band",
     .sheet = {0, 5},
     .gridWidth = 55},
    {.column = Column::RxFrequency,
     .name = "rxFrequency",
     .title = QT_TRANSLATE_NOOP("duoband", "Receiving Frequency"),
     .record = {RecordCodec::FrequencyBe32, 0, 4},
     .kind = CellEditorKind::FrequencyEntry,
     .maxLength = kChannelFrequencyLength,
     .fileField = 2,
     .csv = CsvCarriage::Frequency,
     .csvName = "Frequency",
     .sheet = {2, 9},
     .gridWidth = 75},
    {.column = Column::RxTone,
     .name = "rxTone",
     .title = QT_TRANSLATE_NOOP("duoband", "Receiving CTCSS"),
     .record = {RecordCodec::ToneBe16, 4, 2},
     .kind = CellEditorKind::Choice,
     .entries = &lists::channelTones,
     .openOnlyWhen = Column::RxFrequency,
     .newFrequencyValue = "0FF",
     .fileField = 3,
     .csv = CsvCarriage::Tone,
     .csvName = "cToneFreq",
     .sheet = {3, 7},
     .gridWidth = 80},
    {.column = Column::RxMode,
     .name = "rxMode",
     .title = QT_TRANSLATE_NOOP("duoband", "Receiving Mode"),
     .record = {RecordCodec::ReceivingMode, 6, 1},
     .kind = CellEditorKind::Choice,
     .entries = &lists::channelReceivingMode,
     .openOnlyWhen = Column::RxFrequency,
     .newFrequencyValue = "OFF",
     .fileField = 4,
     .csv = CsvCarriage::OwnColumn,
     .csvName = "Receiving Mode",
     .sheet = {8, 9},
     .gridWidth = 130},
    {.column = Column::TxFrequency,
     .name = "txFrequency",
     .title = QT_TRANSLATE_NOOP("duoband", "Transmission Frequency"),
     .record = {RecordCodec::FrequencyBe32, 7, 4},
     .kind = CellEditorKind::FrequencyEntry,
     .maxLength = kChannelFrequencyLength,
     .fileField = 5,
     .csv = CsvCarriage::Offset,
     .csvName = "Offset",
     .sheet = {4, 9},
     .gridWidth = 95},
    {.column = Column::TxTone,
     .name = "txTone",
     .title = QT_TRANSLATE_NOOP("duoband", "Transmission CTCSS"),
     .record = {RecordCodec::ToneBe16, 11, 2},
     .kind = CellEditorKind::Choice,
     .entries = &lists::channelTones,
     .openOnlyWhen = Column::TxFrequency,
     .newFrequencyValue = "0FF",
     .fileField = 6,
     .csv = CsvCarriage::Tone,
     .csvName = "rToneFreq",
     .sheet = {5, 7},
     .gridWidth = 90},
    {.column = Column::LaunchSignalling,
     .name = "launchSignalling",
     .title = QT_TRANSLATE_NOOP("duoband", "Launch Signaling"),
     .record = {RecordCodec::SignallingCode, 13, 1},
     .kind = CellEditorKind::Choice,
     .entries = &lists::signalling,
     .openOnlyWhen = Column::TxFrequency,
     .newFrequencyValue = "OFF",
     .exportsEmptyAsNewValue = true,
     .fileField = 7,
     .csv = CsvCarriage::OwnColumn,
     .csvName = "Launch Signaling",
     .sheet = {9, 10},
     .gridWidth = 130},
    {.column = Column::EndSignalling,
     .name = "endSignalling",
     .title = QT_TRANSLATE_NOOP("duoband", "Transmit end Signaling"),
     .record = {RecordCodec::SignallingCode, 14, 1},
     .kind = CellEditorKind::Choice,
     .entries = &lists::signalling,
     .openOnlyWhen = Column::TxFrequency,
     .newFrequencyValue = "OFF",
     .exportsEmptyAsNewValue = true,
     .fileField = 8,
     .csv = CsvCarriage::OwnColumn,
     .csvName = "Transmit end Signaling",
     .sheet = {10, 10},
     .gridWidth = 130},
    {.column = Column::Power,
     .name = "power",
     .title = QT_TRANSLATE_NOOP("duoband", "Power"),
     .record = {RecordCodec::FlagBit, 15, 1, 0x80, "Low", "High"},
     .kind = CellEditorKind::Choice,
     .entries = &lists::channelPower,
     .openOnlyWhen = Column::RxFrequency,
     .newFrequencyValue = "High",
     .exportsEmptyAsNewValue = true,
     .fileField = 9,
     .csv = CsvCarriage::Power,
     .csvName = "Power",
     .sheet = {6, 5},
     .gridWidth = 60},
    {.column = Column::Bandwidth,
     .name = "bandwidth",
     .title = QT_TRANSLATE_NOOP("duoband", "Wide / Narrow"),
     .record = {RecordCodec::FlagBit, 15, 1, 0x40, "Narrow", "Wide"},
     .kind = CellEditorKind::Choice,
     .entries = &lists::channelBandwidth,
     .openOnlyWhen = Column::RxFrequency,
     .newFrequencyValue = "Wide",
     .exportsEmptyAsNewValue = true,
     .fileField = 10,
     .csv = CsvCarriage::Mode,
     .csvName = "Mode",
     .sheet = {7, 6},
     .gridWidth = 75},
    {.column = Column::Compandor,
     .name = "compandor",
     .title = QT_TRANSLATE_NOOP("duoband", "Compandor"),
     .record = {RecordCodec::FlagBit, 15, 1, 0x20, "OFF", "ON"},
     .kind = CellEditorKind::Choice,
     .entries = &lists::offOn,
     .openOnlyWhen = Column::RxFrequency,
     .newFrequencyValue = "OFF",
     .exportsEmptyAsNewValue = true,
     .fileField = 11,
     .csv = CsvCarriage::OwnColumn,
     .csvName = "Compandor",
     .sheet = {11, 8},
     .gridWidth = 75},
    {.column = Column::Scrambler,
     .name = "scrambler",
     .title = QT_TRANSLATE_NOOP("duoband", "Scrambler"),
     .record = {RecordCodec::FlagBit, 15, 1, 0x10, "OFF", "ON"},
     .kind = CellEditorKind::Choice,
     .entries = &lists::offOn,
     .openOnlyWhen = Column::RxFrequency,
     .newFrequencyValue = "OFF",
     .exportsEmptyAsNewValue = true,
     .fileField = 12,
     .csv = CsvCarriage::OwnColumn,
     .csvName = "Scrambler",
     .sheet = {12, 7},
     .gridWidth = 75},
    {.column = Column::Name,
     .name = "name",
     .title = QT_TRANSLATE_NOOP("duoband", "Channel Name"),
     .record = {RecordCodec::CountedText, 16, 8},
     .kind = CellEditorKind::NameEntry,
     .openOnlyWhen = Column::RxFrequency,
     .maxLength = kCountedTextMax,
     .fileField = 13,
     .csv = CsvCarriage::Name,
     .csvName = "Name",
     .sheet = {1, 8},
     .gridWidth = 80},
};

std::span<const ChannelColumn> channelColumns();
const ChannelColumn& channelColumn(Column column);
std::string_view columnTitle(Column column);

// How reports name a channel: "Band A channel 12".
Phrase channelPlace(Band band, int channel);

}  // namespace duoband
