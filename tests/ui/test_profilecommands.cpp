// The main window's profile commands, file dialogs answered by a script, and
// its reactions to the live-data thread: no ECU attached.

#include <QAction>
#include <QFile>
#include <QProgressBar>
#include <QLCDNumber>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <qwt_plot_curve.h>

#include "link/cgestrt.h"
#include "link/protocol.h"
#include "mainwindow/cmsg.h"
#include "mainwindow/frmprogpannel.h"
#include "mainwindow/ui_frmprogpannel.h"
#include "mainwindow/userprompts.h"
#include "support/testsupport.h"
#include "support/windowaccess.h"

using Access = TervalixTestAccess;

namespace {

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QVector<double> ramp()
{
    QVector<double> v;
    for (int i = 0; i < 41; ++i)
        v.append(i % 20 - 5);
    return v;
}

} // namespace

class TestProfileCommands : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadGivesCurveKAndPath();
    void refusedFileChangesNothing_data();
    void refusedFileChangesNothing();
    void pollingResumesOnEveryWayOut();
    void saveTruncatesAndReloads();
    void failedSaveKeepsOldFileAndTellsUser();
    void saveAndSendCancelledSendsNothing();
    void unknownWordDoesNothing();
    void readCommandForgetsTheFile();

    void transferBlocksControlsUntilOutcome();
    void lostLinkWarnsOnceAndKeepsCurve();
    void liveValuesShownOnlyWhileLinkable();
    void benchButtonQueuesAndToggles();
    void kChangeQueuesOnlyWhileConnected();

private:
    std::unique_ptr<ScopedTestSettings> settings;
    std::unique_ptr<QTemporaryDir> dir;
    std::shared_ptr<PromptLog> log;
    std::unique_ptr<frmProgPannel> w;
    Ui::frmProgPannel *ui() { return Access::ui(*w); }
};

void TestProfileCommands::init()
{
    settings = std::make_unique<ScopedTestSettings>();
    dir = std::make_unique<QTemporaryDir>();
    log = std::make_shared<PromptLog>();
    w = std::make_unique<frmProgPannel>();
    w->setUserPrompts(new ScriptedPrompts(log));
}

void TestProfileCommands::cleanup()
{
    w.reset();
    dir.reset();
    settings.reset();
}

void TestProfileCommands::loadGivesCurveKAndPath()
{
    const QString path = dir->filePath("flat.prf");
    QVERIFY(writeAll(path, QByteArray(41, '\xF6') + '\x02'));
    log->openAnswers << path;
    w->execCmd("LOAD_PROFILE");
    QCOMPARE(Access::curveValues(*w), QVector<double>(41, -10.0));
    QCOMPARE(ui()->spKIniezione->value(), 2);
    QCOMPARE(ui()->lblPathProfilo->text(), path);
    QVERIFY(Access::pathFlag(*w));
    QCOMPARE(log->captions.value(0), QString("Apre File di Profilo|./Profili|Profili (*.prf)"));
    QVERIFY(log->warnings.isEmpty());
}

void TestProfileCommands::refusedFileChangesNothing_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("10 bytes") << 10;
    QTest::newRow("43 bytes") << 43;
    QTest::newRow("missing") << -1;
}

void TestProfileCommands::refusedFileChangesNothing()
{
    QFETCH(int, size);
    const QString path = dir->filePath("bad.prf");
    if (size >= 0)
        QVERIFY(writeAll(path, QByteArray(size, '\x09')));
    Access::setCurveValues(*w, ramp());
    ui()->spKIniezione->setValue(3);
    const QString label = ui()->lblPathProfilo->text();
    log->openAnswers << path;
    w->execCmd("LOAD_PROFILE");
    QCOMPARE(log->warnings.size(), 1);
    QVERIFY(log->warnings.at(0).contains("bad.prf"));
    QCOMPARE(Access::curveValues(*w), ramp());
    QCOMPARE(ui()->spKIniezione->value(), 3);
    QCOMPARE(ui()->lblPathProfilo->text(), label);
    QVERIFY(!Access::pathFlag(*w));
}

