// "Limit Frequency": the two-line boot message (kaiji1, kaiji2), the four
// band limits and the limit mode (xp1..xp5), and the buttons that read and
// write these two blocks on their own (Button1..Button4).
#pragma once

#include <QWidget>
#include <array>

#include "duoband/editor_model.h"

class PageHost;
class QPushButton;

namespace pages {
class SettingsControls;
}

class LimitFrequencyPage : public QWidget {
    Q_OBJECT
  public:
    LimitFrequencyPage(duoband::EditorModel& model, PageHost& host, QWidget* parent);

    void showModel();
    void commitPendingEdit();

    // The window tells the page when any exchange with the radio starts and
    // ends (calls nest); the four buttons are disabled meanwhile.
    void setExchangeRunning(bool running);

    void readBootMessage();
    void writeBootMessage();
    void readLimits();
    void writeLimits();

  private:
    void transfer(int button);
    QPushButton* makeButton(int button);

    duoband::EditorModel& model_;
    PageHost& host_;
    pages::SettingsControls* controls_;
    std::array<QPushButton*, 4> buttons_{};
    int exchangesRunning_ = 0;
};
