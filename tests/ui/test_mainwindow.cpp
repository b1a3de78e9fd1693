// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and settings, the window's state before any unit is found, its
// shortcuts and its close path.

#include <QSignalSpy>
#include <QTranslator>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <qwt_plot.h>

#include "app/settingsformat.h"
#include "app/startup.h"
#include "uicommon/cmsg.h"
#include "util/safefile.h"
#include "support/testsupport.h"
#include "util/catalogues.h"
#include "support/windowaccess.h"

namespace {

// Counts the close events that reach a window.
class CloseCounter : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Close)
            ++count;
        return false;
    }
};

QString settingText(const char *key)
{
    return QSettings().value(QString::fromLatin1(key)).toString();
}

void showActive(QWidget &w)
{
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { settings.clear(); }

    void storedLanguageChoosesCatalogueAndCheckMarks_data();
    void storedLanguageChoosesCatalogueAndCheckMarks();
    void beforeAnyUnitOnlyTheSearchAndTheFilesWork();
    void shortcutsReachTheirActionsFromAnyWidget();
    void eachClosePathClosesOnceAndStoresTheGeometry_data();
    void eachClosePathClosesOnceAndStoresTheGeometry();
    void unusableSettingsFileIsNotWaitedFor();
    void settingsSurviveAFullDisk();

private:
    ScopedTestSettings settings;
};

void TestMainWindow::storedLanguageChoosesCatalogueAndCheckMarks_data()
{
    QTest::addColumn<QString>("stored");  // null: first start
    QTest::addColumn<bool>("italianChecked");
    QTest::addColumn<bool>("englishChecked");
    QTest::addColumn<QString>("closeText");
    // A first start speaks the system's language.
    const bool italian = Catalogues::systemLanguage() == QLatin1String("IT");
    QTest::newRow("first start") << QString() << italian << !italian << (italian ? "Chiudi" : "Close");
    QTest::newRow("EN") << "EN" << false << true << "Close";
    QTest::newRow("IT") << "IT" << true << false << "Chiudi";
    QTest::newRow("lower-case it") << "it" << false << false << "Close";
    QTest::newRow("empty") << "" << false << false << "Close";
}

void TestMainWindow::storedLanguageChoosesCatalogueAndCheckMarks()
{
    QFETCH(QString, stored);
    QFETCH(bool, italianChecked);
    QFETCH(bool, englishChecked);
    QFETCH(QString, closeText);
    if (!stored.isNull())
        QSettings().setValue(QStringLiteral("Language"), stored);

    QTranslator translator;
    const QString loaded = QString::fromLatin1(Startup::loadStartupCatalogue(translator));
    // A first start writes the system's language; an existing value is never
    // rewritten.
    QCOMPARE(settingText("Language"), stored.isNull() ? Catalogues::systemLanguage() : stored);
    if (stored.isNull())
        QCOMPARE(loaded, Catalogues::systemLanguage() == QLatin1String("IT") ? QStringLiteral("Tervalix-it.qm")
                                                                             : QStringLiteral("Tervalix-en.qm"));
    QCoreApplication::installTranslator(&translator);
    {
        frmProgPannel w;
        QCOMPARE(w.form()->actionItaliano->isChecked(), italianChecked);
        QCOMPARE(w.form()->actionInglese->isChecked(), englishChecked);
        QCOMPARE(w.form()->btClose->text(), closeText);
        if (stored.isNull()) {
            QCOMPARE(settingText("Cylinders"), QStringLiteral("2"));
            // The design's 536 px and the value table, within the screen.
            QCOMPARE(w.size(), QSize(1075, 640).boundedTo(w.screen()->availableGeometry().size()));
            // The modified mark's place holder; nothing is modified yet.
            QCOMPARE(w.windowTitle(), QStringLiteral("Tervalix - V.1.1.2.8[*]"));
            QVERIFY(!w.isWindowModified());
        }
    }
    QCoreApplication::removeTranslator(&translator);
}