void TestProfileCommands::pollingResumesOnEveryWayOut()
{
    CGestRT *rt = Access::rt(*w);
    const QString bad = dir->filePath("short.prf");
    QVERIFY(writeAll(bad, "abc"));
    const QString good = dir->filePath("good.prf");
    QVERIFY(writeAll(good, QByteArray(42, '\x01')));

    // Link off: polling stays off whatever happens.
    log->openAnswers << good;
    w->execCmd("LOAD_PROFILE");
    QVERIFY(!rt->isPolling());

    Access::link(*w) = true;
    for (const QString &answer : {QString(), bad, good, dir->filePath("none.prf")}) {
        rt->stopPolling();
        log->openAnswers << answer;
        w->execCmd("LOAD_PROFILE");
        QVERIFY2(rt->isPolling(), qPrintable("load " + answer));
    }
    for (const QString &answer : {QString(), dir->filePath("x.prf"), dir->filePath("no/such/x.prf")}) {
        rt->stopPolling();
        log->saveAnswers << answer;
        w->execCmd("SAVE_PROFILE");
        QVERIFY2(rt->isPolling(), qPrintable("save " + answer));
    }
    rt->stopPolling();
    Access::link(*w) = false;
}

void TestProfileCommands::saveTruncatesAndReloads()
{
    QVector<double> v = ramp();
    v[0] = -3.5;
    v[1] = 12.7;
    Access::setCurveValues(*w, v);
    ui()->spKIniezione->setValue(4);
    const QString path = dir->filePath("saved.prf");
    log->saveAnswers << path;
    w->execCmd("SAVE_PROFILE");
    const QByteArray bytes = readAll(path);
    QCOMPARE(bytes.size(), 42);
    QCOMPARE(static_cast<uchar>(bytes[0]), uchar(0xFD));
    QCOMPARE(static_cast<uchar>(bytes[1]), uchar(0x0C));
    QCOMPARE(static_cast<uchar>(bytes[41]), uchar(4));
    QCOMPARE(ui()->lblPathProfilo->text(), path);
    QVERIFY(Access::pathFlag(*w));
    QCOMPARE(log->captions.value(0), QString("Salva File di Profilo|./Profili|Profili (*.prf)"));

    // Round trip through the window.
    w->onFlatProfileClicked();
    ui()->spKIniezione->setValue(1);
    log->openAnswers << path;
    w->execCmd("LOAD_PROFILE");
    v[0] = -3;
    v[1] = 12;
    QCOMPARE(Access::curveValues(*w), v);
    QCOMPARE(ui()->spKIniezione->value(), 4);
}

void TestProfileCommands::failedSaveKeepsOldFileAndTellsUser()
{
    // A profile whose replacement cannot be made next to it.
    const QString path = dir->filePath(QString(250, 'q') + ".prf");
    const QByteArray old = QByteArray(41, '\x02') + '\x01';
    QVERIFY(writeAll(path, old));
    Access::setCurveValues(*w, ramp());
    const QString label = ui()->lblPathProfilo->text();
    log->saveAnswers << path;
    w->execCmd("SAVE_PROFILE");
    QCOMPARE(readAll(path), old);
    QCOMPARE(log->warnings.size(), 1);
    QVERIFY(log->warnings.at(0).startsWith(tr("Salva File di Profilo") + '|'));
    QCOMPARE(ui()->lblPathProfilo->text(), label);
    QVERIFY(!Access::pathFlag(*w));
}

void TestProfileCommands::saveAndSendCancelledSendsNothing()
{
    QueuedLog<QString> cmd(Access::rt(*w), &CGestRT::sgnExecCmd);
    QueuedLog<QByteArray> frames(Access::rt(*w), &CGestRT::sgnSndByte);
    w->execCmd("SAVE_PROFILE_AND_SEND");
    QCOMPARE(log->captions.size(), 1);
    QTest::qWait(100);
    QCOMPARE(cmd.size(), 0);  // no "FLASH_WRITE" handed over
    QCOMPARE(frames.size(), 0);
    QVERIFY(ui()->btCaricaProfilo->isEnabled());
}

void TestProfileCommands::unknownWordDoesNothing()
{
    Access::setCurveValues(*w, ramp());
    w->execCmd("flash_write");
    w->execCmd("PROFILE");
    QVERIFY(log->captions.isEmpty());
    QVERIFY(!Access::rt(*w)->isPolling());
    QCOMPARE(Access::curveValues(*w), ramp());
    QCOMPARE(Access::rt(*w)->state(), 800);
}

void TestProfileCommands::readCommandForgetsTheFile()
{
    const QString path = dir->filePath("p.prf");
    QVERIFY(writeAll(path, QByteArray(42, '\x03')));
    log->openAnswers << path;
    w->execCmd("LOAD_PROFILE");
    QVERIFY(Access::pathFlag(*w));
    w->execCmd("FLASH_READ");
    QCOMPARE(ui()->lblPathProfilo->text(), CMsg::text(CMsg::NoProfile));
    QVERIFY(!Access::pathFlag(*w));
    QCOMPARE(Access::curveValues(*w), QVector<double>(41, 0.0));
}

