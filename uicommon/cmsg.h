// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's run-time texts, keyed by number and translated in the
// context "CMsg". Filled at start-up and again at every language switch.

#include <QMap>
#include <QObject>
#include <QString>

class CMsg : public QObject {
    Q_OBJECT
public:
    enum Id {
        LinkOn = 0,
        LinkOff = 1,
        BancoOn = 2,
        BancoOff = 3,
        NoProfile = 4,
        NoPort = 5,
        ChoosePort = 6,
        BoardFound = 7,
        BoardNotFound = 8,
        PlotTitle = 9,
        RpmAxisTitle = 10,
        PointsAxisTitle = 11,
        RpmFormat = 12,
        FlashRead = 13,
        FlashWrite = 14,
        CommError = 15,
    };

    ~CMsg() override;

    // Empties the table and fills ids 0 to 15 through the installed translators.
    static void loadTextTable();
    // The whole table (a missing id reads as an empty text).
    static QMap<int, QString> &textTable();
    static QString text(int id);
};