void TestMainWindow::beforeAnyUnitOnlyTheSearchAndTheFilesWork()
{
    auto r = LinkedWindow::unlinked();
    r->w->show();
    Ui::frmProgPannel *ui = r->ui();
    for (QWidget *on : {static_cast<QWidget *>(ui->btRicercaPorta), static_cast<QWidget *>(ui->btCaricaProfilo),
                        static_cast<QWidget *>(ui->btSalvaProfilo), static_cast<QWidget *>(ui->btFlatProfile),
                        static_cast<QWidget *>(ui->btClose), static_cast<QWidget *>(ui->spKIniezione)})
        QVERIFY2(on->isEnabled(), qPrintable(on->objectName()));
    for (QWidget *off : {ui->btStartLink, ui->btSaveFlash, ui->btReadFlash, ui->btBanco})
        QVERIFY2(!off->isEnabled(), qPrintable(off->objectName()));
    // Expert controls hidden; both engine types to choose from.
    QVERIFY(!ui->btBanco->isVisible() && !ui->lblAdcSonda->isVisible());
    QVERIFY(ui->actionCentralina_4cilindri->isEnabled());
    QCOMPARE(ui->lblVirtualPort->text(), CMsg::text(CMsg::NoPort));
    QCOMPARE(ui->lblPathProfilo->text(), CMsg::text(CMsg::NoProfile));
    QCOMPARE(ui->spKIniezione->value(), 1);
    QCOMPARE(ui->spKIniezione->maximum(), 4);

    // Pressing a disabled button does nothing.
    const QString ledOff = ui->btStartLink->styleSheet();
    click(ui->btStartLink);
    click(ui->btSaveFlash);
    click(ui->btReadFlash);
    QTest::qWait(50);
    QCOMPARE(ui->btStartLink->styleSheet(), ledOff);
    QCOMPARE(ui->progressBar->value(), 0);
    QVERIFY(!r->session()->isPolling() && !r->session()->isBusy());
}

void TestMainWindow::shortcutsReachTheirActionsFromAnyWidget()
{
    frmProgPannel w;
    showActive(w);
    const QPair<Qt::Key, QAction *> keys[] = {{Qt::Key_Up, w.form()->actionMuovi_Su},
                                               {Qt::Key_Down, w.form()->actionMuovi_Giu},
                                               {Qt::Key_Left, w.form()->actionMuovi_Sinistra},
                                               {Qt::Key_Right, w.form()->actionMuovi_Destra}};
    const QList<QWidget *> focusTargets = {w.form()->btClose, w.form()->btFlatProfile, w.form()->btRicercaPorta,
                                           w.form()->qwtPlot->canvas()};
    for (QWidget *target : focusTargets) {
        target->setFocus(Qt::OtherFocusReason);
        for (const auto &k : keys) {
            QSignalSpy spy(k.second, &QAction::triggered);
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : target, k.first);
            QVERIFY2(spy.count() == 1, qPrintable(target->objectName() + QLatin1Char(' ') + k.second->objectName()));
        }
    }
    // Clicking a spin box changes its value but does not take the keyboard
    // focus, so it cannot swallow the arrows.
    QSpinBox *k = w.form()->spKIniezione;
    QWidget *before = QApplication::focusWidget();
    QTest::mouseClick(k, Qt::LeftButton, Qt::NoModifier, QPoint(k->width() - 5, 4));
    QCOMPARE(QApplication::focusWidget(), before);
    QSignalSpy up(w.form()->actionMuovi_Su, &QAction::triggered);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QCOMPARE(up.count(), 1);

    // Ctrl+P opens the search.
    QTest::keyClick(&w, Qt::Key_P, Qt::ControlModifier);
    QWidget *dialog = w.findChild<QWidget *>(QStringLiteral("frmRicercaPorta"));
    QVERIFY(dialog && waitFor([&] { return dialog->isVisible(); }));
    dialog->close();
}

void TestMainWindow::eachClosePathClosesOnceAndStoresTheGeometry_data()
{
    QTest::addColumn<int>("path");
    QTest::newRow("btClose") << 0;
    QTest::newRow("exit action") << 1;
    QTest::newRow("window close") << 2;
}

