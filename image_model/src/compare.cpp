// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/compare.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "duoband/counted.h"
#include "duoband/memory_image.h"

namespace duoband {

namespace {

// The radio's memory at an address, as an image holds it.
struct ImageBytes {
    const RadioImage& image;

    std::uint8_t at(int address) const {
        for (int s = 0; s < kTransferSteps; ++s) {
            const TransferStep t = transferPlan()[static_cast<std::size_t>(s)];
            if (address >= t.address && address < t.address + t.length)
                return image.step(s).bytes[static_cast<std::size_t>(address - t.address)];
        }
        return 0xFF;
    }
    Bytes range(int address, int count) const {
        Bytes bytes;
        for (int i = 0; i < count; ++i) bytes.push_back(at(address + i));
        return bytes;
    }
};

ComparePlace atCell(ComparePlace::Cell cell) {
    ComparePlace place;
    place.cell = cell;
    return place;
}
ComparePlace atSetting(SettingRef ref) {
    ComparePlace place;
    place.setting = ref;
    return place;
}
ComparePlace atAddress(int address) {
    ComparePlace place;
    place.address = address;
    return place;
}

int channelBase(Band band) {
    return band == Band::A ? kBandAChannelBase : kBandBChannelBase;
}

int recordAddress(const ComparePlace::Cell& cell) {
    return channelBase(cell.band) + (cell.channel - 1) * kRecordBytes;
}

std::optional<ComparePlace::Cell> channelAt(int address) {
    for (Band band : kBands) {
        const int offset = address - channelBase(band);
        if (offset >= 0 && offset < ChannelTable::kChannels * kRecordBytes)
            return ComparePlace::Cell{band, offset / kRecordBytes + 1, Column::Number};
    }
    return std::nullopt;
}

// The tab a setting is on, counted among the settings pages.
int tabRank(const Setting& s, Band band) {
    if (s.page == SettingsPage::BandSetup) return band == Band::A ? 0 : 1;
    return static_cast<int>(s.page) + 1;
}

std::string settingValue(const EditorModel& model, const Setting& s, Band band) {
    if (s.isChoice()) return std::string(s.choice.read(model, band).text());
    return s.isText() ? s.text.read(model, band) : std::string();
}

std::string hexBytes(std::span<const std::uint8_t> bytes, int known) {
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (!text.empty()) text += ' ';
        text += static_cast<int>(i) < known ? hexNumber(bytes[i], 2) : "??";
    }
    return text;
}

// Collects the differing bytes by what holds them, then names each owner
// once with its value on both sides.
class Comparison {
  public:
    Comparison(const RadioImage& a, const RadioImage& b, LooseBytes loose,
               std::span<const Setting> settings)
        : a_{a}, b_{b}, loose_(loose), settings_(settings) {
        decodeImage(a, aModel_, settings);
        decodeImage(b, bModel_, settings);
    }

    void add(int address, std::uint8_t a, std::uint8_t b, bool fill) {
        if (fill) {
            looseByte(address, a, b, loose_ != LooseBytes::Count);
            return;
        }
        if (const auto cell = channelAt(address)) {
            channels_.emplace(std::tuple{cell->band, cell->channel}, *cell);
            return;
        }
        const auto changed = static_cast<std::uint8_t>(a ^ b);
        bool held = false;
        for (std::size_t i = 0; i < settings_.size(); ++i) {
            const Setting& s = settings_[i];
            if (s.encoding == Encoding::HexDigits) continue;
            for (Band band : kBands) {
                if (!s.perBand() && band == Band::B) continue;
                const int byte = address - s.address(band);
                if (byte < 0 || byte >= s.bytes() || (s.slice.bitsOfByte(byte) & changed) == 0)
                    continue;
                settingsFound_.emplace(std::tuple{tabRank(s, band), i}, band);
                held = true;
            }
        }
        if (!held) looseByte(address, a, b, loose_ == LooseBytes::Note);
    }

    // Bytes from `address` that one image or both do not know.
    void unknown(int address, const StepBytes& a, const StepBytes& b, int from) {
        const auto tail = [from](const StepBytes& side) {
            return std::span(side.bytes).subspan(static_cast<std::size_t>(from));
        };
        CompareEntry entry{EntryKind::Note,
                           atAddress(address + from),
                           hexBytes(tail(a), a.known - from),
                           hexBytes(tail(b), b.known - from),
                           Bytes(tail(a).begin(), tail(a).end()),
                           Bytes(tail(b).begin(), tail(b).end())};
        looseEntries_.push_back(std::move(entry));
    }

