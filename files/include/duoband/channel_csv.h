// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The channel tables as CSV, in the generic layout that spreadsheets and
// the common open-source radio programmers read and write:
//
//   Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,
//   DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,
//   RPT1CALL,RPT2CALL,DVCODE
//
// followed by duoband's own columns: Band, Channel and each channel column
// the file carries as it stands, named as the channel column table's
// csvName says (settings_table.h), in grid order.
//
// One line per channel with a Receiving Frequency: band A channels 1..128
// as Location 1..128, band B as 129..256. The text is UTF-8 (the radio's
// Latin-1 name bytes converted), quoted as RFC 4180 says, lines ending CRLF.
//
// An import puts every row through the channel grid's own typing and
// picking rules, so it can put nothing into a table that the grid could
// not. Rows it cannot represent are skipped, values it had to change are
// kept changed, and both are listed as notes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "duoband/editor_model.h"
#include "duoband/phrase.h"

namespace duoband {

// ---- RFC 4180 records -----------------------------------------------------

struct CsvRecord {
    int line = 0;  // the file line it starts on, 1 first
    std::vector<std::string> fields;
};

struct CsvRecords {
    std::vector<CsvRecord> records;  // blank lines left out
    Phrase error;                    // not UTF-8, or a quote left open: says where
    char separator = ',';            // the one the records were split at
    bool ok() const { return error.empty(); }
};

// What bytes a CSV text may hold: UTF-8 only (a file to import, whose text
// goes into the radio), or any (a file whose fields are kept as they are,
// such as a log that a spreadsheet saved as Windows-1252).
enum class CsvBytes { Utf8, Any };

// Splits text into records: a leading byte-order mark is skipped, lines end
// in CRLF, LF or CR, quoted fields may hold separators, quotes ("") and line
// breaks. The separator is the one of ',', ';' and tab that the first line
// holds most of.
CsvRecords parseCsv(std::string_view text, CsvBytes bytes = CsvBytes::Utf8);

// One record: fields quoted where they need it, then the line end.
std::string csvLine(const std::vector<std::string>& fields, char separator = ',',
                    std::string_view lineEnd = "\r\n");

// ---- export ----------------------------------------------------------------

struct ChannelCsvExport {
    std::string text;
    int channels = 0;  // lines below the header
    // Channels left out, or exported without a value the layout cannot
    // carry ("Band A channel 5: ...").
    std::vector<std::string> warnings;
};

ChannelCsvExport exportChannelCsv(const EditorModel& model);

// ---- import ----------------------------------------------------------------

// Where the rows of a file go.
enum class CsvPlacement {
    BandAndChannel,  // duoband's Band and Channel columns: back where they came from
    Location,        // Location 1..128 band A, 129..256 band B
    FileOrder,       // one after the other from a channel the user chooses
};

// The channel the first row goes to when the rows are placed in file order.
struct CsvStart {
    Band band = Band::A;
    int channel = 1;
};

// A CSV file read and checked, before anything is applied.
struct ChannelCsvFile {
    Phrase error;  // not CSV, or no Frequency column: nothing can be imported
    CsvPlacement placement = CsvPlacement::FileOrder;
    // The Location of band A channel 1: 0 when the smallest Location is 0,
    // as in many handhelds' exports (128 is then band B channel 1).
    int firstLocation = 1;
    std::vector<std::string> header;  // the names, trimmed
    std::vector<CsvRecord> rows;      // the records below the header
    bool ok() const { return error.empty(); }
};

ChannelCsvFile readChannelCsv(std::string_view text);

// A row skipped, or a value that had to change. The texts are phrases, so
// the window shows them in its own language: `what` names the file's column
// (or the grid's) and its value, `why` says what is wrong with it.
struct CsvNote {
    int line = 0;          // the file line the row starts on
    std::string location;  // the row's Location, as the file gives it (may be empty)
    Phrase channel;        // where it was meant to go: "Band A channel 12"; empty when unknown
    Phrase what;           // the column and value: "Frequency \"300.000000\""; may be empty
    Phrase why;
    bool skipped = false;  // the whole row was left out; otherwise it went in changed
};

struct ChannelCsvImport {
    int channelsWritten = 0;
    std::vector<CsvNote> notes;  // in file order
    // Said once for the whole file, and no fault of a row: Locations counted
    // from 0, the columns whose values were not kept ("not kept: TStep,
    // Comment").
    std::vector<Phrase> remarks;
    bool clean() const { return notes.empty(); }
};

// Applies the rows to `model`: placed by the file's Band and Channel or
// Location columns, or, when `start` is given (or the file names no
// places), in file order from `start` (band A channel 1 by default). A
// channel the file names is replaced whole; the others keep their contents.
// A name the export marked as text ("'=A1") loses the mark; a decimal comma
// is read as a point in the frequencies, the offset, the tones and watts.
// Columns the channels do not keep (TStep, Skip, Comment, the D-STAR
// columns, columns of other names, power levels between High and Low, which
// take the default) are named in the remarks when a row that went in holds
// more than duoband's own export would write there.
ChannelCsvImport importChannelCsv(const ChannelCsvFile& file, EditorModel& model,
                                  std::optional<CsvStart> start = std::nullopt);

// "line 7, Location 12 (Band A channel 12): skipped - Frequency "300.000000":
// why" (without "what: " when the why says it all).
Phrase describeCsvNote(const CsvNote& note);
// One line per note, the first `shown` of them and a count of the rest.
Phrase describeCsvNotes(const std::vector<CsvNote>& notes, std::size_t shown = 20);

}  // namespace duoband
