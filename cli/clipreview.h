// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The write preview on the command line: what a write changes against what
// the unit holds, said before the write, and the yes that a firm warning
// (a point much leaner, another unit than the bike's) needs: asked on a
// terminal, --yes otherwise.

#include <QJsonObject>
#include <QStringList>

#include "history/historydiff.h"

namespace Cli {

struct Context;

QJsonObject previewJson(const WritePreview &preview);
QJsonObject diffJson(const CurveDiff &diff);
// One line per changed point: "12 (5.100 giri/min): 3 -> 7 (+4)".
QStringList diffLines(const CurveDiff &diff);
// Says the preview on standard error, and asks for a yes when it is firm:
// ExitOk to go on, else the exit code of the refusal.
int confirmWrite(Context &ctx, const WritePreview &preview);

} // namespace Cli
