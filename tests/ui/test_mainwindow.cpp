// Start-up, settings, the main window's form, its constructed state, its
// shortcuts and its close path.

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLayout>
#include <QLCDNumber>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>
#include <QTranslator>
#include <QScopeGuard>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <qwt_plot.h>
#include <qwt_plot_canvas.h>

#include "app/settingsformat.h"
#include "app/startup.h"
#include "util/safefile.h"
#include <cerrno>
#include "uicommon/cmsg.h"
#include "mainwindow/frmprogpannel.h"
#include "support/testsupport.h"

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

template <typename T>
T *child(QWidget *w, const char *name)
{
    return w->findChild<T *>(QString::fromLatin1(name));
}

QString settingText(const char *key)
{
    return QSettings().value(QString::fromLatin1(key)).toString();
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { settings.clear(); }

    void firstStartWritesDefaultsAndUsesItalian();
    void storedLanguageChoosesCatalogueAndCheckMarks_data();
    void storedLanguageChoosesCatalogueAndCheckMarks();
    void formHasEveryWidgetWithItsClass();
    void constructedControlStates();
    void menusInOrder();
    void textTableFollowsCatalogue();
    void arrowKeysReachCursorActionsFromAnyWidget();
    void ctrlPOpensPortSearch();
    void unusableSettingsFileIsNotWaitedFor();
    void settingsSurviveAFullDisk();
    void eachClosePathClosesOnceAndGeometrySurvives_data();
    void eachClosePathClosesOnceAndGeometrySurvives();

private:
    ScopedTestSettings settings;
};

void TestMainWindow::firstStartWritesDefaultsAndUsesItalian()
{
    QTranslator translator;
    QCOMPARE(QString::fromLatin1(Startup::loadStartupCatalogue(translator)), QStringLiteral("Tervalix-it.qm"));
    QCOMPARE(settingText("Language"), QStringLiteral("IT"));
    QCOMPARE(translator.translate("frmProgPannel", "tr(\"Close\")"), QStringLiteral("Chiudi"));

    QCoreApplication::installTranslator(&translator);
    {
        frmProgPannel w;
        QCOMPARE(settingText("Cylinders"), QStringLiteral("2"));
        QCOMPARE(w.size(), QSize(1075, 640));  // the design's 536 px and the value table
        // The title carries the modified mark's place holder; nothing is modified yet.
        QCOMPARE(w.windowTitle(), QStringLiteral("Tervalix - V.1.1.2.8[*]"));
        QVERIFY(!w.isWindowModified());
        QCOMPARE(child<QPushButton>(&w, "btClose")->text(), QStringLiteral("Chiudi"));
        QCOMPARE(child<QPushButton>(&w, "btRicercaPorta")->text(), QStringLiteral("     Cerca Tervalix"));
        QVERIFY(child<QAction>(&w, "actionItaliano")->isChecked());
        QVERIFY(!child<QAction>(&w, "actionInglese")->isChecked());
        QVERIFY(child<QAction>(&w, "actionCentralina_2cilindri")->isChecked());
    }
    QCoreApplication::removeTranslator(&translator);
}

void TestMainWindow::storedLanguageChoosesCatalogueAndCheckMarks_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("italianChecked");
    QTest::addColumn<bool>("englishChecked");
    QTest::addColumn<QString>("closeText");
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
    QSettings().setValue(QStringLiteral("Language"), stored);

    QTranslator translator;
    Startup::loadStartupCatalogue(translator);
    QCOMPARE(settingText("Language"), stored);  // an existing value is never rewritten
    QCoreApplication::installTranslator(&translator);
    {
        frmProgPannel w;
        QCOMPARE(child<QAction>(&w, "actionItaliano")->isChecked(), italianChecked);
        QCOMPARE(child<QAction>(&w, "actionInglese")->isChecked(), englishChecked);
        QCOMPARE(child<QPushButton>(&w, "btClose")->text(), closeText);
    }
    QCoreApplication::removeTranslator(&translator);
}

