#include "page_captions.h"

namespace duoband::cli {
namespace {

// A control of a band page: a drop-down list or a text entry.
struct BandControl {
    std::string_view caption;
    Choice BandPage::*choice;
    std::string BandPage::*text;
};

// In the order the page shows them (left5 sits below left8).
constexpr std::array<BandControl, 15> kBandControls{{
    {"Working Mode :", &BandPage::c1, nullptr},
    {"Channel No.:", &BandPage::c2, nullptr},
    {"Receiving Frequency: ", nullptr, &BandPage::c3},
    {"Receiving CTCSS:", &BandPage::c4, nullptr},
    {"Receiving Mode:", &BandPage::c6, nullptr},
    {"Transmission CTCSS:", &BandPage::c7, nullptr},
    {"Launch Signaling:", &BandPage::c8, nullptr},
    {"Transmit end Signaling:", &BandPage::c5, nullptr},
    {"Power:", &BandPage::c10, nullptr},
    {"Wide/Narrow Band:", &BandPage::c11, nullptr},
    {"Compandor:", &BandPage::c12, nullptr},
    {"Scrambler:", &BandPage::c13, nullptr},
    {"Difference frequency direction:", &BandPage::c14, nullptr},
    {"Transmit Offset Frequency(MHZ):", nullptr, &BandPage::c15},
    {"Frequency Step:", &BandPage::c16, nullptr},
}};

struct GeneralControl {
    std::string_view caption;
    Choice EditorModel::*choice;
    std::string EditorModel::*text;
};

constexpr std::array<GeneralControl, 15> kGeneralControls{{
    {"Optional Main Band", &EditorModel::gn1, nullptr},
    {"Volume", &EditorModel::gn2, nullptr},
    {"FM Frequency", nullptr, &EditorModel::gn3},
    {"Standby Backlight", &EditorModel::gn4, nullptr},
    {"Receiving Backlight", &EditorModel::gn5, nullptr},
    {"Transmit  Backlight", &EditorModel::gn6, nullptr},
    {"Backlight Mode", &EditorModel::gn7, nullptr},
    {"Beep", &EditorModel::gn8, nullptr},
    {"Vibration Ring Time", &EditorModel::gn9, nullptr},
    {"Busy Channel Lock", &EditorModel::gn10, nullptr},
    {"Time Over Timer", &EditorModel::gn11, nullptr},
    {"Single Signaling choice", &EditorModel::gn12, nullptr},
    {"DTMF Transmitting Time", &EditorModel::gn13, nullptr},
    {"Squelch level", &EditorModel::gn14, nullptr},
    {"Repeater Mode", &EditorModel::gn15, nullptr},
}};

constexpr std::array<std::string_view, 8> kCodeCaptions{
    "Native ID Code", "Master Control ID Code", "Alarm Code",       "Identity Display Code",
    "Revive Code",    "Remote Stun Code",       "Remote Kill Code", "Monitor Code"};

constexpr std::array<std::string_view, 4> kLimitCaptions{
    "Limit VHF Band (Low):", "Limit VHF Band (High):", "Limit UHF Band (Low):",
    "Limit UHF Band (High):"};

template <class Owner, class Control>
std::string valueOf(const Owner& owner, const Control& c) {
    return c.choice != nullptr ? std::string((owner.*c.choice).text()) : owner.*c.text;
}

Page bandPage(const EditorModel& m, Band band) {
    Page page{band == Band::A ? "A/Upper Band Set up" : "B/Under Band Set up", {}};
    for (const auto& c : kBandControls) page.lines.push_back({c.caption, valueOf(m.band(band), c)});
    return page;
}

Page generalPage(const EditorModel& m) {
    Page page{"Comprehensive Setting", {}};
    for (const auto& c : kGeneralControls) page.lines.push_back({c.caption, valueOf(m, c)});
    return page;
}

Page dtmfPage(const EditorModel& m) {
    static constexpr std::array<std::string_view, 8> kGroups{
        "DTMF1:", "DTMF2:", "DTMF3:", "DTMF4:", "DTMF5:", "DTMF6:", "DTMF7:", "DTMF8:"};
    Page page{"DTMF Groups", {}};
    for (std::size_t i = 0; i < 8; ++i) page.lines.push_back({kGroups[i], m.sy[i + 1]});
    for (std::size_t i = 0; i < 8; ++i) page.lines.push_back({kCodeCaptions[i], m.sypz[i + 1]});
    page.lines.push_back({"Current State", std::string(m.sypz9.text())});
    return page;
}

Page limitPage(const EditorModel& m) {
    Page page{"Limit Frequency",
              {{"Boot Information 1:", m.kaiji1, true}, {"Boot Information 2:", m.kaiji2, true}}};
    for (std::size_t i = 0; i < 4; ++i) page.lines.push_back({kLimitCaptions[i], m.xp[i + 1]});
    page.lines.push_back({"Limit Frequency Band Mode:", std::string(m.xp5.text())});
    return page;
}

}  // namespace

std::vector<Page> settingsPages(const EditorModel& model) {
    return {bandPage(model, Band::A), bandPage(model, Band::B), generalPage(model), dtmfPage(model),
            limitPage(model)};
}

}  // namespace duoband::cli
