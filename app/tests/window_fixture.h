// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The windows of one test: a private copy of the data folder, scripted
// answers for every dialog, and the six windows on them (no port). Members
// go in reverse order, the windows first.
#pragma once

#include "app_test_support.h"
#include "application.h"

struct WindowFixture {
    TestDataFolder data;
    ScriptedDialogs dialogs;
    Windows windows{DataFolder(data.dir()), PortOptions{{}, false}};

    MainWindow& window() { return *windows.mainWindow; }
};
