#include "port_status.h"

#include <algorithm>

QString portPanelText(const QString& port, bool opened) {
    return kPortCaption + (opened ? port : kPortUsed);
}

bool panelShowsOpenPort(const QString& panelText) {
    return panelText.startsWith(kPortCaption) && panelText.size() > kPortCaption.size() &&
           panelText != kPortCaption + kPortUsed;
}

std::vector<std::string> mergePortList(std::vector<std::string> machine,
                                       const std::vector<std::string>& asked) {
    machine.insert(machine.end(), asked.begin(), asked.end());
    std::sort(machine.begin(), machine.end());
    machine.erase(std::unique(machine.begin(), machine.end()), machine.end());
    return machine;
}
