// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the editor pages need of the main window that holds them: its radio
// for a page's own exchange, as every radio command of the window has it.
#pragma once

#include "job_host.h"

using PageHost = JobHost;