void TestMainWindow::formHasEveryWidgetWithItsClass()
{
    frmProgPannel w;
    const QList<QPair<const char *, const char *>> widgets = {
        {"centralwidget", "QWidget"},       {"gbCurva", "QGroupBox"},
        {"qwtPlot", "QwtPlot"},             {"gbGiri", "QGroupBox"},
        {"gbRPM", "QGroupBox"},             {"gbRPMValue", "QGroupBox"},
        {"lblRPM", "QLabel"},               {"lcdRPM", "QLCDNumber"},
        {"gbLogo", "QGroupBox"},            {"lblLogo", "QLabel"},
        {"gbPortaComm", "QGroupBox"},       {"label", "QLabel"},
        {"lblVirtualPort", "QLabel"},       {"btRicercaPorta", "QPushButton"},
        {"btStartLink", "QPushButton"},     {"gbLoadSave", "QGroupBox"},
        {"progressBar", "QProgressBar"},    {"btSaveFlash", "QPushButton"},
        {"btReadFlash", "QPushButton"},     {"gbParametri", "QGroupBox"},
        {"lblLivelloSensore", "QLabel"},    {"lblAdcSonda", "QLabel"},
        {"btBanco", "QPushButton"},         {"lblIniezione", "QLabel"},
        {"spKIniezione", "QSpinBox"},       {"lblProfiloPiatto", "QLabel"},
        {"spProfiloPiatto", "QSpinBox"},    {"btFlatProfile", "QPushButton"},
        {"gbProfilo", "QGroupBox"},         {"lblProfilo", "QLabel"},
        {"lblPathProfilo", "QLabel"},       {"btCaricaProfilo", "QPushButton"},
        {"btSalvaProfilo", "QPushButton"},  {"btClose", "QPushButton"},
        {"menubar", "QMenuBar"},            {"statusbar", "QStatusBar"},
        {"menuFile", "QMenu"},              {"menuConfigurazione", "QMenu"},
        {"menuTipoCentralina", "QMenu"},    {"menuSeleziona_Lingua", "QMenu"},
        {"menuMuovi_Cursure", "QMenu"},     {"menuAbout", "QMenu"},
    };
    for (const auto &entry : widgets) {
        QObject *o = w.findChild<QObject *>(QString::fromLatin1(entry.first));
        QVERIFY2(o, entry.first);
        QCOMPARE(QString::fromLatin1(o->metaObject()->className()), QString::fromLatin1(entry.second));
    }
    const char *layouts[] = {"gridLayout_2", "horizontalLayout_5", "horizontalLayout_9", "verticalLayout_6",
                             "horizontalLayout", "verticalLayout_5", "verticalLayout_4", "verticalLayout_2",
                             "horizontalLayout_8", "verticalLayoutExpertMode", "horizontalLayout_3",
                             "horizontalLayout_6", "verticalLayout_3", "horizontalLayout_4",
                             "horizontalLayout_7", "verticalLayout_8", "verticalLayout_7", "horizontalLayout_2"};
    for (const char *name : layouts)
        QVERIFY2(w.findChild<QLayout *>(QString::fromLatin1(name)), name);

    QCOMPARE(child<QGroupBox>(&w, "gbCurva")->minimumSize(), QSize(680, 327));
    QCOMPARE(child<QLabel>(&w, "lblRPM")->geometry(), QRect(10, 13, 91, 31));
    QCOMPARE(child<QLCDNumber>(&w, "lcdRPM")->geometry(), QRect(100, 4, 131, 51));
    QCOMPARE(child<QLabel>(&w, "lblLogo")->geometry(), QRect(2, 2, 232, 130));
    QCOMPARE(child<QGroupBox>(&w, "gbRPM")->styleSheet(), QStringLiteral("background-color: rgb(3, 0, 51);"));
    QCOMPARE(child<QGroupBox>(&w, "gbRPMValue")->styleSheet(),
             QStringLiteral("color: rgb(255, 255, 255); background-color: rgb(3, 0, 51);"));
    QCOMPARE(child<QLabel>(&w, "lblAdcSonda")->styleSheet(),
             QStringLiteral("background-color: rgb(154, 255, 113);"));
    QCOMPARE(child<QSpinBox>(&w, "spKIniezione")->styleSheet(),
             QStringLiteral("background-color: rgb(255, 246, 0);"));
    QCOMPARE(w.palette().color(QPalette::Active, QPalette::Window), QColor(3, 0, 51));
    QCOMPARE(w.palette().color(QPalette::Disabled, QPalette::ButtonText), QColor(26, 33, 32));
    QCOMPARE(child<QPushButton>(&w, "btClose")->palette().color(QPalette::Active, QPalette::ButtonText),
             QColor(255, 0, 0));
    QCOMPARE(child<QPushButton>(&w, "btSaveFlash")->palette().color(QPalette::Disabled, QPalette::ButtonText),
             QColor(176, 176, 176));
    QVERIFY(child<QPushButton>(&w, "btStartLink")->isDefault());
    QVERIFY(!w.windowIcon().isNull());
}

