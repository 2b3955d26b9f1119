// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/roster.h"

#include <algorithm>
#include <optional>
#include <set>

#include "duoband/channel_csv.h"
#include "duoband/field_codecs.h"
#include "duoband/settings_editing.h"
#include "duoband/utf8.h"

namespace duoband {

namespace {

// Each boot line is a counted text of 8 bytes in the boot and limits step.
constexpr int kBootLineBytes = 8;

std::optional<std::size_t> columnOf(const std::vector<std::string>& header, std::string_view name) {
    const auto at = std::ranges::find(header, name);
    if (at == header.end()) return std::nullopt;
    return static_cast<std::size_t>(at - header.begin());
}

std::string fieldOf(const CsvRecord& row, std::optional<std::size_t> column) {
    if (!column || *column >= row.fields.size()) return {};
    std::string value = row.fields[*column];
    // A spreadsheet pads cells; the padding is not part of the value.
    const auto first = value.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return value.substr(first, value.find_last_not_of(' ') - first + 1);
}

Phrase numberProblem(UnitField field, const std::string& value) {
    if (value.empty() || holdsUnitNumber(field, value)) return {};
    const UnitFieldLayout& layout = unitFieldLayout(field);
    return phrase(QT_TRANSLATE_NOOP("duoband", "%1 \"%2\" is not up to %3 decimal digits"),
                  verbatim(layout.name), echoed(value),
                  verbatim(static_cast<long long>(layout.digits)));
}

}  // namespace

Phrase bootLineProblem(std::string_view line) {
    const std::u32string characters = utf8::codePoints(line);
    if (filterPastedText({SettingId::BootMessage1}, characters) == line) return {};
    return phrase(QT_TRANSLATE_NOOP("duoband",
                                    "\"%1\" is not a boot message line: up to %2 characters of "
                                    "letters, digits, spaces and signs, without , \" and '"),
                  echoed(line), verbatim(kCountedTextMax));
}

Roster readRoster(std::string_view text, const std::vector<std::string>& idsInFleet) {
    Roster roster;
    const CsvRecords csv = parseCsv(text);
    if (!csv.ok()) return roster.error = csv.error, roster;
    if (csv.records.empty())
        return roster.error = QT_TRANSLATE_NOOP("duoband", "the roster is empty"), roster;
    const std::vector<std::string>& header = csv.records.front().fields;
    for (const std::string& name : header)
        if (std::ranges::find(kRosterColumns, name) == kRosterColumns.end())
            return roster.error =
                       phrase(QT_TRANSLATE_NOOP("duoband",
                                                "the roster's header names a column \"%1\"; it may "
                                                "name native-id, identity-code, boot-line-1, "
                                                "boot-line-2, label and notes"),
                              echoed(name)),
                   roster;
    std::array<std::optional<std::size_t>, kRosterColumns.size()> at;
    for (std::size_t c = 0; c < kRosterColumns.size(); ++c)
        at[c] = columnOf(header, kRosterColumns[c]);
    std::set<std::string, std::less<>> ids(idsInFleet.begin(), idsInFleet.end());
    for (std::size_t r = 1; r < csv.records.size(); ++r) {
        const CsvRecord& row = csv.records[r];
        RadioValues v;
        v.numbers[UnitField::NativeId] = fieldOf(row, at[0]);
        v.numbers[UnitField::IdentityCode] = fieldOf(row, at[1]);
        v.bootLines = {fieldOf(row, at[2]), fieldOf(row, at[3])};
        v.label = fieldOf(row, at[4]);
        v.notes = fieldOf(row, at[5]);
        std::vector<Phrase> why;
        for (UnitField f : kUnitFields)
            if (Phrase p = numberProblem(f, v.numbers[f]); !p.empty()) why.push_back(p);
        for (const std::string& line : v.bootLines)
            if (Phrase p = bootLineProblem(line); !p.empty()) why.push_back(p);
        const std::string& id = v.numbers[UnitField::NativeId];
        if (!id.empty() && !ids.insert(id).second)
            why.push_back(phrase(
                QT_TRANSLATE_NOOP("duoband", "native ID %1 is in the fleet or the roster already"),
                verbatim(id)));
        if (why.empty()) {
            roster.radios.push_back(std::move(v));
        } else {
            roster.refusals.push_back(phrase(QT_TRANSLATE_NOOP("duoband", "line %1: %2"),
                                             verbatim(row.line), joined(why, "%1; %2")));
        }
    }
    return roster;
}

RadioImage withRadioValues(RadioImage image, const RadioValues& values) {
    image = withUnitNumbers(std::move(image), values.numbers);
    StepBytes& step = image.step(kStepBootLimits);
    for (int i = 0; i < 2; ++i) {
        const std::string& line = values.bootLines[static_cast<std::size_t>(i)];
        if (line.empty()) continue;
        const auto bytes = fromHex(countedText(line).value_or(HexText{}));
        if (!bytes) continue;
        std::ranges::copy(*bytes, step.bytes.begin() + i * kBootLineBytes);
        step.known = std::max(step.known, (i + 1) * kBootLineBytes);
    }
    return image;
}

std::string bootLineIn(const RadioImage& image, int index) {
    const Bytes& bytes = image.step(kStepBootLimits).bytes;
    return countedTextText(
        std::span(bytes).subspan(static_cast<std::size_t>(index * kBootLineBytes), kBootLineBytes));
}

}  // namespace duoband
