// The settings pages as the editor shows them: each control's caption and
// how to read its value from the model, in page order.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "duoband/editor_model.h"

namespace duoband::cli {

struct PageLine {
    std::string_view caption;
    std::string value;
    bool radioBytes = false;  // the radio's own bytes (Latin-1), not a program text
};

struct Page {
    std::string_view title;
    std::vector<PageLine> lines;
};

std::vector<Page> settingsPages(const EditorModel& model);

}  // namespace duoband::cli
