// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/verify.h"

#include <algorithm>
#include <map>
#include <set>

#include "duoband/counted.h"
#include "duoband/settings_table.h"

namespace duoband {

namespace {

struct Difference {
    int address;
    std::uint8_t sent;
    std::uint8_t held;
};

std::string byteDifference(const Difference& d) {
    return "0x" + hexNumber(static_cast<std::uint64_t>(d.address), 4) + ": sent " +
           hexNumber(d.sent, 2) + ", the radio holds " + hexNumber(d.held, 2);
}

// A text as the radio holds it, one byte per character. A byte outside
// printable ASCII is written in hex (\xFF): raw, a terminal or a message
// box would show it as garbage or not at all.
std::string shown(std::string_view value) {
    if (value.empty()) return "nothing";
    std::string text;
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        text += byte >= 0x20 && byte < 0x7F ? std::string(1, c) : "\\x" + hexNumber(byte, 2);
    }
    return text;
}

std::string valueDifference(const std::string& where, std::string_view sent,
                            std::string_view held) {
    return where + ": sent " + shown(sent) + ", the radio holds " + shown(held);
}

// Where a byte belongs.
struct ChannelKey {
    Band band;
    int channel;
    auto operator<=>(const ChannelKey&) const = default;
};

std::optional<ChannelKey> channelAt(int address) {
    for (Band band : kBands) {
        const int base = band == Band::A ? kBandAChannelBase : kBandBChannelBase;
        const int offset = address - base;
        if (offset >= 0 && offset < ChannelTable::kChannels * kRecordBytes)
            return ChannelKey{band, offset / kRecordBytes + 1};
    }
    return std::nullopt;
}

// A setting of one band, as verify names it.
struct SettingPlace {
    const Setting* setting;
    Band band;
    bool operator==(const SettingPlace&) const = default;
};

// The settings whose bits differ in the byte of `d`: one for a setting of
// whole bytes, those whose bits changed where settings share a byte.
std::vector<SettingPlace> settingsAt(const Difference& d, std::span<const Setting> settings) {
    std::vector<SettingPlace> places;
    const auto changed = static_cast<std::uint8_t>(d.sent ^ d.held);
    for (const Setting& s : settings) {
        if (s.encoding == Encoding::HexDigits) continue;
        for (Band band : kBands) {
            if (!s.perBand() && band == Band::B) continue;
            const int byte = d.address - s.address(band);
            if (byte < 0 || byte >= s.bytes() || (s.slice.bitsOfByte(byte) & changed) == 0)
                continue;
            places.push_back({&s, band});
        }
    }
    return places;
}

std::string valueText(const EditorModel& model, const SettingPlace& place) {
    const Setting& s = *place.setting;
    if (s.isChoice()) return std::string(s.choice.read(model, place.band).text());
    return s.isText() ? s.text.read(model, place.band) : std::string();
}

// Collects the differing bytes by what they belong to, then names each.
class Comparison {
  public:
    Comparison(const RadioImage& sent, const RadioImage& held, std::span<const Setting> settings)
        : settingsTable_(settings) {
        decodeImage(sent, sentModel_, settings);
        decodeImage(held, heldModel_, settings);
    }

    void add(const Difference& d, bool fill, bool fillCounts) {
        if (fill) {
            (fillCounts ? report_.differences : report_.notes).push_back(byteDifference(d));
        } else if (auto channel = channelAt(d.address)) {
            channels_[*channel].push_back(d);
        } else if (auto places = settingsAt(d, settingsTable_); !places.empty()) {
            for (const SettingPlace& place : places) settings_.emplace_back(place, d);
        } else {
            report_.differences.push_back(byteDifference(d));
        }
    }
    void unchecked(int count) { unchecked_ += count; }

    VerifyReport finish() {
        std::vector<std::string> named;
        for (const auto& [key, bytes] : channels_) nameChannel(key, bytes, named);
        nameSettings(named);
        report_.differences.insert(report_.differences.begin(), named.begin(), named.end());
        if (unchecked_ > 0)
            report_.notes.push_back(counted(static_cast<std::uintmax_t>(unchecked_), "byte") +
                                    " unchecked: the image does not know them");
        return std::move(report_);
    }

