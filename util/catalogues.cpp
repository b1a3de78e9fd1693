// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/catalogues.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Catalogues {

QString systemLanguage()
{
    return QLocale::system().language() == QLocale::Italian ? QStringLiteral("IT") : QStringLiteral("EN");
}

QString loadProgram(QTranslator &translator, bool italian)
{
    const QString file = italian ? QStringLiteral("Tervalix-it.qm") : QStringLiteral("Tervalix-en.qm");
    // A catalogue that fails to load leaves the source texts on show.
    (void)translator.load(file, QStringLiteral(":/linguist"));
    return file;
}

bool useQtLanguage(bool italian)
{
    // Lives as long as the process: Qt keeps a pointer to it while installed.
    static QTranslator *qt = nullptr;
    if (qt) {
        QCoreApplication::removeTranslator(qt);
        delete qt;
        qt = nullptr;
    }
    if (!italian)
        return true;
    auto *next = new QTranslator;
    if (!next->load(QStringLiteral("qtbase_it"), QLibraryInfo::location(QLibraryInfo::TranslationsPath))) {
        delete next;
        return false;
    }
    QCoreApplication::installTranslator(next);
    qt = next;
    return true;
}

} // namespace Catalogues