void TestMainWindow::constructedControlStates()
{
    QTranslator italian;
    QVERIFY(italian.load(QStringLiteral("Tervalix-it.qm"), QStringLiteral(":/linguist")));
    QCoreApplication::installTranslator(&italian);
    auto restore = qScopeGuard([&] { QCoreApplication::removeTranslator(&italian); });
    frmProgPannel w;
    w.show();
    const QString ledOff = QStringLiteral("background-image: url(:/led/imgs/LEDOFF.JPG);");
    auto *btRicercaPorta = child<QPushButton>(&w, "btRicercaPorta");
    auto *btStartLink = child<QPushButton>(&w, "btStartLink");
    auto *btBanco = child<QPushButton>(&w, "btBanco");
    QVERIFY(btRicercaPorta->isEnabled());
    QVERIFY(btRicercaPorta->styleSheet().contains(ledOff));
    QVERIFY(!btStartLink->isEnabled());
    QVERIFY(btStartLink->styleSheet().contains(ledOff));
    QCOMPARE(btStartLink->text(), CMsg::text(CMsg::LinkOff));
    for (const char *name : {"btSaveFlash", "btReadFlash"})
        QVERIFY2(!child<QPushButton>(&w, name)->isEnabled(), name);
    QVERIFY(!btBanco->isEnabled());
    QVERIFY(!btBanco->isVisible());
    QVERIFY(btBanco->styleSheet().contains(QStringLiteral("stop:0 rgba(0, 0, 0, 255)")));
    QVERIFY(!child<QLabel>(&w, "lblAdcSonda")->isVisible());
    QVERIFY(!child<QLabel>(&w, "lblLivelloSensore")->isVisible());
    QCOMPARE(child<QLabel>(&w, "lblAdcSonda")->text(), QStringLiteral("0"));
    for (const char *name : {"btCaricaProfilo", "btSalvaProfilo", "btFlatProfile", "btClose"})
        QVERIFY2(child<QPushButton>(&w, name)->isEnabled(), name);
    for (const char *name : {"spKIniezione", "spProfiloPiatto"}) {
        QVERIFY2(child<QSpinBox>(&w, name)->isEnabled(), name);
        QCOMPARE(child<QSpinBox>(&w, name)->focusPolicy(), Qt::NoFocus);
    }
    QCOMPARE(child<QSpinBox>(&w, "spKIniezione")->minimum(), 1);
    QCOMPARE(child<QSpinBox>(&w, "spKIniezione")->maximum(), 4);
    QCOMPARE(child<QSpinBox>(&w, "spProfiloPiatto")->minimum(), -10);
    QCOMPARE(child<QSpinBox>(&w, "spProfiloPiatto")->maximum(), 25);
    QCOMPARE(child<QLabel>(&w, "lblVirtualPort")->text(), CMsg::text(CMsg::NoPort));
    QCOMPARE(child<QLabel>(&w, "lblPathProfilo")->text(), CMsg::text(CMsg::NoProfile));
    QVERIFY(!child<QAction>(&w, "actionModo_Esperto")->isChecked());
    QVERIFY(child<QAction>(&w, "actionCentralina_2cilindri")->isEnabled());
    QVERIFY(child<QAction>(&w, "actionCentralina_4cilindri")->isEnabled());
    QVERIFY(!child<QAction>(&w, "actionCentralina_4cilindri")->isChecked());
    QCOMPARE(child<QProgressBar>(&w, "progressBar")->value(), 0);
    QCOMPARE(child<QLCDNumber>(&w, "lcdRPM")->intValue(), 0);

    // Pressing a disabled button does nothing; the others work.
    QSignalSpy percent(child<QProgressBar>(&w, "progressBar"), &QProgressBar::valueChanged);
    QTest::mouseClick(btStartLink, Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(&w, "btSaveFlash"), Qt::LeftButton);
    QTest::qWait(50);
    QVERIFY(btStartLink->styleSheet().contains(ledOff));
    QCOMPARE(percent.count(), 0);
}