void TestProfileCommands::transferBlocksControlsUntilOutcome()
{
    auto controls = [this] {
        return QList<QObject *>{ui()->btReadFlash, ui()->btSaveFlash, ui()->btBanco, ui()->btStartLink,
                                ui()->btRicercaPorta, ui()->btCaricaProfilo, ui()->btSalvaProfilo,
                                ui()->btFlatProfile, ui()->spKIniezione, ui()->spProfiloPiatto,
                                ui()->actionCarica_Profilo, ui()->actionSalva_Profilo,
                                ui()->actionCercaCentralina};
    };
    auto allEnabled = [&](bool on) {
        for (QObject *o : controls()) {
            if (o->property("enabled").toBool() != on) {
                qWarning() << o->objectName();
                return false;
            }
        }
        return true;
    };
    w->onSaveFlashClicked();  // hardware 10: the write starts without a file
    QVERIFY(allEnabled(false));
    QVERIFY(!ui()->btClose->isEnabled());

    ui()->progressBar->setValue(100);
    w->onEsitoSndRcv("OK_SND");
    QVERIFY(allEnabled(true));
    QVERIFY(ui()->btClose->isEnabled());
    QVERIFY(!Access::rt(*w)->isPolling());  // the link was off
    QVERIFY(log->warnings.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(ui()->progressBar->value(), 0, 3000);

    Access::link(*w) = true;
    w->onEsitoSndRcv("OK_SND");
    QVERIFY(Access::rt(*w)->isPolling());
    Access::rt(*w)->stopPolling();
    Access::link(*w) = false;
}

void TestProfileCommands::lostLinkWarnsOnceAndKeepsCurve()
{
    Access::connected(*w) = true;
    Access::link(*w) = true;
    Access::setCurveValues(*w, ramp());
    w->onErrorRT("other");
    QVERIFY(log->warnings.isEmpty());
    QVERIFY(Access::connected(*w));

    w->onErrorRT("KO");
    QCOMPARE(log->warnings, QStringList{CMsg::text(CMsg::CommError) + '|' + CMsg::text(CMsg::CommError)});
    QVERIFY(!Access::connected(*w));
    QVERIFY(!Access::link(*w));
    QVERIFY(!Access::rt(*w)->isPolling());
    QCOMPARE(Access::curveValues(*w), ramp());
}

void TestProfileCommands::liveValuesShownOnlyWhileLinkable()
{
    ui()->btStartLink->setEnabled(false);
    w->onUpdateRpm(3000);
    w->onUpdateValAdc(77);
    QCOMPARE(ui()->lcdRPM->intValue(), 0);
    QCOMPARE(ui()->lblAdcSonda->text(), QString("0"));
    ui()->btStartLink->setEnabled(true);
    w->onUpdateRpm(3000);
    w->onUpdateValAdc(77);
    QCOMPARE(ui()->lcdRPM->intValue(), 3000);
    QCOMPARE(ui()->lblAdcSonda->text(), QString("77"));
}

void TestProfileCommands::benchButtonQueuesAndToggles()
{
    QueuedLog<QByteArray> frames(Access::rt(*w), &CGestRT::sgnSndByte);
    w->onBancoClicked();
    QVERIFY(Access::bench(*w));
    QCOMPARE(ui()->btBanco->text(), CMsg::text(CMsg::BancoOn));
    // Idle with polling off: the first frame leaves at once.
    QVERIFY(waitFor([&] { return frames.size() > 0; }, 1000));
    QCOMPARE(frames.items.at(0), Protocol::makeWriteFrame(41, 2));
    w->onBancoClicked();
    QVERIFY(!Access::bench(*w));
    QCOMPARE(ui()->btBanco->text(), CMsg::text(CMsg::BancoOff));
}

void TestProfileCommands::kChangeQueuesOnlyWhileConnected()
{
    CGestRT *rt = Access::rt(*w);
    QueuedLog<QByteArray> frames(rt, &CGestRT::sgnSndByte);
    ui()->spKIniezione->setValue(2);
    QTest::qWait(60);
    QCOMPARE(frames.size(), 0);
    Access::connected(*w) = true;
    ui()->spKIniezione->setValue(3);
    QVERIFY(waitFor([&] { return frames.size() > 0; }, 1000));
    QCOMPARE(frames.items.at(0), Protocol::makeWriteFrame(42, 3));
    Access::connected(*w) = false;
}

QTEST_MAIN(TestProfileCommands)
#include "test_profilecommands.moc"
