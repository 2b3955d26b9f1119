// Ending the program: "Quit", "Quit(Q)", closing the editor or the login
// window, SIGINT and SIGTERM all end it at once, without a question.
#pragma once

#include <QCoreApplication>

// exit() rather than quit(): quit() first asks every window to close, and
// the Read and Write dialogs refuse while an exchange runs. exit() ends every
// event loop, so a running exchange stops (see QtMessagePump::abandoned).
inline void endProgram() {
    QCoreApplication::exit(0);
}
