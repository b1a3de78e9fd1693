// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Nothing replaces an edited curve without asking: before a load, a read, a
// flat profile, an engine type or the close, the user saves the work,
// discards it or cancels.

#include <QCoreApplication>
#include <QString>

class WindowContext;

class CurveGuard {
    Q_DECLARE_TR_FUNCTIONS(CurveGuard)
public:
    // True to go on (saved or discarded, or nothing to lose), false to leave
    // everything as it is.
    static bool mayReplaceCurve(WindowContext &context);

    // Asks for a file name and saves the curve and K there (adding ".prf" to
    // a name without an extension); the model then keeps the file. False when
    // cancelled or refused (the user was told why). `why` (one line) is the
    // dialog's title when the save is not the user's own idea.
    static bool saveAs(WindowContext &context, const QString &why = QString());
    // The name the save dialog proposes: the file in use, else one made
    // from today's date in the profiles' folder.
    static QString proposedPath(const WindowContext &context);
};
