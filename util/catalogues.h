// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The translation catalogues a language needs: the program's own (compiled
// in) and Qt's, for the texts of Qt's own dialogs and buttons (Save,
// Discard, Cancel, Yes, No ...), from the system's Qt translations.

#include <QString>

class QTranslator;

namespace Catalogues {

// "IT" or "EN" for a first start: the system's language when it is
// Italian, else English.
QString systemLanguage();
// The program's catalogue for `italian` into `translator`; its file name.
QString loadProgram(QTranslator &translator, bool italian);
// Qt's own texts follow `italian` for the whole process: one catalogue,
// installed or taken out again (English needs none). False when Italian was
// asked for and the system has no such catalogue (Qt's English texts stay).
bool useQtLanguage(bool italian);

} // namespace Catalogues
