// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// "Limit Frequency": the two-line boot message, the four band limits and
// the limit mode, and the buttons that read and write these two blocks on
// their own.
#pragma once

#include <QWidget>
#include <array>

#include "duoband/editor_model.h"
#include "duoband/radio_jobs.h"
#include "pages/page_host.h"

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

  signals:
    void edited(const QString& step, const QString& mergeKey);

  private:
    // The page's four transfers, in button order.
    enum class Transfer { ReadBootMessage, WriteBootMessage, ReadLimits, WriteLimits };
    void transfer(Transfer which);
    void transferEnded(bool wrote, const char* action, const duoband::EditorModel& arrived,
                       const duoband::JobReport& report);
    QPushButton* makeButton(Transfer which);

    duoband::EditorModel& model_;
    PageHost& host_;
    pages::SettingsControls* controls_;
    std::array<QPushButton*, 4> buttons_{};
    int exchangesRunning_ = 0;
};
