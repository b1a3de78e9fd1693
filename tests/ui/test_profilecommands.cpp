// SPDX-License-Identifier: GPL-3.0-or-later
// The window's profile commands with no unit attached: loading, saving and
// the questions that guard an edited curve, the file dialogs answered by a
// script.

#include "profile/profilefile.h"
#include "uicommon/cmsg.h"
#include "support/windowaccess.h"

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

} // namespace

class TestProfileCommands : public WindowSuite {
    Q_OBJECT

private slots:
    void loadGivesCurveKAndPath();
    void refusedFileChangesNothing_data();
    void refusedFileChangesNothing();
    void saveAddsTheExtensionAndReloads();
    void failedSaveKeepsOldFileAndTellsUser();
    void editedCurveIsNeverReplacedWithoutAsking();

private:
    QString file(const QString &name) { return r->folder.filePath(name); }
};

void TestProfileCommands::loadGivesCurveKAndPath()
{
    const QString path = file("flat.prf");
    QVERIFY(writeAll(path, QByteArray(41, '\xF6') + '\x02'));
    r->prompts->openAnswers << path;
    click(ui()->btCaricaProfilo);
    QCOMPARE(plotted(*r->w), QVector<int>(41, -10));
    QCOMPARE(ui()->spKIniezione->value(), 2);
    // The file's name on show, the whole path in its tooltip.
    QCOMPARE(ui()->lblPathProfilo->text(), QStringLiteral("flat.prf"));
    QCOMPARE(ui()->lblPathProfilo->toolTip(), QDir::toNativeSeparators(path));
    QVERIFY(!r->w->isWindowModified());
    QCOMPARE(r->prompts->captions.value(0), QString("Apre File di Profilo|%1|Profili (*.prf)").arg(r->folder.path()));
    QVERIFY(r->prompts->warnings.isEmpty());
    // Words that are not file commands do nothing.
    r->w->execCmd("flash_write");
    r->w->execCmd("PROFILE");
    QCOMPARE(r->prompts->captions.size(), 1);
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
    const QString path = file("bad.prf");
    if (size >= 0)
        QVERIFY(writeAll(path, QByteArray(size, '\x09')));
    pasteCurve(*r->w, patternCurve(1));
    ui()->spKIniezione->setValue(3);
    r->prompts->choices << UserPrompts::Discard;
    r->prompts->openAnswers << path;
    click(ui()->btCaricaProfilo);
    QCOMPARE(r->prompts->warnings.size(), 1);
    QVERIFY(r->prompts->warnings.at(0).contains("bad.prf"));
    QCOMPARE(r->model()->values(), patternCurve(1));
    QCOMPARE(ui()->spKIniezione->value(), 3);
    QCOMPARE(ui()->lblPathProfilo->text(), CMsg::text(CMsg::NoProfile));
    QVERIFY(!r->model()->hasFile());
}

void TestProfileCommands::saveAddsTheExtensionAndReloads()
{
    QVector<int> v = patternCurve(2);
    v[0] = -3;
    pasteCurve(*r->w, v);
    QVERIFY(r->w->isWindowModified());
    ui()->spKIniezione->setValue(4);
    // A name without an extension gets ".prf", or the load dialog never lists it.
    r->prompts->saveAnswers << file("keys");
    click(ui()->btSalvaProfilo);
    const QString path = file("keys.prf");
    QCOMPARE(readAll(path), ProfileFile::encode(v, 4));
    QVERIFY(!QFile::exists(file("keys")));
    QCOMPARE(r->model()->filePath(), path);
    QCOMPARE(ui()->lblPathProfilo->text(), QStringLiteral("keys.prf"));
    QVERIFY(!r->w->isWindowModified());
    // The first save proposes a dated name in the profiles' folder.
    QVERIFY2(r->prompts->captions.value(0).startsWith(QString("Salva File di Profilo|%1/profilo_").arg(r->folder.path())),
             qPrintable(r->prompts->captions.value(0)));

    // Round trip through the window.
    click(ui()->btFlatProfile);
    ui()->spKIniezione->setValue(1);
    r->prompts->choices << UserPrompts::Discard;
    r->prompts->openAnswers << path;
    click(ui()->btCaricaProfilo);
    QCOMPARE(r->model()->values(), v);
    QCOMPARE(ui()->spKIniezione->value(), 4);
}

void TestProfileCommands::failedSaveKeepsOldFileAndTellsUser()
{
    // A profile whose replacement cannot be made next to it.
    const QString path = file(QString(250, 'q') + ".prf");
    const QByteArray old = QByteArray(41, '\x02') + '\x01';
    QVERIFY(writeAll(path, old));
    pasteCurve(*r->w, patternCurve(3));
    r->prompts->saveAnswers << path;
    click(ui()->btSalvaProfilo);
    QCOMPARE(readAll(path), old);
    QCOMPARE(r->prompts->warnings.size(), 1);
    QVERIFY(r->prompts->warnings.at(0).startsWith(QStringLiteral("Salva File di Profilo|")));
    QCOMPARE(ui()->lblPathProfilo->text(), CMsg::text(CMsg::NoProfile));
    QVERIFY(r->w->isWindowModified());
}

void TestProfileCommands::editedCurveIsNeverReplacedWithoutAsking()
{
    const QString other = file("other.prf");
    QVERIFY(writeAll(other, QByteArray(41, '\x07') + '\x02'));
    const QVector<int> edited = patternCurve(4);
    pasteCurve(*r->w, edited);
    QVERIFY(r->w->isWindowModified());

    // Cancel leaves everything as it is: load, flat profile, engine type,
    // restoring a backup, exit.
    QVERIFY(QDir().mkpath(file("backup")));
    QVERIFY(writeAll(file("backup/2026-01-01_00-00-00_HW10.prf"), QByteArray(42, '\x01')));
    r->prompts->openAnswers << other;
    click(ui()->btCaricaProfilo);
    click(ui()->btFlatProfile);
    ui()->actionCentralina_4cilindri->trigger();
    ui()->actionRipristina_Backup->trigger();
    r->w->show();
    r->w->close();
    QCOMPARE(r->prompts->questions.size(), 5);
    QCOMPARE(r->prompts->openAsked, 0);
    QVERIFY(r->w->isVisible());
    QCOMPARE(r->model()->values(), edited);
    QVERIFY(ui()->actionCentralina_2cilindri->isChecked());
    QVERIFY(!ui()->actionCentralina_4cilindri->isChecked());
    QCOMPARE(r->model()->maxRpm(), 12000.0);

    // Save saves first, then goes on.
    r->prompts->choices << UserPrompts::Save;
    r->prompts->saveAnswers << file("kept");
    click(ui()->btFlatProfile);
    QCOMPARE(readAll(file("kept.prf")), ProfileFile::encode(edited, 1));
    QCOMPARE(r->model()->values(), QVector<int>(41, 0));
    QVERIFY(!r->w->isWindowModified());

    // Discard goes on without saving; nothing to lose asks nothing.
    pasteCurve(*r->w, edited);
    r->prompts->choices << UserPrompts::Discard;
    ui()->actionCentralina_4cilindri->trigger();
    QCOMPARE(r->model()->maxRpm(), 17000.0);
    const int asked = r->prompts->questions.size();
    ui()->actionCentralina_2cilindri->trigger();
    QCOMPARE(r->prompts->questions.size(), asked);
    // Undo brings the discarded work back all the same.
    QVERIFY(r->model()->canUndo());
}

QTEST_MAIN(TestProfileCommands)
#include "test_profilecommands.moc"
