// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/workerclock.h"

WorkerClock::~WorkerClock() = default;
