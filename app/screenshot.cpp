// SPDX-License-Identifier: GPL-3.0-or-later
// Takes pictures of the main window for the README:
//   tervalix-screenshot OUT.png [IT|EN] [expert] [connect] [history] [full]
//                       [record=SECONDS] [logs=FOLDER] [compare] [tunehistory] [zoom=OBJECTNAME]
// "record" records live data for that long before the picture and prints the
// log's path, its lines and the poll rate on show. "tunehistory" names the
// unit's bike, writes the shaped curve, notes the entry and opens the
// bike's history (zoom=frmCronologia takes it).
// Settings go to a temporary folder, so the user's own are never touched.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <cmath>

#include "app/startup.h"
#include "uicommon/highdpi.h"
#include "mainwindow/frmprogpannel.h"
#include "history/historyrecorder.h"
#include "panels/historypanel.h"
#include "panels/historyview.h"
#include "panels/mixturepanel.h"
#include "profile/curvemodel.h"
#include "util/settingskeys.h"

int main(int argc, char **argv)
{
    Startup::setApplicationIdentity();
    HighDpi::enable();
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        fprintf(stderr, "usage: %s OUT.png [IT|EN] [expert]\n", argv[0]);
        return 2;
    }
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    QSettings().setValue(SettingsKeys::language(), args.value(2, QStringLiteral("IT")));
    QTranslator translator;
    Startup::loadStartupCatalogue(translator);
    QCoreApplication::installTranslator(&translator);

    frmProgPannel window(Startup::sessionConfigFromEnvironment(Startup::SerialSimulator::Offer));
    int recordSeconds = 0;
    QTemporaryDir logs;
    window.setLogFolder(logs.path());
    QTemporaryDir profiles;
    const bool tuneHistory = args.contains(QStringLiteral("tunehistory"));
    if (tuneHistory)
        window.setProfileFolder(profiles.path());
    for (const QString &a : args) {
        if (a.startsWith(QLatin1String("record=")))
            recordSeconds = a.mid(7).toInt();
        if (a.startsWith(QLatin1String("logs=")))
            window.setLogFolder(a.mid(5));
    }
    // "full": the window fills the screen, as a maximised window would.
    if (args.contains(QStringLiteral("full")))
        window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    window.show();
    if (args.contains(QStringLiteral("expert"))) {
        window.findChild<QAction *>(QStringLiteral("actionModo_Esperto"))->trigger();
        auto *login = window.findChild<QDialog *>(QStringLiteral("frmLogin"));
        login->findChild<QLineEdit *>(QStringLiteral("lePassword"))->setText(QStringLiteral("8406"));
        login->findChild<QPushButton *>(QStringLiteral("btLogin"))->click();
    }
    // "connect": search (with TERVALIX_SIMULATOR set, the simulated ECU
    // answers), let the profile read finish, shape the curve as a tuner would,
    // and switch the live monitor on before the picture is taken.
    const bool connect = args.contains(QStringLiteral("connect"));
    if (connect) {
        window.findChild<QAction *>(QStringLiteral("actionCercaCentralina"))->trigger();
        QTimer::singleShot(400, [&] {
            if (auto *search = window.findChild<QDialog *>(QStringLiteral("frmRicercaPorta")))
                search->close();
        });
        QTimer::singleShot(6000, [&] {
            QVector<int> values;
            for (int i = 0; i < Curve::Points; ++i) {
                const double bump = 14.0 * std::exp(-std::pow((i - 24) / 7.0, 2.0));
                values << int(std::round(bump - 4.0 + i * 0.2));
            }
            window.curveModel()->setValues(values, QStringLiteral("shape"));
            window.findChild<QPushButton *>(QStringLiteral("btStartLink"))->click();
            if (args.contains(QStringLiteral("history")))
                window.findChild<QAction *>(QStringLiteral("actionStorico"))->trigger();
            if (args.contains(QStringLiteral("compare")))
                window.findChild<QAction *>(QStringLiteral("actionConfrontaEcu"))->trigger();
            if (recordSeconds > 0)
                window.findChild<QAction *>(QStringLiteral("actionRegistra"))->trigger();
            if (tuneHistory) {
                HistoryPanel *history = window.historyPanel();
                Bike bike;
                QString error;
                if (!history->library().bikes().add(QStringLiteral("Monster 821"), &bike, &error)
                    || !history->recorder()->confirmBike(bike.key, &error))
                    fprintf(stderr, "bike: %s\n", qPrintable(error));
                window.onSaveFlashClicked();
            }
        });
        if (tuneHistory)
            QTimer::singleShot(8500, [&] {
                HistoryPanel *history = window.historyPanel();
                const QString bike = history->recorder()->bike();
                Annotations notes;
                notes.notes = args.value(2) == QLatin1String("EN") ? QStringLiteral("After the dyno run, open exhaust")
                                                                   : QStringLiteral("Dopo il banco, scarico aperto");
                notes.tags = QStringList{QStringLiteral("dyno")};
                notes.conditions.insert(QStringLiteral("exhaust"), QStringLiteral("open"));
                notes.conditions.insert(QStringLiteral("fuel"), QStringLiteral("98"));
                history->library().store(bike).annotate(history->recorder()->currentEntry(), notes, nullptr);
                window.findChild<QAction *>(QStringLiteral("actionCronologia"))->trigger();
                // Both entries chosen: what the write changed.
                if (auto *entries = window.findChild<QTableWidget *>(QStringLiteral("tblVoci")))
                    entries->selectAll();
            });
    }
    // "mixture=DIR": the analysis of DIR/live.csv and DIR/wideband.csv (as
    // tervalix-ecu-sim --write-logs makes them) in its panel; take it with
    // zoom=frmMiscela.
    for (const QString &a : args)
        if (a.startsWith(QLatin1String("mixture="))) {
            const QDir logs(a.mid(8));
            window.mixturePanel()->analyseFiles({logs.filePath(QStringLiteral("live.csv"))},
                                                {logs.filePath(QStringLiteral("wideband.csv"))});
        }
    const int shotAt = connect ? (tuneHistory ? 10000 : 9000) + recordSeconds * 1000 : 800;
    QTimer::singleShot(shotAt, [&] {
        if (recordSeconds > 0) {
            auto *poll = window.findChild<QLabel *>(QStringLiteral("lblPoll"));
            printf("poll rate on show: %s\n", poll ? qPrintable(poll->text()) : "?");
            window.findChild<QAction *>(QStringLiteral("actionRegistra"))->trigger();  // stop
            const QStringList logs = QDir(window.logFolder()).entryList({QStringLiteral("*.csv")}, QDir::Files);
            for (const QString &name : logs) {
                QFile f(QDir(window.logFolder()).filePath(name));
                f.open(QIODevice::ReadOnly);
                printf("log %s: %d lines\n", qPrintable(f.fileName()), int(f.readAll().count('\n')) - 1);
            }
            fflush(stdout);
        }
        // "zoom=NAME" grabs one child, three times enlarged, for a closer look.
        QWidget *target = &window;
        for (const QString &a : args)
            if (a.startsWith(QLatin1String("zoom=")))
                target = window.findChild<QWidget *>(a.mid(5));
        if (!target)
            target = &window;
        if (qEnvironmentVariableIsSet("TERVALIX_DUMP_GEOMETRY")) {
            printf("window %dx%d minimum %dx%d\n", window.width(), window.height(),
                   window.minimumSizeHint().width(), window.minimumSizeHint().height());
            for (QWidget *w : window.findChildren<QWidget *>())
                if (!w->objectName().isEmpty() && w->isVisible())
                    printf("%s %d,%d %dx%d\n", qPrintable(w->objectName()), w->x(), w->y(), w->width(),
                           w->height());
        }
        QPixmap shot = target->grab();
        if (target != &window && !target->isWindow() && !shot.isNull())
            shot = shot.scaled(shot.size() * 3);
        const bool ok = shot.save(args.at(1));
        QCoreApplication::exit(ok ? 0 : 1);
    });
    return QApplication::exec();
}