void TestMainWindow::menusInOrder()
{
    frmProgPannel w;
    auto names = [](const QList<QAction *> &actions) {
        QStringList out;
        for (QAction *a : actions)
            out << (a->isSeparator() ? QStringLiteral("-")
                    : a->menu()      ? a->menu()->objectName()
                                     : a->objectName());
        return out;
    };
    QCOMPARE(names(child<QMenuBar>(&w, "menubar")->actions()),
             QStringList({"menuFile", "menuModifica", "menuConfigurazione", "menuDatiVivo", "menuMuovi_Cursure",
                          "menuAbout"}));
    QCOMPARE(names(child<QMenu>(&w, "menuFile")->actions()),
             QStringList({"actionCarica_Profilo", "actionSalva_Profilo", "-", "actionRipristina_Backup", "-",
                          "actionUscita_Programma"}));
    QCOMPARE(names(child<QMenu>(&w, "menuModifica")->actions()),
             QStringList({"actionUndo", "actionRedo", "-", "actionCopia", "actionIncolla", "-", "actionImposta",
                          "actionAggiungi", "actionScala", "actionInterpola", "actionLiscia", "-",
                          "actionConfrontaFile", "actionConfrontaEcu", "actionNascondiConfronto"}));
    QCOMPARE(child<QAction>(&w, "actionUndo")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    QCOMPARE(child<QAction>(&w, "actionRedo")->shortcuts(),
             (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}));
    QCOMPARE(names(child<QMenu>(&w, "menuConfigurazione")->actions()),
             QStringList({"actionCercaCentralina", "actionDiagnosi", "actionRicercaAutomatica", "-", "menuTipoCentralina", "-", "menuSeleziona_Lingua", "-",
                          "actionModo_Esperto"}));
    QCOMPARE(names(child<QMenu>(&w, "menuMuovi_Cursure")->actions()),
             QStringList({"actionMuovi_Su", "actionMuovi_Giu", "actionMuovi_Sinistra", "actionMuovi_Destra"}));
    QCOMPARE(child<QAction>(&w, "actionCercaCentralina")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    QCOMPARE(child<QAction>(&w, "actionMuovi_Su")->shortcut(), QKeySequence(Qt::Key_Up));
    QCOMPARE(child<QAction>(&w, "actionMuovi_Destra")->shortcut(), QKeySequence(Qt::Key_Right));
    for (const char *name : {"actionCentralina_2cilindri", "actionCentralina_4cilindri", "actionInglese",
                             "actionItaliano", "actionModo_Esperto"})
        QVERIFY2(child<QAction>(&w, name)->isCheckable(), name);
    QVERIFY(!child<QAction>(&w, "actionUscita_Programma")->isCheckable());
    QVERIFY(child<QAction>(&w, "actionUscita_Programma")->shortcut().isEmpty());
}

void TestMainWindow::textTableFollowsCatalogue()
{
    QTranslator english;
    QVERIFY(english.load(QStringLiteral("Tervalix-en.qm"), QStringLiteral(":/linguist")));
    QCoreApplication::installTranslator(&english);
    CMsg::loadTextTable();
    QCOMPARE(CMsg::textTable().size(), 16);
    QCOMPARE(CMsg::text(CMsg::FlashWrite), QStringLiteral(" Updating profile on Tervalix"));
    QCOMPARE(CMsg::text(CMsg::NoProfile), QStringLiteral("<No profile loaded>"));
    QCOMPARE(CMsg::text(CMsg::LinkOn), CMsg::text(CMsg::LinkOff));
    QCoreApplication::removeTranslator(&english);
    CMsg::loadTextTable();
    // Without a catalogue the source texts show.
    QCOMPARE(CMsg::text(CMsg::NoProfile), QStringLiteral("<Nessun profilo>"));
    QCOMPARE(CMsg::text(99), QString());
}

void TestMainWindow::arrowKeysReachCursorActionsFromAnyWidget()
{
    frmProgPannel w;
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    struct Key {
        Qt::Key key;
        const char *action;
    };
    const Key keys[] = {{Qt::Key_Up, "actionMuovi_Su"},
                        {Qt::Key_Down, "actionMuovi_Giu"},
                        {Qt::Key_Left, "actionMuovi_Sinistra"},
                        {Qt::Key_Right, "actionMuovi_Destra"}};
    QList<QWidget *> focusTargets = {child<QPushButton>(&w, "btClose"), child<QPushButton>(&w, "btFlatProfile"),
                                     child<QPushButton>(&w, "btRicercaPorta"),
                                     child<QwtPlot>(&w, "qwtPlot")->canvas()};
    for (QWidget *target : focusTargets) {
        target->setFocus(Qt::OtherFocusReason);
        for (const Key &k : keys) {
            QSignalSpy spy(child<QAction>(&w, k.action), &QAction::triggered);
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : target, k.key);
            QVERIFY2(spy.count() == 1, qPrintable(target->objectName() + QLatin1Char(' ') + QLatin1String(k.action)));
        }
    }
    // Clicking a spin box changes its value but does not give it the keyboard
    // focus, so it cannot swallow the arrows.
    auto *k = child<QSpinBox>(&w, "spKIniezione");
    QWidget *before = QApplication::focusWidget();
    QTest::mouseClick(k, Qt::LeftButton, Qt::NoModifier, QPoint(k->width() - 5, 4));
    QCOMPARE(QApplication::focusWidget(), before);
    QSignalSpy up(child<QAction>(&w, "actionMuovi_Su"), &QAction::triggered);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QCOMPARE(up.count(), 1);
}

