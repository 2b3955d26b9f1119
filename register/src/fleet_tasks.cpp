// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/fleet_tasks.h"

#include <set>

#include "duoband/channel_csv.h"
#include "duoband/roster.h"

namespace duoband {

std::vector<std::string> radioFields(const RegisteredRadio& r) {
    return {r.fleet,
            r.values.numbers[UnitField::NativeId],
            r.values.numbers[UnitField::IdentityCode],
            r.values.bootLines[0],
            r.values.bootLines[1],
            r.values.label,
            r.state,
            r.lastProgrammed,
            r.configuration,
            r.result};
}

std::string radiosCsv(const std::vector<RegisteredRadio>& radios) {
    std::string csv = csvLine({kRadioColumns.begin(), kRadioColumns.end()}, ',', "\n");
    for (const RegisteredRadio& r : radios) csv += csvLine(radioFields(r), ',', "\n");
    return csv;
}

std::string numberingText(const Fleet& fleet) {
    std::string text;
    for (const FleetNumbering& n : fleet.numbering) {
        if (!text.empty()) text += ", ";
        text += std::string(unitFieldLayout(n.numbering.field).name) + " next " +
                unitNumber(n.numbering, n.next - n.numbering.start).value_or("(none left)");
    }
    return text.empty() ? "-" : text;
}

std::optional<std::vector<UnitNumbering>> fleetNumbering(const std::vector<std::string>& starts,
                                                         std::string& problem) {
    std::vector<UnitNumbering> numbering;
    std::set<UnitField> numbered;
    for (const std::string& start : starts) {
        const auto n = parseUnitNumbering(start, problem);
        if (!n) return std::nullopt;
        if (!numbered.insert(n->field).second) {
            problem = "two starts for the " + std::string(unitFieldLayout(n->field).name) +
                      "; give one start per field";
            return std::nullopt;
        }
        numbering.push_back(*n);
    }
    return numbering;
}

RosterImport importRoster(RadioRegister& reg, const std::string& fleet, std::string_view text) {
    if (!reg.fleet(fleet))
        throw RegisterError(phrase(
            QT_TRANSLATE_NOOP("duoband", "the register holds no fleet %1 (see \"fleet list\")"),
            verbatim(fleet)));
    const Roster roster = readRoster(text, reg.nativeIds(fleet));
    RosterImport done{roster.error, roster.refusals, 0};
    if (!done.imported()) return done;
    reg.addPlannedRadios(fleet, roster.radios);
    done.planned = roster.radios.size();
    return done;
}

}  // namespace duoband