    std::vector<CompareEntry> finish() {
        std::vector<CompareEntry> entries;
        for (const auto& [key, cell] : channels_) nameChannel(cell, entries);
        for (const auto& [key, band] : settingsFound_)
            nameSetting(settings_[std::get<1>(key)], band, entries);
        std::ranges::stable_sort(looseEntries_, {},
                                 [](const CompareEntry& e) { return *e.where.address; });
        entries.insert(entries.end(), looseEntries_.begin(), looseEntries_.end());
        // std::stable_partition: the ranges one does not compile with clang 14
        // against libstdc++ 12.
        std::stable_partition(entries.begin(), entries.end(), [](const CompareEntry& e) {
            return e.kind == EntryKind::Difference;
        });
        return entries;
    }

  private:
    void looseByte(int address, std::uint8_t a, std::uint8_t b, bool note) {
        looseEntries_.push_back({note ? EntryKind::Note : EntryKind::Difference, atAddress(address),
                                 hexNumber(a, 2), hexNumber(b, 2), Bytes{a}, Bytes{b}});
    }

    // Each column whose value differs; when none does, the record itself
    // (its bytes differ where no column shows it, as a tone of 0x0000
    // against 0xFFFF): a note when either side is a configuration, which
    // holds the columns only.
    void nameChannel(ComparePlace::Cell cell, std::vector<CompareEntry>& entries) const {
        bool anyColumn = false;
        for (const ChannelColumn& c : channelColumns()) {
            if (c.column == Column::Number) continue;
            const std::string& a = aModel_.channels(cell.band).cell(c.column, cell.channel);
            const std::string& b = bModel_.channels(cell.band).cell(c.column, cell.channel);
            if (a == b) continue;
            const int address = recordAddress(cell) + c.record.offset;
            entries.push_back({EntryKind::Difference, atCell({cell.band, cell.channel, c.column}),
                               a, b, a_.range(address, c.record.width),
                               b_.range(address, c.record.width)});
            anyColumn = true;
        }
        if (anyColumn) return;
        const int address = recordAddress(cell);
        entries.push_back({loose_ == LooseBytes::Note ? EntryKind::Note : EntryKind::Difference,
                           atCell(cell), "", "", a_.range(address, kRecordBytes),
                           b_.range(address, kRecordBytes)});
    }

    // The setting's value on both sides; the same value on both sides when
    // only bits the editor does not show differ (a value outside the list):
    // bytes no page holds, so a note when either side is a configuration.
    void nameSetting(const Setting& s, Band band, std::vector<CompareEntry>& entries) const {
        const int address = s.address(band);
        CompareEntry entry{EntryKind::Difference,          atSetting({s.id, band}),
                           settingValue(aModel_, s, band), settingValue(bModel_, s, band),
                           a_.range(address, s.bytes()),   b_.range(address, s.bytes())};
        if (entry.a == entry.b && loose_ == LooseBytes::Note) entry.kind = EntryKind::Note;
        entries.push_back(std::move(entry));
    }

    ImageBytes a_, b_;
    LooseBytes loose_;
    std::span<const Setting> settings_;
    EditorModel aModel_, bModel_;
    std::map<std::tuple<Band, int>, ComparePlace::Cell> channels_;
    // By tab, then by place in the table.
    std::map<std::tuple<int, std::size_t>, Band> settingsFound_;
    std::vector<CompareEntry> looseEntries_;
};

}  // namespace

std::vector<CompareEntry> compareConfigurations(const RadioImage& a, const RadioImage& b,
                                                LooseBytes loose,
                                                std::span<const Setting> settings) {
    Comparison comparison(a, b, loose, settings);
    for (int s = 0; s < kTransferSteps; ++s) {
        const StepBytes& aStep = a.step(s);
        const StepBytes& bStep = b.step(s);
        const int known = std::min(aStep.known, bStep.known);
        const int address = transferPlan()[static_cast<std::size_t>(s)].address;
        for (int i = 0; i < known; ++i) {
            const auto at = static_cast<std::size_t>(i);
            if (aStep.bytes[at] != bStep.bytes[at])
                comparison.add(address + i, aStep.bytes[at], bStep.bytes[at], i >= heldBytes(s));
        }
        if (known < static_cast<int>(aStep.bytes.size()))
            comparison.unknown(address, aStep, bStep, known);
    }
    return comparison.finish();
}

namespace {

// Where a side's bytes of step `s` stop being known, counting the tail of a
// shorter accepted answer as known.
int unknownFrom(const StepBytes& side, int s) {
    const int length = transferPlan()[static_cast<std::size_t>(s)].length;
    const bool acceptedShort = side.known == static_cast<int>(kAnswerBytesAtEveryStep);
    return acceptedShort ? length : side.known;
}

}  // namespace

