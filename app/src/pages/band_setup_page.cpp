#include "pages/band_setup_page.h"

#include <QGridLayout>
#include <string>
#include <vector>

#include "pages/page_widgets.h"
#include "pages/settings_controls.h"

namespace {

struct BandControl {
    int number;           // N of leftN / rightN
    const char* caption;  // band A's; band B differs only where noted
    const char* captionB = nullptr;
};

// In the order of the page: the first eight in the left column.
constexpr BandControl kControls[] = {
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
constexpr int kRowsInFirstColumn = 8;

}  // namespace

BandSetupPage::BandSetupPage(duoband::EditorModel& model, duoband::Band band, QWidget* parent)
    : QWidget(parent), controls_(new pages::SettingsControls(model, this)) {
    const bool bandA = band == duoband::Band::A;
    auto* layout = new QGridLayout(this);
    int index = 0;
    for (const BandControl& control : kControls) {
        const std::string name = (bandA ? "left" : "right") + std::to_string(control.number);
        const char* caption =
            !bandA && control.captionB != nullptr ? control.captionB : control.caption;
        const int column = index < kRowsInFirstColumn ? 0 : 1;
        const int row = column == 0 ? index : index - kRowsInFirstColumn;
        pages::addFormRow(layout, row, column, QString::fromUtf8(caption), controls_->add(name));
        ++index;
    }
    layout->setRowStretch(kRowsInFirstColumn, 1);
    layout->setColumnStretch(4, 1);
    showModel();
}

void BandSetupPage::showModel() {
    controls_->showModel();
}

void BandSetupPage::commitPendingEdit() {
    pages::commitFocusedEdit(this);
}
