// The main window's profile commands, file dialogs answered by a script, and
// its reactions to the live-data thread: no ECU attached.

#include <QAction>
#include <QDir>
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
#include "uicommon/cmsg.h"
#include "mainwindow/frmprogpannel.h"
#include "mainwindow/ui_frmprogpannel.h"
#include "uicommon/userprompts.h"
#include "profile/profilefile.h"
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

QVector<int> ramp()
{
    QVector<int> v;
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
    void saveAddsTheExtensionAndReloads();
    void failedSaveKeepsOldFileAndTellsUser();
    void saveAndSendCancelledSendsNothing();
    void unknownWordDoesNothing();
    void readCommandForgetsTheFile();

    void lostLinkWarnsOnceAndKeepsCurve();
    void liveValuesShownOnlyWhileLinkable();
    void editedCurveIsNeverReplacedWithoutAsking();

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
    w = std::make_unique<frmProgPannel>(EcuSession::Config());
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
    QCOMPARE(Access::curveValues(*w), QVector<int>(41, -10));
    QCOMPARE(ui()->spKIniezione->value(), 2);
    // The file's name on show, the whole path in its tooltip.
    QCOMPARE(ui()->lblPathProfilo->text(), QStringLiteral("flat.prf"));
    QCOMPARE(ui()->lblPathProfilo->toolTip(), QDir::toNativeSeparators(path));
    QCOMPARE(Access::model(*w)->filePath(), path);
    QVERIFY(Access::pathFlag(*w));
    QVERIFY(!w->isWindowModified());
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

void TestProfileCommands::saveAddsTheExtensionAndReloads()
{
    QVector<int> v = ramp();
    v[0] = -3;
    Access::setCurveValues(*w, v);
    QVERIFY(w->isWindowModified());
    ui()->spKIniezione->setValue(4);
    // A name without an extension gets ".prf", or the load dialog never lists it.
    log->saveAnswers << dir->filePath("keys");
    w->execCmd("SAVE_PROFILE");
    const QString path = dir->filePath("keys.prf");
    const QByteArray bytes = readAll(path);
    QCOMPARE(bytes.size(), 42);
    QCOMPARE(static_cast<uchar>(bytes[0]), uchar(0xFD));
    QCOMPARE(static_cast<uchar>(bytes[41]), uchar(4));
    QVERIFY(!QFile::exists(dir->filePath("keys")));
    QCOMPARE(Access::model(*w)->filePath(), path);
    QVERIFY(Access::pathFlag(*w));
    QVERIFY(!w->isWindowModified());
    QCOMPARE(log->captions.value(0), QString("Salva File di Profilo|./Profili|Profili (*.prf)"));

    // Round trip through the window.
    w->onFlatProfileClicked();
    ui()->spKIniezione->setValue(1);
    log->openAnswers << path;
    w->execCmd("LOAD_PROFILE");
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
    QCOMPARE(Access::curveValues(*w), QVector<int>(41, 0));
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

void TestProfileCommands::editedCurveIsNeverReplacedWithoutAsking()
{
    const QString file = dir->filePath("other.prf");
    QVERIFY(writeAll(file, QByteArray(41, '\x07') + '\x02'));
    const QVector<int> edited = ramp();
    Access::setCurveValues(*w, edited);
    QVERIFY(w->isWindowModified());

    // Cancel leaves everything as it is: load, flat profile, engine type, exit.
    log->openAnswers << file;
    w->onLoadProfileClicked();
    w->onFlatProfileClicked();
    ui()->actionCentralina_4cilindri->trigger();
    w->show();
    w->close();
    QCOMPARE(log->questions.size(), 4);
    QCOMPARE(log->openAsked, 0);
    QVERIFY(w->isVisible());
    QCOMPARE(Access::curveValues(*w), edited);
    QVERIFY(ui()->actionCentralina_2cilindri->isChecked());
    QVERIFY(!ui()->actionCentralina_4cilindri->isChecked());
    QCOMPARE(Access::maxRpm(*w), 12000.0);

    // Save saves first, then goes on.
    log->choices << UserPrompts::Save;
    log->saveAnswers << dir->filePath("kept");
    w->onFlatProfileClicked();
    QCOMPARE(ProfileFile::encode(edited, 1), readAll(dir->filePath("kept.prf")));
    QCOMPARE(Access::curveValues(*w), QVector<int>(41, 0));
    QVERIFY(!w->isWindowModified());

    // Discard goes on without saving; nothing to lose asks nothing.
    Access::setCurveValues(*w, edited);
    log->choices << UserPrompts::Discard;
    w->onSelect4Cylinders();
    QCOMPARE(Access::maxRpm(*w), 17000.0);
    const int asked = log->questions.size();
    w->onSelect2Cylinders();
    QCOMPARE(log->questions.size(), asked);
    // Undo brings the discarded work back all the same.
    QVERIFY(Access::model(*w)->canUndo());
}

QTEST_MAIN(TestProfileCommands)
#include "test_profilecommands.moc"