void TestMainWindow::eachClosePathClosesOnceAndStoresTheGeometry()
{
    // Whether the stored geometry comes back depends on the screen it must
    // fit: see the suite run under Xvfb.
    QFETCH(int, path);
    {
        frmProgPannel w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        CloseCounter counter;
        w.installEventFilter(&counter);
        QSignalSpy closeSignal(&w, &frmProgPannel::sgnClose);
        if (path == 0)
            click(w.form()->btClose);
        else if (path == 1)
            w.form()->actionUscita_Programma->trigger();
        else
            w.close();
        QVERIFY(!w.isVisible());
        QCOMPARE(counter.count, 1);
        QCOMPARE(closeSignal.count(), 1);
        QVERIFY(!QSettings().value(QStringLiteral("Geometry")).isValid());  // saved when the window goes
    }
    QVERIFY(QSettings().value(QStringLiteral("Geometry")).isValid());
}

void TestMainWindow::unusableSettingsFileIsNotWaitedFor()
{
#ifdef Q_OS_LINUX
    // A settings file that cannot be used: a FIFO (reading it would block
    // the start for good), one far too large to be ours, one that may not
    // be read. The run goes on with settings of its own, and says why.
    QTemporaryDir config;
    QVERIFY(QDir().mkpath(config.filePath("Brundholt")));
    const QString file = config.filePath("Brundholt/Tervalix.conf");
    const QList<QPair<std::function<bool()>, QString>> rows = {
        {[&] { return ::mkfifo(QFile::encodeName(file).constData(), 0600) == 0; }, "non è un file regolare"},
        {[&] {
             QFile f(file);
             return f.open(QIODevice::WriteOnly) && f.resize(SettingsFormat::MaxFileBytes + 1);
         },
         "byte"},
        {[&] {
             QFile f(file);
             return ::getuid() != 0 && f.open(QIODevice::WriteOnly) && f.setPermissions({});
         },
         "permesso negato"},
    };
    for (const auto &row : rows) {
        QFile::remove(file);
        if (!row.first())
            continue;  // root reads anything
        QCOMPARE(Startup::guardSettingsStore(config.path()), file);
        QVERIFY2(Startup::settingsProblemText(file).contains(row.second), qPrintable(Startup::settingsProblemText(file)));
        QSettings s;
        s.setValue(QStringLiteral("Language"), QStringLiteral("EN"));
        s.sync();
        QCOMPARE(s.status(), QSettings::NoError);
        QVERIFY(!s.fileName().startsWith(config.path()));
    }
    // A regular file (or none) is left alone.
    QFile::remove(file);
    QVERIFY(Startup::guardSettingsStore(config.path()).isEmpty());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
#endif
}

void TestMainWindow::settingsSurviveAFullDisk()
{
#ifdef Q_OS_LINUX
    QTemporaryDir config;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
    QVERIFY(SettingsFormat::install() != QSettings::InvalidFormat);
    const QByteArray geometry = QByteArray::fromHex("01d9d0cb000300") + " and more";
    {
        QSettings s;
        s.setValue(QStringLiteral("Language"), QStringLiteral("EN"));
        s.setValue(QStringLiteral("Geometry"), geometry);
    }
    const QString path = config.filePath("Brundholt/Tervalix.conf");
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();
    QVERIFY(before.contains("Language=EN"));  // Qt's own INI text, readable by Qt alike
    QCOMPARE(QSettings().value(QStringLiteral("Geometry")).toByteArray(), geometry);

    // The disk is full when the window closes: the old file stays whole.
    SafeFile::setWriteHook([](int, const char *, std::size_t) -> long {
        errno = ENOSPC;
        return -1;
    });
    {
        QSettings s;
        s.setValue(QStringLiteral("Language"), QStringLiteral("IT"));
        s.sync();
        QCOMPARE(s.status(), QSettings::AccessError);
    }
    SafeFile::setWriteHook(nullptr);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
    f.close();

    // The settings file is a link: its target is never written.
    const QString target = config.filePath("passwd");
    QVERIFY(QFile::rename(path, target));
    QVERIFY(QFile::link(target, path));
    {
        QSettings s;
        s.setValue(QStringLiteral("Language"), QStringLiteral("IT"));
        s.sync();
        QCOMPARE(s.status(), QSettings::AccessError);
        QCOMPARE(s.value(QStringLiteral("Language")).toString(), QStringLiteral("IT"));  // kept for this run
    }
    QFile t(target);
    QVERIFY(t.open(QIODevice::ReadOnly));
    QCOMPARE(t.readAll(), before);
    QVERIFY(QFileInfo(path).isSymLink());
    QSettings::setDefaultFormat(QSettings::NativeFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
#endif
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
