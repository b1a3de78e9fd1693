// SPDX-License-Identifier: GPL-3.0-or-later
#include "uicommon/cmsg.h"

#include <QCoreApplication>

CMsg::~CMsg() = default;

QMap<int, QString> &CMsg::textTable()
{
    static QMap<int, QString> table;
    return table;
}

QString CMsg::text(int id)
{
    return textTable()[id];
}

void CMsg::loadTextTable()
{
    static const char *const sources[] = {
        QT_TRANSLATE_NOOP("CMsg", "Link ON"),
        QT_TRANSLATE_NOOP("CMsg", "Link OFF"),
        QT_TRANSLATE_NOOP("CMsg", "Banco ON"),
        QT_TRANSLATE_NOOP("CMsg", "Banco OFF"),
        QT_TRANSLATE_NOOP("CMsg", "<Nessun profilo>"),
        QT_TRANSLATE_NOOP("CMsg", "<Nessuna>"),
        QT_TRANSLATE_NOOP("CMsg", "<Selezionare una porta>"),
        QT_TRANSLATE_NOOP("CMsg", "Scheda trovata"),
        QT_TRANSLATE_NOOP("CMsg", "Scheda non trovata"),
        QT_TRANSLATE_NOOP("CMsg", "Curva iniezione"),
        QT_TRANSLATE_NOOP("CMsg", "Giri al Minuto"),
        QT_TRANSLATE_NOOP("CMsg", "Punti"),
        QT_TRANSLATE_NOOP("CMsg", "%1 Giri/min"),
        QT_TRANSLATE_NOOP("CMsg", "Lettura FLASH"),
        QT_TRANSLATE_NOOP("CMsg", "Aggiornamento FLASH"),
        QT_TRANSLATE_NOOP("CMsg", "Errore di comunicazione con la scheda"),
    };
    QMap<int, QString> &table = textTable();
    table.clear();
    for (int id = 0; id < int(sizeof sources / sizeof *sources); ++id)
        table[id] = QCoreApplication::translate("CMsg", sources[id]);
}