  private:
    void nameChannel(const ChannelKey& key, const std::vector<Difference>& bytes,
                     std::vector<std::string>& named) const {
        const std::string where =
            std::string(bandName(key.band)) + " channel " + std::to_string(key.channel);
        bool anyColumn = false;
        for (const ChannelColumn& c : channelColumns()) {
            if (c.column == Column::Number) continue;
            const std::string& sent = sentModel_.channels(key.band).cell(c.column, key.channel);
            const std::string& held = heldModel_.channels(key.band).cell(c.column, key.channel);
            if (sent == held) continue;
            named.push_back(valueDifference(where + ", " + std::string(c.title), sent, held));
            anyColumn = true;
        }
        if (!anyColumn)
            for (const Difference& d : bytes) named.push_back(where + ", " + byteDifference(d));
    }

    void nameSettings(std::vector<std::string>& named) const {
        std::vector<SettingPlace> done;
        for (const auto& [place, d] : settings_) {
            const std::string where = describeSetting(*place.setting, place.band);
            const std::string sent = valueText(sentModel_, place);
            const std::string held = valueText(heldModel_, place);
            if (sent == held) {
                named.push_back(where + ", " + byteDifference(d));
            } else if (std::ranges::find(done, place) == done.end()) {
                named.push_back(valueDifference(where, sent, held));
                done.push_back(place);
            }
        }
    }

    std::span<const Setting> settingsTable_;
    EditorModel sentModel_, heldModel_;
    std::map<ChannelKey, std::vector<Difference>> channels_;
    std::vector<std::pair<SettingPlace, Difference>> settings_;
    VerifyReport report_;
    int unchecked_ = 0;
};

}  // namespace

VerifyReport compareImages(const RadioImage& sent, const RadioImage& held, Compared compared,
                           std::span<const Setting> settings) {
    Comparison comparison(sent, held, settings);
    for (int s = 0; s < kTransferSteps; ++s) {
        const StepBytes& out = sent.step(s);
        const StepBytes& in = held.step(s);
        const int known = std::min(out.known, in.known);
        comparison.unchecked(static_cast<int>(out.bytes.size()) - known);
        const int address = transferPlan()[static_cast<std::size_t>(s)].address;
        for (int i = 0; i < known; ++i) {
            const auto at = static_cast<std::size_t>(i);
            if (out.bytes[at] == in.bytes[at]) continue;
            comparison.add({address + i, out.bytes[at], in.bytes[at]}, i >= heldBytes(s),
                           compared == Compared::EveryByte);
        }
    }
    return comparison.finish();
}

VerifyReport compareBlock(const TransferStep& transfer, const Bytes& sent, const Bytes& held) {
    // Both blocks lie in the last step of the plan: compare two images that
    // differ from each other only there.
    RadioImage sentImage, heldImage;
    const int offset = transfer.address - transferPlan()[kStepBootLimits].address;
    const auto place = [&](RadioImage& image, const Bytes& bytes) {
        std::copy_n(bytes.begin(), std::min<std::size_t>(bytes.size(), transfer.length),
                    image.step(kStepBootLimits).bytes.begin() + offset);
    };
    place(sentImage, sent);
    place(heldImage, held);
    return compareImages(sentImage, heldImage, Compared::HeldBytes);
}

std::vector<std::string> verifyLines(const VerifyReport& report) {
    if (report.ok()) return {std::string(kVerifySuccess)};
    std::vector<std::string> lines;
    const std::size_t shownCount = std::min(report.differences.size(), kDifferencesShown);
    for (std::size_t i = 0; i < shownCount; ++i)
        lines.push_back(std::string(kVerifyFailed) + report.differences[i]);
    if (report.differences.size() > shownCount)
        lines.push_back(std::to_string(report.differences.size()) + " differences in all");
    return lines;
}

}  // namespace duoband
