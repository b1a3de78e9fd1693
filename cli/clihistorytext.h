// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the tool shows history entries and bikes: one line each for a person,
// an object each for --json (the same keys as the sidecar where they agree).

#include <QJsonObject>
#include <QString>

#include "history/bikeregistry.h"
#include "history/historyentry.h"

namespace Cli {

// "7  2026-05-12 10:04  scrittura  HW21 - CYL4 - V2.0-R3  da 6  vista 3 volte  #dinamometro  nota"
// `change`: what changed from its parent, when known.
QString entryLine(const HistoryEntry &e, const QString &change = QString());
QJsonObject entryJson(const HistoryEntry &e, bool withValues);
// "Monster 821 – rossa: 12 voci, l'ultima del 2026-05-12 10:04; centralina SIM-0001"
QString unitText(const UnitIdentity &u);
QJsonObject bikeJson(const Bike &b, const QString &folder, int entries);

} // namespace Cli
