#include "port_status.h"

QString portPanelText(const QString& port, bool opened) {
    return kPortCaption + (opened ? port : kPortUsed);
}

bool panelShowsOpenPort(const QString& panelText) {
    return panelText.startsWith(kPortCaption) && panelText.size() > kPortCaption.size() &&
           panelText != kPortCaption + kPortUsed;
}
