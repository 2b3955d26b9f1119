// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "port_status.h"

#include <QCoreApplication>

QString portCaption() {
    return QCoreApplication::translate("PortStatus", "COM Port:");
}

QString portUsedText() {
    return QCoreApplication::translate("PortStatus", "The port is used!");
}

QString noPortText() {
    return QCoreApplication::translate("PortStatus", "No port!");
}

QString portPanelText(const QString& port, bool opened) {
    return portCaption() + (opened ? port : portUsedText());
}

bool panelShowsOpenPort(const QString& panelText) {
    return panelText.startsWith(portCaption()) && panelText.size() > portCaption().size() &&
           panelText != portCaption() + portUsedText();
}
