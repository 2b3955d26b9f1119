#include <gtest/gtest.h>

#include <set>

#include "duoband/page_captions.h"
#include "duoband/settings_editing.h"

namespace duoband {
namespace {

// Every captioned name is a real control, each control appears exactly once,
// and every settings control of the editor has a caption.
TEST(PageCaptions, CoverEveryControlOnce) {
    std::set<std::string> captioned;
    for (const PageCaptions& page : settingsPageCaptions()) {
        for (const CaptionedControl& c : page.controls) {
            EXPECT_TRUE(settingsControlNamed(c.name).has_value()) << c.name;
            EXPECT_FALSE(c.caption.empty()) << c.name;
            EXPECT_TRUE(captioned.insert(c.name).second) << c.name << " twice";
        }
    }
    std::set<std::string> controls;
    for (const auto& c : settingsChoiceControls()) controls.insert(settingsControlName(c));
    for (const auto& c : settingsTextControls()) controls.insert(settingsControlName(c));
    EXPECT_EQ(captioned, controls);
}

TEST(PageCaptions, BandPagesDifferOnlyInTheWorkingModeCaption) {
    const PageCaptions a = bandSetupCaptions(Band::A);
    const PageCaptions b = bandSetupCaptions(Band::B);
    ASSERT_EQ(a.controls.size(), 15u);
    EXPECT_EQ(a.controls[0].caption, "Working Mode :");
    EXPECT_EQ(b.controls[0].caption, "Working Mode:");
    EXPECT_EQ(a.controls[7].name, "left5");
    EXPECT_EQ(b.controls[7].name, "right5");
    for (std::size_t i = 1; i < a.controls.size(); ++i)
        EXPECT_EQ(a.controls[i].caption, b.controls[i].caption);
}

TEST(PageCaptions, ShownValueIsTheEntryOrTheText) {
    EditorModel model;
    model.gn3 = "98.0";
    EXPECT_EQ(shownValue(model, "gn3").text, "98.0");
    EXPECT_TRUE(shownValue(model, "gn3").radioBytes);
    EXPECT_EQ(shownValue(model, "gn13").text, "50MS");
    EXPECT_FALSE(shownValue(model, "gn13").radioBytes);
    EXPECT_EQ(shownValue(model, "right16").text, "25K");
    model.left.c1.select(-1);
    EXPECT_EQ(shownValue(model, "left1").text, "");
    EXPECT_EQ(shownValue(model, "nothing").text, "");
}

}  // namespace
}  // namespace duoband