void TestMainWindow::ctrlPOpensPortSearch()
{
    frmProgPannel w;
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QSignalSpy spy(child<QAction>(&w, "actionCercaCentralina"), &QAction::triggered);
    QTest::keyClick(&w, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(spy.count(), 1);
    // The search dialog opened; close it again so the window is left as it was.
    QWidget *dialog = w.findChild<QWidget *>(QStringLiteral("frmRicercaPorta"));
    QVERIFY(dialog);
    QVERIFY(waitFor([&] { return dialog->isVisible(); }, 2000));
    dialog->close();
}

void TestMainWindow::eachClosePathClosesOnceAndGeometrySurvives_data()
{
    QTest::addColumn<int>("path");
    QTest::newRow("btClose") << 0;
    QTest::newRow("exit action") << 1;
    QTest::newRow("window close") << 2;
}

void TestMainWindow::eachClosePathClosesOnceAndGeometrySurvives()
{
    // Whether the stored geometry comes back is a matter of the screen it
    // must fit (the offscreen one is 800 x 600): see the suite run under
    // Xvfb. Here: each way out closes once, and the geometry is stored.
    QFETCH(int, path);
    {
        frmProgPannel w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        CloseCounter counter;
        w.installEventFilter(&counter);
        QSignalSpy closeSignal(&w, &frmProgPannel::sgnClose);
        if (path == 0)
            QTest::mouseClick(child<QPushButton>(&w, "btClose"), Qt::LeftButton);
        else if (path == 1)
            child<QAction>(&w, "actionUscita_Programma")->trigger();
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
