// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include "channel_csv_layout.h"
#include "duoband/decimal.h"
#include "duoband/field_codecs.h"
#include "duoband/option_lists.h"
#include "text_case.h"

namespace duoband::csv {

namespace {

// Tone list entries 1..39 are the CTCSS tones, the rest DCS codes.
constexpr std::size_t kLastCtcssEntry = 39;

std::string_view kindName(ToneKind kind) {
    switch (kind) {
        case ToneKind::Ctcss:
            return "Tone";
        case ToneKind::Dcs:
            return "DTCS";
        case ToneKind::None:
            break;
    }
    return "";
}

std::optional<ToneKind> kindNamed(std::string_view name) {
    for (ToneKind kind : {ToneKind::None, ToneKind::Ctcss, ToneKind::Dcs}) {
        if (text::equalIgnoringCase(kindName(kind), text::trimmed(name))) return kind;
    }
    return std::nullopt;
}

char polarityOf(const Tone& tone) {
    return tone.kind == ToneKind::Dcs ? tone.polarity : 'N';
}

// A CTCSS tone as its code, the frequency in 0.1 Hz ("88.5", "88.50", "88.5HZ").
std::optional<std::uint16_t> ctcssCode(std::string_view value) {
    value = text::trimmed(value);
    if (value.size() > 2 && text::equalIgnoringCase(value.substr(value.size() - 2), "HZ"))
        value.remove_suffix(2);
    const auto hundredths = scaledDecimal(value, 2, 0xFFFF * 10);
    if (!hundredths || *hundredths % 10 != 0) return std::nullopt;
    return static_cast<std::uint16_t>(*hundredths / 10);
}

// A DCS code as its three octal digits ("23" and "023" alike).
std::optional<std::string> dcsDigits(std::string_view value) {
    value = text::trimmed(value);
    if (value.empty() || value.size() > 3 ||
        !std::ranges::all_of(value, [](char c) { return c >= '0' && c <= '7'; })) {
        return std::nullopt;
    }
    return std::string(3 - value.size(), '0') + std::string(value);
}

std::optional<std::string> listEntry(std::string_view text) {
    const OptionList tones = lists::channelTones();
    if (std::ranges::find(tones, text) == tones.end()) return std::nullopt;
    return std::string(text);
}

// Side `side` (0 transmit, 1 receive) of DtcsPolarity: 'N' or 'R'.
std::optional<char> polarityAt(std::string_view polarity, std::size_t side) {
    polarity = text::trimmed(polarity);
    if (polarity.size() != 2) return std::nullopt;
    switch (polarity[side]) {
        case 'N':
        case 'n':
            return 'N';
        case 'R':
        case 'r':
        case 'I':
        case 'i':
            return 'R';
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<Tone> toneOfCell(std::string_view cell) {
    const std::optional<std::uint16_t> code = toneCode(cell);
    if (!code) return std::nullopt;
    if (*code == kNoTone) return Tone{};
    const auto codes = lists::toneCodes();
    const auto found = std::find(codes.begin() + 1, codes.end(), *code);
    if (found == codes.end()) return std::nullopt;
    const auto entry = static_cast<std::size_t>(found - codes.begin());
    const std::string_view text = lists::channelTones()[entry];
    if (entry <= kLastCtcssEntry)
        return Tone{ToneKind::Ctcss, std::string(text.substr(0, text.size() - 2))};
    return Tone{ToneKind::Dcs, std::string(text.substr(1, 3)), text.back() == 'I' ? 'R' : 'N'};
}

std::optional<std::string> cellOfTone(const Tone& tone) {
    switch (tone.kind) {
        case ToneKind::None:
            return std::string();
        case ToneKind::Ctcss: {
            const auto code = ctcssCode(tone.value);
            if (!code || *code == 0) return std::nullopt;
            return listEntry(toneText(*code, "OFF"));
        }
        case ToneKind::Dcs: {
            const auto digits = dcsDigits(tone.value);
            if (!digits) return std::nullopt;
            return listEntry("D" + *digits + (tone.polarity == 'R' ? "I" : "N"));
        }
    }
    return std::nullopt;
}

ToneFields toneFields(const Tone& tx, const Tone& rx) {
    ToneFields f;
    if (tx.kind == ToneKind::None && rx.kind == ToneKind::None) return f;
    if (tx.kind == ToneKind::Ctcss && rx.kind == ToneKind::None) {
        f.mode = "Tone";
        f.rTone = tx.value;
    } else if (tx == rx && tx.kind == ToneKind::Ctcss) {
        f.mode = "TSQL";
        f.rTone = f.cTone = tx.value;
    } else if (tx == rx) {
        f.mode = "DTCS";
        f.dtcs = f.rxDtcs = tx.value;
    } else {
        f.mode = "Cross";
        f.crossMode = std::string(kindName(tx.kind)) + "->" + std::string(kindName(rx.kind));
        if (tx.kind == ToneKind::Ctcss) f.rTone = tx.value;
        if (tx.kind == ToneKind::Dcs) f.dtcs = tx.value;
        if (rx.kind == ToneKind::Ctcss) f.cTone = rx.value;
        if (rx.kind == ToneKind::Dcs) f.rxDtcs = rx.value;
    }
    f.polarity = {polarityOf(tx), polarityOf(rx)};
    return f;
}

TonePair tonesOf(const ToneFields& f) {
    TonePair pair;
    // One side as the cross mode names it: a CTCSS tone from its own
    // column, a DCS code from its own with its letter of DtcsPolarity.
    const auto side = [&](ToneKind kind, std::string_view ctcss, std::string_view dcs,
                          std::size_t polaritySide, Tone& tone) {
        tone.kind = kind;
        if (kind == ToneKind::Ctcss) tone.value = ctcss;
        if (kind != ToneKind::Dcs) return;
        tone.value = dcs;
        const auto polarity = polarityAt(f.polarity, polaritySide);
        if (!polarity) {
            pair.what = fieldValue(kHeader[kDtcsPolarity], f.polarity);
            pair.why = QT_TRANSLATE_NOOP("duoband", "not one of NN, NR, RN, RR");
        }
        tone.polarity = polarity.value_or('N');
    };
    const std::string_view mode = text::trimmed(f.mode);
    if (mode.empty()) return pair;
    if (text::equalIgnoringCase(mode, "Tone")) {
        side(ToneKind::Ctcss, f.rTone, {}, 0, pair.tx);
    } else if (text::equalIgnoringCase(mode, "TSQL")) {
        side(ToneKind::Ctcss, f.cTone, {}, 0, pair.tx);
        side(ToneKind::Ctcss, f.cTone, {}, 1, pair.rx);
    } else if (text::equalIgnoringCase(mode, "DTCS")) {
        side(ToneKind::Dcs, {}, f.dtcs, 0, pair.tx);
        side(ToneKind::Dcs, {}, f.dtcs, 1, pair.rx);
    } else if (text::equalIgnoringCase(mode, "Cross")) {
        const std::size_t arrow = f.crossMode.find("->");
        const auto tx = kindNamed(std::string_view(f.crossMode).substr(0, arrow));
        const auto rx = arrow == std::string::npos
                            ? std::nullopt
                            : kindNamed(std::string_view(f.crossMode).substr(arrow + 2));
        if (!tx || !rx) {
            pair.what = fieldValue(kHeader[kCrossMode], f.crossMode);
            pair.why = QT_TRANSLATE_NOOP("duoband",
                                         "not one of Tone->Tone, Tone->DTCS, DTCS->Tone, ->Tone, "
                                         "->DTCS, DTCS->, DTCS->DTCS");
            return pair;
        }
        side(*tx, f.rTone, f.dtcs, 0, pair.tx);
        side(*rx, f.cTone, f.rxDtcs, 1, pair.rx);
    } else {
        pair.what = fieldValue(kHeader[kTone], f.mode);
        pair.why = QT_TRANSLATE_NOOP("duoband", "not one of Tone, TSQL, DTCS, Cross or empty");
    }
    return pair;
}

}  // namespace duoband::csv
