// The settings pages as the editor shows them: each control with the caption
// beside it, in page order. The window lays its pages out from these tables
// and `duoband-cli show` prints them, so both say the same.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "duoband/editor_model.h"

namespace duoband {

struct CaptionedControl {
    std::string name;          // "left3", "gn12", "sypz9"...
    std::string_view caption;  // UTF-8
};

struct PageCaptions {
    std::string_view title;  // the page's tab
    std::vector<CaptionedControl> controls;
};

PageCaptions bandSetupCaptions(Band band);  // left1..left16 or right1..right16
PageCaptions generalCaptions();             // gn1..gn15
PageCaptions dtmfCaptions();                // sy1..sy8, then sypz1..sypz9
PageCaptions limitCaptions();               // kaiji1, kaiji2, xp1..xp5

// The four kinds of settings page in tab order (band A, band B, general,
// DTMF, limits).
std::vector<PageCaptions> settingsPageCaptions();

// What a control shows: its selected entry (a program text, UTF-8) or its
// text (the radio's bytes, one per character). Empty for no such control.
struct ShownValue {
    std::string text;
    bool radioBytes = false;
};
ShownValue shownValue(const EditorModel& model, std::string_view name);

}  // namespace duoband
