#include "duoband/editor_model.h"

#include "duoband/channel_record.h"
#include "duoband/option_lists.h"

namespace duoband {

namespace {

constexpr std::array<std::string_view, 15> kDefaultBlockFields{
    "0000FFFFFFFFFFFF00FFFFFF00000101",      // k1  band A, first half
    "000000000F424009C4FFFFFFFFFFFFFF",      // k2  band A, second half
    "0000FFFFFFFFFFFF00FFFFFF00000101",      // k3  band B, first half
    "000000000F424009C4FFFFFFFFFFFFFF",      // k4  band B, second half
    "000FFFFF010203000102000406D600320300",  // k5  general settings
    "00FFFFFFFFFFFFFF00FFFFFFFFFFFFFF",      // k6  DTMF groups 1, 2
    "00FFFFFFFFFFFFFF00FFFFFFFFFFFFFF",      // k7  DTMF groups 3, 4
    "00FFFFFFFFFFFFFF00FFFFFFFFFFFFFF",      // k8  DTMF groups 5, 6
    "00FFFFFFFFFFFFFF00FFFFFFFFFFFFFF",      // k9  DTMF groups 7, 8
    "00FFFFFFFFFFFFFF00FFFFFFFFFFFFFF",      // k10 boot message
    "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF01",    // k11 limits, limit mode ON
    "00FFFFFFFFFFFFFF00FFFFFFFFFFFFFF",      // k12 native and master ID
    "00FFFFFFFFFF00FFFFFFFFFF",              // k13 alarm, identity display
    "00FFFFFFFFFF00FFFFFFFFFF",              // k14 revive, remote stun
    "00FFFFFFFFFF00FFFFFFFFFF",              // k15 remote kill, monitor
};

Choice choice(OptionList entries, int index) {
    return Choice{entries, index};
}

BandPage initialBandPage() {
    BandPage p;
    p.c1 = choice(lists::workingMode(), 0);
    p.c2 = choice(lists::channelNumbers(), 0);
    p.c3.clear();
    p.c4 = choice(lists::vfoTones(), 0);
    p.c5 = choice(lists::signalling(), 0);
    p.c6 = choice(lists::vfoReceivingMode(), 0);
    p.c7 = choice(lists::vfoTones(), 0);
    p.c8 = choice(lists::signalling(), 0);
    p.c10 = choice(lists::vfoPower(), 1);
    p.c11 = choice(lists::vfoBandwidth(), 1);
    p.c12 = choice(lists::offOn(), 0);
    p.c13 = choice(lists::offOn(), 0);
    p.c14 = choice(lists::offsetDirection(), 0);
    p.c15 = "10";
    p.c16 = choice(lists::frequencyStep(), 5);
    return p;
}

void initTableFrame(ChannelTable& table) {
    for (int col = 0; col < ChannelTable::kColumns; ++col) {
        table.cell(col, 0) = std::string(kChannelColumnTitles[static_cast<std::size_t>(col)]);
    }
    for (int row = 1; row < ChannelTable::kRows; ++row) table.cell(0, row) = std::to_string(row);
}

void emptyChannels(ChannelTable& table) {
    for (int row = 1; row < ChannelTable::kRows; ++row) {
        for (int col = 1; col < ChannelTable::kColumns; ++col) table.cell(col, row).clear();
    }
}

}  // namespace

HexText defaultBlockField(int n) {
    return HexText(kDefaultBlockFields.at(static_cast<std::size_t>(n - 1)));
}

EditorModel::EditorModel() {
    initTableFrame(StringGrid1);
    initTableFrame(StringGrid2);
    resetToInitialValues(*this);
}

void resetToInitialValues(EditorModel& m) {
    emptyChannels(m.StringGrid1);
    emptyChannels(m.StringGrid2);
    m.left = initialBandPage();
    m.right = initialBandPage();
    m.gn1 = choice(lists::mainBand(), 0);
    m.gn2 = choice(lists::zeroTo20(), 15);
    m.gn3.clear();
    m.gn4 = choice(lists::backlight(), 1);
    m.gn5 = choice(lists::backlight(), 2);
    m.gn6 = choice(lists::backlight(), 3);
    m.gn7 = choice(lists::backlightMode(), 0);
    m.gn8 = choice(lists::offOn(), 1);
    m.gn9 = choice(lists::vibrationRingTime(), 2);
    m.gn10 = choice(lists::offOn(), 0);
    m.gn11 = choice(lists::timeOverTimer(), 4);
    m.gn12 = choice(lists::toneBurst(), 2);
    // "50MS", the value the default general block holds, so that what the
    // page shows is what a write sends.
    m.gn13 = choice(lists::dtmfTime(), 0);
    m.gn14 = choice(lists::zeroTo9(), 3);
    m.gn15 = choice(lists::offOn(), 0);
    m.sy.fill({});
    m.sypz.fill({});
    m.sypz9 = choice(lists::remoteState(), 0);
    m.kaiji1.clear();
    m.kaiji2.clear();
    m.xp.fill({});
    m.xp5 = choice(lists::offOn(), 1);
    // All fifteen fields, k12..k15 included: the codes the page clears must
    // not stay behind in the fields that a write sends.
    for (int n = 1; n <= 15; ++n) m.k[n] = defaultBlockField(n);
}

}  // namespace duoband