UnknownHeldBytes unknownHeldBytes(const RadioImage& a, const RadioImage& b) {
    UnknownHeldBytes unknown;
    for (int s = 0; s < kTransferSteps; ++s) {
        const int from = std::min(unknownFrom(a.step(s), s), unknownFrom(b.step(s), s));
        if (from >= heldBytes(s)) continue;
        ++unknown.steps;
        unknown.bytes += heldBytes(s) - from;
    }
    return unknown;
}

std::size_t differenceCount(std::span<const CompareEntry> entries) {
    return static_cast<std::size_t>(
        std::ranges::count(entries, EntryKind::Difference, &CompareEntry::kind));
}

Phrase describePlace(const ComparePlace& where) {
    if (where.cell) {
        const Phrase channel = channelPlace(where.cell->band, where.cell->channel);
        if (where.cell->column == Column::Number) return channel;
        return phrase("%1, %2", channel, Phrase(columnTitle(where.cell->column)));
    }
    if (where.setting) return verbatim(describeSetting(*where.setting));
    return verbatim("0x" + hexNumber(static_cast<std::uint64_t>(where.address.value_or(0)), 4));
}

bool showsTheSame(const CompareEntry& entry) {
    return entry.where.address.has_value() || entry.a == entry.b;
}

bool isUnknown(const CompareEntry& entry) {
    return entry.where.address &&
           (entry.a.find('?') != std::string::npos || entry.b.find('?') != std::string::npos);
}

int entryAddress(const CompareEntry& entry, std::span<const Setting> settings) {
    const ComparePlace& where = entry.where;
    if (where.cell) {
        const int record = recordAddress(*where.cell);
        if (where.cell->column == Column::Number) return record;
        return record + channelColumn(where.cell->column).record.offset;
    }
    if (where.setting) {
        const auto s = std::ranges::find(settings, where.setting->id, &Setting::id);
        return s == settings.end() ? 0 : s->address(where.setting->band);
    }
    return where.address.value_or(0);
}

std::vector<ByteChange> changedBytes(const CompareEntry& entry, std::span<const Setting> settings) {
    if (isUnknown(entry)) return {};
    const Setting* owner = nullptr;
    if (entry.where.setting) {
        const auto s = std::ranges::find(settings, entry.where.setting->id, &Setting::id);
        if (s == settings.end()) return {};
        owner = &*s;
    }
    const int address = entryAddress(entry, settings);
    std::vector<ByteChange> changes;
    for (std::size_t i = 0; i < entry.aBytes.size() && i < entry.bBytes.size(); ++i) {
        const auto changed = static_cast<std::uint8_t>(entry.aBytes[i] ^ entry.bBytes[i]);
        if (changed == 0) continue;
        if (owner != nullptr && (owner->slice.bitsOfByte(static_cast<int>(i)) & changed) == 0)
            continue;
        changes.push_back({address + static_cast<int>(i), entry.aBytes[i], entry.bBytes[i]});
    }
    return changes;
}

namespace {

std::string shownValue(std::string_view value) {
    return value.empty() ? "(empty)" : printableText(value);
}

std::string compareLine(const CompareEntry& entry) {
    std::string line = entry.kind == EntryKind::Note ? "note: " : "";
    if (!showsTheSame(entry) || isUnknown(entry))
        return line + english(describePlace(entry.where)) + ": " + shownValue(entry.a) + " -> " +
               shownValue(entry.b);
    if (!entry.where.address) line += english(describePlace(entry.where)) + ", ";
    const auto changes = changedBytes(entry);
    for (std::size_t i = 0; i < changes.size(); ++i) {
        const ByteChange& c = changes[i];
        line += (i > 0 ? ", 0x" : "0x") + hexNumber(static_cast<std::uint64_t>(c.address), 4) +
                ": " + hexNumber(c.a, 2) + " -> " + hexNumber(c.b, 2);
    }
    return line;
}

}  // namespace

std::vector<std::string> compareLines(std::span<const CompareEntry> entries,
                                      UnknownHeldBytes unknown) {
    std::vector<std::string> lines;
    for (const CompareEntry& entry : entries) lines.push_back(compareLine(entry));
    const std::size_t differences = differenceCount(entries);
    std::string count = counted(differences, "difference");
    if (differences < entries.size()) count += ", " + counted(entries.size() - differences, "note");
    if (unknown.any()) {
        count += "; " + counted(static_cast<std::size_t>(unknown.steps), "step") + " (" +
                 counted(static_cast<std::size_t>(unknown.bytes), "byte") +
                 ") unknown on one side, so the two are not shown equal";
    }
    lines.push_back(count);
    return lines;
}

}  // namespace duoband
