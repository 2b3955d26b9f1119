// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/channel_csv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

#include "duoband/channel_editing.h"
#include "duoband/channel_record.h"
#include "duoband/option_lists.h"

namespace duoband {
namespace {

int entryOf(OptionList entries, std::string_view text) {
    const auto found = std::ranges::find(entries, text);
    return found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
}

// Picks `text` in the choice editor of `column`, as the grid would.
void pick(EditorModel& m, Band band, int row, Column column, std::string_view text) {
    const int entry = entryOf(channelColumnEditor(column)->entries(), text);
    ASSERT_TRUE(commitChannelChoice(m, band, {column, row}, entry)) << text;
}

// Types the frequencies and picks the tones of a channel.
void type(EditorModel& m, Band band, int row, std::string_view rx, std::string_view tx,
          std::string_view rxTone = {}, std::string_view txTone = {}) {
    commitChannelFrequency(m, band, {Column::RxFrequency, row}, ChannelEntry::ReceiveFrequency, rx);
    commitChannelFrequency(m, band, {Column::TxFrequency, row}, ChannelEntry::TransmitFrequency,
                           tx);
    if (!rxTone.empty()) pick(m, band, row, Column::RxTone, rxTone);
    if (!txTone.empty()) pick(m, band, row, Column::TxTone, txTone);
}

std::string lines(std::initializer_list<std::string_view> list) {
    std::string text;
    for (std::string_view line : list) text += std::string(line) + "\r\n";
    return text;
}

HexText recordOf(const ChannelTable& table, int row) {
    ChannelRow cells;
    std::copy(table.cells.at(row).begin() + 1, table.cells.at(row).end(), cells.texts.begin());
    return encodeChannelRecord(cells).hex;
}

constexpr std::string_view kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE,Band,"
    "Channel,Receiving Mode,Launch Signaling,Transmit end Signaling,Compandor,Scrambler";

TEST(ChannelCsvExport, EveryToneModeAndDuplexCaseAsWrittenByHand) {
    EditorModel m;
    using enum Band;
    type(m, A, 1, "146.52", "146.52");
    m.channels(A).cell(Column::Name, 1) = "Simplex";
    type(m, A, 2, "145.5", "144.9", {}, "88.5HZ");
    m.channels(A).cell(Column::Name, 2) = "Rep,1";  // as a read gives it
    type(m, A, 3, "146", "146.6", "100.0HZ", "100.0HZ");
    m.channels(A).cell(Column::Name, 3) = "Say \"X\"";
    type(m, A, 4, "446.00625", "", "D023N");
    type(m, A, 5, "145.5", "435", "D754I", "D754I");
    type(m, A, 6, "146.52", "146.52", "250.3HZ", "67.0HZ");
    m.channels(A).cell(Column::Name, 6) = "=A1";  // a formula to a spreadsheet
    type(m, A, 7, "146.52", "146.52", "D023I", "67.0HZ");
    type(m, A, 8, "146.52", "146.52", "77.0HZ", "D025N");
    type(m, A, 9, "146.52", "146.52", "67.0HZ");
    type(m, A, 10, "146.5225", "146.5225", {}, "D023I");
    type(m, A, 11, "146.52", "146.52", "D025N", "D023N");
    type(m, B, 1, "438.5", "438.5");
    for (const auto& [column, text] : {std::pair{Column::Bandwidth, "Narrow"},
                                       {Column::Power, "Low"},
                                       {Column::Compandor, "ON"},
                                       {Column::Scrambler, "ON"},
                                       {Column::LaunchSignalling, "DTMF1"},
                                       {Column::EndSignalling, "Identity Code"},
                                       {Column::RxMode, "QT/DQT+Signaling"}}) {
        pick(m, B, 1, column, text);
    }
    m.channels(B).cell(Column::Name, 1) = "Caf\xE9";
    type(m, B, 2, "", "145.5");                                // no receiving frequency
    type(m, B, 3, "145.5", "");                                //
    m.channels(B).cell(Column::RxTone, 3) = "160.0HZ";         // a tone a read can give
    m.channels(B).cell(Column::RxFrequency, 4) = "150.00000";  // flags byte 0xFF

    const ChannelCsvExport out = exportChannelCsv(m);
    constexpr std::string_view kUnusedTones = "88.5,88.5,023,NN,023,Tone->Tone";
    const std::string plain = std::string(",FM,5.00,,High,,,,,,A,");
    EXPECT_EQ(
        out.text,
        lines({kHeader,
               "1,Simplex,146.520000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,"
               ",,,,,A,1,OFF,OFF,OFF,OFF,OFF",
               "2,\"Rep,1\",145.500000,-,0.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,"
               "5.00,,High,,,,,,A,2,OFF,OFF,OFF,OFF,OFF",
               "3,\"Say \"\"X\"\"\",146.000000,+,0.600000,TSQL,100.0,100.0,023,NN,023,Tone->"
               "Tone,FM,5.00,,High,,,,,,A,3,OFF,OFF,OFF,OFF,OFF",
               "4,,446.006250,off,0.000000,Cross,88.5,88.5,023,NN,023,->DTCS,FM,6.25,,High,"
               ",,,,,A,4,OFF,,,OFF,OFF",
               "5,,145.500000,split,435.000000,DTCS,88.5,88.5,754,RR,754,Tone->Tone,FM,5.00,,"
               "High,,,,,,A,5,OFF,OFF,OFF,OFF,OFF",
               "6,'=A1,146.520000,,0.000000,Cross,67.0,250.3,023,NN,023,Tone->Tone" + plain +
                   "6,OFF,OFF,OFF,OFF,OFF",
               "7,,146.520000,,0.000000,Cross,67.0,88.5,023,NR,023,Tone->DTCS" + plain +
                   "7,OFF,OFF,OFF,OFF,OFF",
               "8,,146.520000,,0.000000,Cross,88.5,77.0,025,NN,023,DTCS->Tone" + plain +
                   "8,OFF,OFF,OFF,OFF,OFF",
               "9,,146.520000,,0.000000,Cross,88.5,67.0,023,NN,023,->Tone" + plain +
                   "9,OFF,OFF,OFF,OFF,OFF",
               "10,,146.522500,,0.000000,Cross,88.5,88.5,023,RN,023,DTCS->,FM,2.50,,High,,,,,,A,"
               "10,OFF,OFF,OFF,OFF,OFF",
               "11,,146.520000,,0.000000,Cross,88.5,88.5,023,NN,025,DTCS->DTCS" + plain +
                   "11,OFF,OFF,OFF,OFF,OFF",
               "129,Caf\xC3\xA9,438.500000,,0.000000,," + std::string(kUnusedTones) +
                   ",NFM,5.00,,Low,,,,,,B,1,QT/DQT+Signaling,DTMF1,Identity Code,ON,ON",
               "131,,145.500000,off,0.000000,," + std::string(kUnusedTones) +
                   ",FM,5.00,,High,,,,,,B,3,OFF,,,OFF,OFF",
               "132,,150.000000,off,0.000000,," + std::string(kUnusedTones) +
                   ",FM,5.00,,High,,,,,,B,4,,,,OFF,OFF"}));
    EXPECT_EQ(out.channels, 14);
    EXPECT_EQ(out.warnings,
              (std::vector<std::string>{
                  "Band B channel 2 left out: it has no Receiving Frequency",
                  "Band B channel 3: Receiving CTCSS \"160.0HZ\" left out: not in the tone list",
                  "Band B channel 4: Power empty: exported as \"High\"",
                  "Band B channel 4: Wide / Narrow empty: exported as \"Wide\"",
                  "Band B channel 4: Compandor empty: exported as \"OFF\"",
                  "Band B channel 4: Scrambler empty: exported as \"OFF\""}));
}

TEST(ChannelCsvImport, AGenericFileInTheOlderLayoutLandsThroughTheGridsRules) {
    const std::string file = lines({
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "Mode,TStep,Skip,Power,Comment",
        "1,Tone,146.520000,,0.600000,Tone,88.5,88.5,023,NN,FM,5.00,,5W,",
        "2,Tsql,145.500000,-,0.600000,TSQL,88.5,100.0,023,NN,NFM,5.00,,0.5W,",
        "3,Dtcs,446.006250,+,5.000000,DTCS,88.5,88.5,754,RN,FM,5.00,,5.0W,",
        "4,Cross,146.000000,split,435.000000,Cross,67.0,250.3,023,NN,FM,5.00,,High,",
        "5,Off,147.000000,off,0.000000,,88.5,88.5,023,NN,FM,5.00,,low,",
        "6,TooHigh,520.000000,,0.000000,,88.5,88.5,023,NN,FM,5.00,,High,",
        "7,BadTone,146.000000,,0.000000,Tone,100.1,88.5,023,NN,FM,5.00,,High,",
        "8,AM,146.000000,,0.000000,,88.5,88.5,023,NN,AM,5.00,,High,",
        "9,LongName12,146.020000,,0.000000,,88.5,88.5,023,NN,FM,5.00,,High,",
        "130,\"B, too\",438.500000,,0.000000,Cross,88.5,88.5,023,NR,NFM,5.00,,3W,",
    });
    EditorModel m;
    type(m, Band::A, 1, "150", "150");
    pick(m, Band::A, 1, Column::Compandor, "ON");
    type(m, Band::A, 6, "160", "160");
    const ChannelTable untouched = m.channels(Band::A);

    const ChannelCsvFile csv = readChannelCsv(file);
    ASSERT_TRUE(csv.ok()) << csv.error;
    EXPECT_EQ(csv.placement, CsvPlacement::Location);
    const ChannelCsvImport result = importChannelCsv(csv, m);

    struct Expected {
        Band band;
        int row;
        std::array<std::string_view, 12> cells;  // RxFrequency .. Name
    };
    const Expected expected[] = {
        {Band::A,
         1,
         {"146.52000", "0FF", "OFF", "146.52000", "88.5HZ", "OFF", "OFF", "High", "Wide", "OFF",
          "OFF", "Tone"}},
        {Band::A,
         2,
         {"145.50000", "100.0HZ", "OFF", "144.90000", "100.0HZ", "OFF", "OFF", "Low", "Narrow",
          "OFF", "OFF", "Tsql"}},
        {Band::A,
         3,
         {"446.00625", "D754N", "OFF", "451.00625", "D754I", "OFF", "OFF", "High", "Wide", "OFF",
          "OFF", "Dtcs"}},
        {Band::A,
         4,
         {"146.00000", "250.3HZ", "OFF", "435.00000", "67.0HZ", "OFF", "OFF", "High", "Wide", "OFF",
          "OFF", "Cross"}},
        {Band::A,
         5,
         {"147.00000", "0FF", "OFF", "", "", "", "", "Low", "Wide", "OFF", "OFF", "Off"}},
        {Band::A,
         9,
         {"146.02000", "0FF", "OFF", "146.02000", "0FF", "OFF", "OFF", "High", "Wide", "OFF", "OFF",
          "LongNam"}},
        {Band::B,
         2,
         {"438.50000", "88.5HZ", "OFF", "438.50000", "88.5HZ", "OFF", "OFF", "Low", "Narrow", "OFF",
          "OFF", "B too"}},
    };
    for (const Expected& e : expected) {
        for (int c = 1; c < kColumnCount; ++c) {
            EXPECT_EQ(m.channels(e.band).cell(columnAt(c), e.row), e.cells.at(c - 1))
                << "band " << bandIndex(e.band) << " channel " << e.row << " column " << c;
        }
    }
    EXPECT_EQ(m.channels(Band::A).cells.at(6), untouched.cells.at(6));  // not named: kept
    EXPECT_EQ(result.channelsWritten, 7);

    ASSERT_EQ(result.notes.size(), 5u) << describeCsvNotes(result.notes);
    const std::pair<int, std::string_view> report[] = {
        {7,
         "line 7, Location 6 (Band A channel 6): skipped - 520.000000 MHz is outside the "
         "radio's bands (136\u2013176, 220\u2013250, 400\u2013490 MHz)"},
        {8,
         "line 8, Location 7 (Band A channel 7): skipped - CTCSS tone \"100.1\": the radio has "
         "no such tone"},
        {9,
         "line 9, Location 8 (Band A channel 8): skipped - Mode \"AM\": the radio has FM "
         "(Wide) and NFM (Narrow) only"},
        {10,
         "line 10, Location 9 (Band A channel 9): changed - Name \"LongName12\": cut to 7 "
         "characters: \"LongNam\""},
        {11,
         "line 11, Location 130 (Band B channel 2): changed - Name \"B, too\": characters "
         "other than printable ASCII (or , \" ') dropped: \"B too\""},
    };
    for (std::size_t i = 0; i < std::size(report); ++i) {
        EXPECT_EQ(result.notes[i].line, report[i].first);
        EXPECT_EQ(english(describeCsvNote(result.notes[i])), report[i].second);
    }
    // 446.00625 MHz is exported with 6.25.
    ASSERT_EQ(result.remarks.size(), 1u);
    EXPECT_EQ(english(result.remarks.front()), "not kept: TStep");
}

// Every choice of every column, every frequency range and duplex case, a
// name of each length: typed and picked, exported, imported into the
// start-up configuration, the same 24 bytes.
TEST(ChannelCsvRoundTrip, EveryChannelTheGridCanHoldComesBackByteForByte) {
    constexpr std::string_view kReceive[] = {"136",       "145.5201", "146.52",  "162.0375",
                                             "176",       "220",      "250",     "400",
                                             "446.00625", "490",      "433.0125"};
    constexpr std::string_view kTransmit[] = {"", "=", "145.5", "446.00625", "222.5", "175.9975"};
    constexpr std::string_view kNameCharacters =
        " !#$%&()*+-./"
        "0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~";
    const OptionList tones = lists::channelTones();
    // Each tone with itself, its neighbour, a tone of each other kind, and
    // no tone on either side: every tone mode and cross mode.
    using TonePair = std::pair<int, int>;  // receive, transmit entry
    const std::function<TonePair(int)> pairings[] = {
        [](int i) {
            return TonePair{i, i};
        },
        [](int i) {
            return TonePair{i, (i + 1) % lists::kToneCount};
        },
        [](int i) {
            return TonePair{i, (i + 40) % lists::kToneCount};
        },
        [](int i) {
            return TonePair{i, (i + 83) % lists::kToneCount};
        },
        [](int i) {
            return TonePair{i, (i + 123) % lists::kToneCount};
        },
        [](int i) {
            return TonePair{i, 0};
        },
        [](int i) {
            return TonePair{0, i};
        },
    };
    const int combinations = lists::kToneCount * static_cast<int>(std::size(pairings));
    constexpr int kPerFile = 2 * ChannelTable::kChannels;
    for (int first = 0; first < combinations; first += kPerFile) {
        EditorModel m;
        const int count = std::min(kPerFile, combinations - first);
        for (int i = 0; i < count; ++i) {
            const int k = first + i;
            const Band band = i < ChannelTable::kChannels ? Band::A : Band::B;
            const int row = i % ChannelTable::kChannels + 1;
            const std::string_view rx = kReceive[k % std::size(kReceive)];
            const std::string_view tx = kTransmit[k % std::size(kTransmit)];
            const auto [rxTone, txTone] = pairings[k / lists::kToneCount](k % lists::kToneCount);
            type(m, band, row, rx, tx == "=" ? rx : tx, tones[rxTone],
                 tx.empty() ? std::string_view() : tones[txTone]);
            const auto choose = [&](Column c, int n) {
                const OptionList entries = channelColumnEditor(c)->entries();
                commitChannelChoice(m, band, {c, row}, n % static_cast<int>(entries.size()));
            };
            if (k % 3 > 0) choose(Column::RxMode, k % 3 - 1);
            if (!tx.empty())
                choose(Column::LaunchSignalling, k), choose(Column::EndSignalling, k / 5);
            choose(Column::Power, k), choose(Column::Bandwidth, k / 2);
            choose(Column::Compandor, k / 4), choose(Column::Scrambler, k / 8);
            std::string name;
            for (int c = 0; c < k % 8; ++c)
                name += kNameCharacters[(k * 7 + c * 13) % kNameCharacters.size()];
            commitChannelName(m, band, {Column::Name, row}, name);
        }
        const ChannelCsvExport out = exportChannelCsv(m);
        ASSERT_TRUE(out.warnings.empty()) << out.warnings.front();
        EditorModel back;
        const ChannelCsvImport in = importChannelCsv(readChannelCsv(out.text), back);
        ASSERT_TRUE(in.clean()) << describeCsvNotes(in.notes);
        ASSERT_TRUE(in.remarks.empty()) << in.remarks.front();
        ASSERT_EQ(in.channelsWritten, count);
        for (Band band : kBands) {
            for (int row = 1; row <= ChannelTable::kChannels; ++row) {
                ASSERT_EQ(recordOf(back.channels(band), row), recordOf(m.channels(band), row))
                    << "channel " << row << " of the file from combination " << first;
            }
        }
    }
}

TEST(ChannelCsvRecords, QuotesLineEndsAndWhatCannotBeRead) {
    const CsvRecords r = parseCsv(
        "\xEF\xBB\xBF"
        "a,b\r\n\"x,1\",\"say \"\"hi\"\"\"\r\n,\r\n\"two\r\nlines\",z\nlast");
    ASSERT_TRUE(r.ok()) << r.error;
    ASSERT_EQ(r.records.size(), 4u);
    EXPECT_EQ(r.records[0].fields, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(r.records[1].fields, (std::vector<std::string>{"x,1", "say \"hi\""}));
    EXPECT_EQ(r.records[2].line, 4);  // the blank record on line 3 is left out
    EXPECT_EQ(r.records[2].fields, (std::vector<std::string>{"two\r\nlines", "z"}));
    EXPECT_EQ(r.records[3].line, 6);

    EXPECT_EQ(english(parseCsv("a,b\r\n1,\"open\r\n2,3\r\n").error),
              "line 2: a quoted field is never closed (a \" is missing)");
    EXPECT_EQ(english(parseCsv("a\nCaf\xE9\n").error),
              "line 2: not UTF-8 text (save the file as CSV UTF-8 and import it again)");
    EXPECT_NE(english(readChannelCsv("Location,Name\r\n1,x\r\n").error).find("no Frequency column"),
              std::string::npos);

    EXPECT_EQ(csvLine({"a", "b,c", "say \"x\"", " pad", ""}),
              "a,\"b,c\",\"say \"\"x\"\"\",\" pad\",\r\n");
}

TEST(ChannelCsvImport, RowsGoWhereTheFileOrTheUserSays) {
    const std::string rows = "146.52,A,5,200\r\n146.54,B,128,1\r\n146.56,C,1,2\r\n";
    EditorModel m;
    // Band and Channel win over Location.
    auto in = importChannelCsv(readChannelCsv("Frequency,Band,Channel,Location\r\n" + rows), m);
    EXPECT_EQ(m.channels(Band::A).cell(Column::RxFrequency, 5), "146.52000");
    EXPECT_EQ(m.channels(Band::B).cell(Column::RxFrequency, 128), "146.54000");
    ASSERT_EQ(in.notes.size(), 1u);
    EXPECT_EQ(english(describeCsvNote(in.notes[0])),
              "line 4, Location 2: skipped - Band \"C\": not A or B");

    // Without places the rows follow each other from the channel chosen.
    const ChannelCsvFile plain = readChannelCsv("Frequency\r\n146.6\r\n146.62\r\n146.64\r\n");
    EXPECT_EQ(plain.placement, CsvPlacement::FileOrder);
    in = importChannelCsv(plain, m, CsvStart{Band::B, 127});
    EXPECT_EQ(m.channels(Band::B).cell(Column::RxFrequency, 127), "146.60000");
    EXPECT_EQ(m.channels(Band::B).cell(Column::RxFrequency, 128), "146.62000");
    ASSERT_EQ(in.notes.size(), 1u);
    EXPECT_TRUE(in.notes[0].skipped);
    EXPECT_EQ(in.notes[0].line, 4);
}

// Files as spreadsheets and other programs write them: what lands in which
// channel, and what the report says.
TEST(ChannelCsvImport, FilesFromSpreadsheetsAndOtherPrograms) {
    struct Channel {
        Band band;
        int row;
        std::string_view rx, tx, txTone, power, name;
    };
    struct Case {
        std::string_view what;
        std::string file;
        std::vector<Channel> channels;
        std::vector<std::string> notes, remarks;
    };
    const std::string outside =
        " MHz is outside the radio's bands (136\u2013176, 220\u2013250, "
        "400\u2013490 MHz)";
    using enum Band;
    const Case cases[] = {
        {"formula-like names lose the apostrophe that kept them text",
         lines({"Location,Name,Frequency", "1,'=A1,146.52", "2,'+1,146.52", "3,'-X,146.52",
                "4,'@Y,146.52", "5,'AB,146.52"}),
         {{A, 1, "146.52000", "146.52000", "0FF", "High", "=A1"},
          {A, 2, "146.52000", "146.52000", "0FF", "High", "+1"},
          {A, 3, "146.52000", "146.52000", "0FF", "High", "-X"},
          {A, 4, "146.52000", "146.52000", "0FF", "High", "@Y"},
          {A, 5, "146.52000", "146.52000", "0FF", "High", "AB"}},
         {"line 6, Location 5 (Band A channel 5): changed - Name \"'AB\": characters other than "
          "printable ASCII (or , \" ') dropped: \"AB\""},
         {}},
        {"semicolons and decimal commas",
         lines({"Location;Name;Frequency;Duplex;Offset;Tone;rToneFreq;Power",
                "1;\"Eu;ro\";146,52;-;0,6;Tone;88,5;0,5W"}),
         {{A, 1, "146.52000", "145.92000", "88.5HZ", "Low", "Eu;ro"}},
         {},
         {}},
        {"tabs",
         lines({"Location\tName\tFrequency", "130\tTab,1\t446.00625"}),
         {{B, 2, "446.00625", "446.00625", "0FF", "High", "Tab1"}},
         {"line 2, Location 130 (Band B channel 2): changed - Name \"Tab,1\": characters other "
          "than printable ASCII (or , \" ') dropped: \"Tab1\""},
         {}},
        {"Locations counted from 0",
         lines({"Location,Name,Frequency", "0,Zero,146.52", "128,Bee,446.5", "256,Out,146.6"}),
         {{A, 1, "146.52000", "146.52000", "0FF", "High", "Zero"},
          {B, 1, "446.50000", "446.50000", "0FF", "High", "Bee"}},
         {"line 4, Location 256: skipped - Location \"256\": not a channel: 0 to 127 are band "
          "A, 128 to 255 band B"},
         {"the smallest Location is 0: every Location counts one higher (0 is band A channel "
          "1, 128 band B channel 1)"}},
        {"columns not kept are named once; a level between High and Low takes the default",
         lines({"Location,Frequency,TStep,Skip,Comment,Power,Notes,,DVCODE",
                "1,146.52,5.00,,,Low,,,", "2,446.00625,12.5,S,hi,Mid,x,y,",
                "3,146.6,2.5,P,again,Medium,,,"}),
         {{A, 1, "146.52000", "146.52000", "0FF", "Low", ""},
          {A, 2, "446.00625", "446.00625", "0FF", "High", ""},
          {A, 3, "146.60000", "146.60000", "0FF", "High", ""}},
         {},
         {"not kept: TStep, Skip, Comment, Power, Notes, column 8"}},
        {"what duoband writes itself is not named",
         lines({"Location,Frequency,TStep,Skip,Comment,Power", "1,446.00625,6.25,,,High",
                "2,146.5225,\"2,50\",,,Low", "3,520,12.5,S,lost with its row,Mid"}),
         {{A, 1, "446.00625", "446.00625", "0FF", "High", ""},
          {A, 2, "146.52250", "146.52250", "0FF", "Low", ""}},
         {"line 4, Location 3 (Band A channel 3): skipped - 520.000000" + outside},
         {}},
        {"out of the bands, said in MHz; a snapped simplex channel said once",
         lines({"Location,Frequency,Duplex,Offset", "1,52.525,,", "2,146.521,,", "3,175.5,+,1",
                "4,146.521,+,0.6"}),
         {{A, 2, "146.52250", "146.52250", "0FF", "High", ""},
          {A, 4, "146.52250", "147.12250", "0FF", "High", ""}},
         {"line 2, Location 1 (Band A channel 1): skipped - 52.525000" + outside,
          "line 3, Location 2 (Band A channel 2): changed - Frequency 146.521000: snapped to "
          "146.52250 (the 2.5 and 6.25 kHz channel steps)",
          "line 4, Location 3 (Band A channel 3): skipped - the transmit frequency 176.500000" +
              outside,
          "line 5, Location 4 (Band A channel 4): changed - Frequency 146.521000: snapped to "
          "146.52250 (the 2.5 and 6.25 kHz channel steps)",
          "line 5, Location 4 (Band A channel 4): changed - transmit frequency 147.121000: "
          "snapped to 147.12250 (the 2.5 and 6.25 kHz channel steps)"},
         {}},
    };
    for (const Case& c : cases) {
        EditorModel m;
        const ChannelCsvImport in = importChannelCsv(readChannelCsv(c.file), m);
        std::vector<std::string> notes;
        for (const CsvNote& note : in.notes) notes.push_back(english(describeCsvNote(note)));
        EXPECT_EQ(notes, c.notes) << c.what;
        std::vector<std::string> remarks;
        for (const Phrase& remark : in.remarks) remarks.push_back(english(remark));
        EXPECT_EQ(remarks, c.remarks) << c.what;
        EXPECT_EQ(in.channelsWritten, static_cast<int>(c.channels.size())) << c.what;
        for (const Channel& e : c.channels) {
            const ChannelTable& t = m.channels(e.band);
            const std::array<std::string_view, 5> got{
                t.cell(Column::RxFrequency, e.row), t.cell(Column::TxFrequency, e.row),
                t.cell(Column::TxTone, e.row), t.cell(Column::Power, e.row),
                t.cell(Column::Name, e.row)};
            EXPECT_EQ(got, (std::array{e.rx, e.tx, e.txTone, e.power, e.name}))
                << c.what << ": band " << bandName(e.band) << " channel " << e.row;
        }
    }
}

// A value quoted from the file cannot break a message's line or pass for the
// program's own text: its control characters are escaped, and a long one is
// cut after 60 characters.
TEST(ChannelCsvImport, QuotedValuesAreEscapedAndCutShort) {
    const std::string sixtyOnes(60, '1');
    const std::vector<std::pair<std::string, std::string>> cases{
        {"1,146.52,Tone,\"8\r\n\t\x1B\u0085\u00E9\"", "\"8\\r\\n\\t\\x1B\\u0085\u00E9\""},
        {"1,146.52,Tone," + sixtyOnes + "2", "\"" + sixtyOnes + "…\""},
        {"\"1\n\",146.52,,", "Location 1\\n: "},
    };
    for (const auto& [row, quoted] : cases) {
        EditorModel m;
        const ChannelCsvImport in = importChannelCsv(
            readChannelCsv(lines({"Location,Frequency,Tone,rToneFreq,Power", row})), m);
        ASSERT_EQ(in.notes.size(), 1u) << row;
        const std::string note = english(describeCsvNote(in.notes.front()));
        EXPECT_NE(note.find(quoted), std::string::npos) << note;
        EXPECT_EQ(note.find('\n'), std::string::npos) << note;
    }
}

// A file from another program may have a great many columns the channels
// do not keep: one remark names them all, each name once, without nesting as
// deep as their count (which ran out of stack) or taking the square of it.
TEST(ChannelCsvImport, AHundredThousandColumnsNotKeptAreNamedInOneRemark) {
    constexpr int kColumns = 100'000;
    std::string header = "Location,Frequency";
    std::string row = "1,146.52";
    std::string expected = "not kept: ";
    for (int i = 0; i < kColumns; ++i) {
        const std::string name = "x" + std::to_string(i);
        header += "," + name;
        row += ",v";
        expected += (i == 0 ? "" : ", ") + name;
    }
    header += ",x0,";  // a name given again, and a column without one
    row += ",v,v";
    expected += ", column " + std::to_string(kColumns + 4);
    EditorModel m;
    const ChannelCsvImport in = importChannelCsv(readChannelCsv(lines({header, row})), m);
    ASSERT_EQ(in.remarks.size(), 1u);
    EXPECT_EQ(english(in.remarks.front()), expected);
}

}  // namespace
}  // namespace duoband
