// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the editor pages need of the main window that holds them: whether
// status panel 0 shows the selected port as open, the window's one exchange
// with the radio (which refuses a second exchange while one runs), and a
// word when a page's own exchange starts and ends.
#pragma once

#include "duoband/exchange.h"

class PageHost {
  public:
    virtual ~PageHost() = default;
    // Status panel 0 equals "COM Port:" followed by the selected port.
    virtual bool portShownOpen() const = 0;
    // The exchange through the serial port, waiting with the window's message pump.
    virtual duoband::ProgrammingExchange& exchange() = 0;
    // A page's exchange starts (true) or has ended (false); calls nest. The
    // exchange waits in a nested event loop, so the window refuses the
    // commands that would change the model or the port meanwhile.
    virtual void exchangeRunning(bool running) = 0;
};
