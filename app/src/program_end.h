// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Ending the program. SIGINT and SIGTERM end it at once, without a
// question: every radio stops after its current frame with its EXIT (the
// station's jobs as its window goes, a Write as its exchange is abandoned).
// Closing the login window ends it at once too. "Quit", "Quit(Q)" and
// closing the editor ask first while radios are written (the station's
// "Stop and Close / Keep Running", or "Stop writing?" in the Write dialog)
// and end the program once they have stopped; then about unsaved changes.
#pragma once

#include <QCoreApplication>

// exit() rather than quit(): quit() first asks every window to close, and
// the Read and Write dialogs refuse while an exchange runs. exit() ends every
// event loop, so a transfer dialog's exchange stops at once (WindowRadio::finishNow).
inline bool& programEndRequested() {
    static bool requested = false;
    return requested;
}

// Also before the main event loop runs (a start-up message box open): the
// request is kept, and runUntilEnd() does not start the loop at all.
inline void endProgram() {
    programEndRequested() = true;
    QCoreApplication::exit(0);
}

// The main event loop, unless the program was asked to end during start-up.
inline int runUntilEnd() {
    return programEndRequested() ? 0 : QCoreApplication::exec();
}
