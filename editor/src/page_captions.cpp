#include "duoband/page_captions.h"

#include "duoband/settings_editing.h"

namespace duoband {

namespace {

struct BandCaption {
    int number;  // N of leftN / rightN
    std::string_view caption;
    std::string_view captionB = {};  // band B's, where it differs
};

// Page order: left5 sits below left8.
constexpr BandCaption kBandCaptions[] = {
    {1, "Working Mode :", "Working Mode:"},
    {2, "Channel No.:"},
    {3, "Receiving Frequency: "},
    {4, "Receiving CTCSS:"},
    {6, "Receiving Mode:"},
    {7, "Transmission CTCSS:"},
    {8, "Launch Signaling:"},
    {5, "Transmit end Signaling:"},
    {10, "Power:"},
    {11, "Wide/Narrow Band:"},
    {12, "Compandor:"},
    {13, "Scrambler:"},
    {14, "Difference frequency direction:"},
    {15, "Transmit Offset Frequency(MHZ):"},
    {16, "Frequency Step:"},
};

constexpr std::string_view kGeneralCaptions[] = {
    "Optional Main Band",     "Volume",
    "FM Frequency",           "Standby Backlight",
    "Receiving Backlight",    "Transmit  Backlight",
    "Backlight Mode",         "Beep",
    "Vibration Ring Time",    "Busy Channel Lock",
    "Time Over Timer",        "Single Signaling choice",
    "DTMF Transmitting Time", "Squelch level",
    "Repeater Mode",
};

constexpr std::string_view kGroupCaptions[] = {
    "DTMF1:", "DTMF2:", "DTMF3:", "DTMF4:", "DTMF5:", "DTMF6:", "DTMF7:", "DTMF8:"};

constexpr std::string_view kCodeCaptions[] = {
    "Native ID Code", "Master Control ID Code", "Alarm Code",       "Identity Display Code",
    "Revive Code",    "Remote Stun Code",       "Remote Kill Code", "Monitor Code",
    "Current State"};

constexpr std::string_view kLimitCaptions[] = {
    "Boot Information 1:",       "Boot Information 2:",   "Limit VHF Band (Low):",
    "Limit VHF Band (High):",    "Limit UHF Band (Low):", "Limit UHF Band (High):",
    "Limit Frequency Band Mode:"};

template <std::size_t N>
void addNumbered(PageCaptions& page, std::string_view prefix,
                 const std::string_view (&captions)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        page.controls.push_back({std::string(prefix) + std::to_string(i + 1), captions[i]});
    }
}

}  // namespace

PageCaptions bandSetupCaptions(Band band) {
    const bool bandA = band == Band::A;
    PageCaptions page{bandA ? "A/Upper Band Set up" : "B/Under Band Set up", {}};
    for (const BandCaption& c : kBandCaptions) {
        page.controls.push_back({(bandA ? "left" : "right") + std::to_string(c.number),
                                 !bandA && !c.captionB.empty() ? c.captionB : c.caption});
    }
    return page;
}

PageCaptions generalCaptions() {
    PageCaptions page{"Comprehensive Setting", {}};
    addNumbered(page, "gn", kGeneralCaptions);
    return page;
}

PageCaptions dtmfCaptions() {
    PageCaptions page{"DTMF Groups", {}};
    addNumbered(page, "sy", kGroupCaptions);
    addNumbered(page, "sypz", kCodeCaptions);
    return page;
}

PageCaptions limitCaptions() {
    PageCaptions page{"Limit Frequency",
                      {{"kaiji1", kLimitCaptions[0]}, {"kaiji2", kLimitCaptions[1]}}};
    for (int i = 1; i <= 5; ++i) {
        page.controls.push_back(
            {"xp" + std::to_string(i), kLimitCaptions[static_cast<std::size_t>(i + 1)]});
    }
    return page;
}

std::vector<PageCaptions> settingsPageCaptions() {
    return {bandSetupCaptions(Band::A), bandSetupCaptions(Band::B), generalCaptions(),
            dtmfCaptions(), limitCaptions()};
}

ShownValue shownValue(const EditorModel& model, std::string_view name) {
    const auto control = settingsControlNamed(name);
    if (!control) return {};
    // The accessors take a mutable model; nothing is changed through them.
    EditorModel& m = const_cast<EditorModel&>(model);
    if (const Choice* c = choiceOf(m, *control)) return {std::string(c->text()), false};
    if (const std::string* t = textOf(m, *control)) return {*t, true};
    return {};
}

}  // namespace duoband
