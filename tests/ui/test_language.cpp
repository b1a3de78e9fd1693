// SPDX-License-Identifier: GPL-3.0-or-later
// Switching the interface language at run time: every context of the
// catalogue follows, the dialogs too, and what the window shows of the
// link and the profile stays.

#include <QTranslator>
#include <qwt_plot.h>
#include <qwt_text.h>

#include "app/startup.h"
#include "profile/profilefile.h"
#include "uicommon/cmsg.h"
#include "support/testsupport.h"
#include "support/windowaccess.h"

namespace {

// Every visible text of the window and its dialogs, for before/after comparisons.
QStringList allTexts(QWidget *root)
{
    QStringList texts;
    for (QWidget *w : root->findChildren<QWidget *>()) {
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            texts << b->objectName() + QLatin1Char('=') + b->text() + QLatin1Char('|') + b->toolTip();
        else if (auto *l = qobject_cast<QLabel *>(w))
            texts << l->objectName() + QLatin1Char('=') + l->text() + QLatin1Char('|') + l->toolTip();
        else if (auto *m = qobject_cast<QMenu *>(w))
            texts << m->objectName() + QLatin1Char('=') + m->title();
        texts << w->objectName() + QStringLiteral(".title=") + w->windowTitle();
    }
    for (QAction *a : root->findChildren<QAction *>())
        texts << a->objectName() + QLatin1Char('=') + a->text();
    return texts << root->windowTitle();
}

QString textOf(QWidget *dialog, const char *name)
{
    QWidget *w = dialog->findChild<QWidget *>(QLatin1String(name));
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        return b->text();
    return qobject_cast<QLabel *>(w)->text();
}

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        settings.clear();
        QSettings().setValue(QStringLiteral("Language"), QStringLiteral("IT"));
        Startup::loadStartupCatalogue(startup);
        QCoreApplication::installTranslator(&startup);
    }
    void cleanup() { QCoreApplication::removeTranslator(&startup); }

    void italianToEnglishTranslatesEverythingAndKeepsState();
    void choosingTheActiveLanguageChangesNothing();

private:
    ScopedTestSettings settings;
    QTranslator startup;
};

void TestLanguage::italianToEnglishTranslatesEverythingAndKeepsState()
{
    auto r = LinkedWindow::make(SimUnit::Hid, SimUnit::unit(10, 2));
    frmProgPannel &w = *r->w;
    Ui::frmProgPannel *ui = r->ui();
    openEveryDialog(w);
    QCOMPARE(ui->btSaveFlash->text(), QStringLiteral("Invia Mappa a Tervalix"));
    // Linked, live data on, a profile on show.
    QVERIFY(r->link());
    click(ui->btStartLink);
    const QString path = r->folder.filePath("track.prf");
    QVERIFY(ProfileFile::save(path, patternCurve(1), 1, nullptr));
    r->prompts->openAnswers << path;
    click(ui->btCaricaProfilo);
    QVERIFY(waitFor([&] { return r->model()->hasFile(); }));
    const QString port = ui->lblVirtualPort->text();
    QCOMPARE(port, QStringLiteral("HID"));

    ui->actionInglese->trigger();

    // Samples from every context of the catalogue.
    QCOMPARE(ui->btRicercaPorta->text(), QStringLiteral("     Search for Tervalix"));
    QCOMPARE(ui->btSaveFlash->text(), QStringLiteral("Update Profile on Tervalix"));
    QCOMPARE(ui->btCaricaProfilo->toolTip(), QStringLiteral("Load from file a profile plot"));
    QCOMPARE(ui->lblIniezione->text(), QStringLiteral("RPM Divider"));
    QCOMPARE(ui->menuSeleziona_Lingua->title(), QStringLiteral("Choose your &language"));
    QCOMPARE(ui->actionMuovi_Su->text(), QStringLiteral("Move Up"));
    QCOMPARE(ui->btBanco->text(), QStringLiteral("Test Mode OFF"));
    QCOMPARE(ui->btClose->text(), QStringLiteral("Close"));
    QCOMPARE(CMsg::text(CMsg::CommError), QStringLiteral("Failure to communicate with Tervalix"));
    QCOMPARE(ui->qwtPlot->title().text(), QStringLiteral("Injection Plot"));
    QCOMPARE(ui->qwtPlot->title().color(), QColor(Qt::yellow));
    QCOMPARE(ui->qwtPlot->axisTitle(QwtPlot::yLeft).text(), QStringLiteral("Points"));
    QCOMPARE(ui->qwtPlot->axisTitle(QwtPlot::yLeft).font().pointSize(), 18);
    // Looked up afresh: the file dialogs speak the language on show.
    click(ui->btCaricaProfilo);
    QVERIFY(waitFor([&] { return r->prompts->captions.size() > 1; }));  // once the line is quiet
    QCOMPARE(r->prompts->captions.value(1), "Load Profile|" + r->folder.path() + "|Profiles (*.prf)");

    auto *login = w.findChild<QDialog *>(QStringLiteral("frmLogin"));
    auto *search = w.findChild<QDialog *>(QStringLiteral("frmRicercaPorta"));
    auto *about = w.findChild<QDialog *>(QStringLiteral("frmAbout"));
    QVERIFY(login && search && about);
    QCOMPARE(login->windowTitle(), QStringLiteral("Expert Mode"));
    QCOMPARE(textOf(login, "lblReqPassword"), QStringLiteral("Enter the  password"));
    QCOMPARE(textOf(login, "btLogin"), QStringLiteral("Confirm"));
    QCOMPARE(search->windowTitle(), QStringLiteral("Search for Tervalix"));
    QCOMPARE(textOf(search, "lblRicerca"), QStringLiteral("Communication Ports Found on your System"));
    QCOMPARE(textOf(search, "btClose"), QStringLiteral("Close"));
    QCOMPARE(about->windowTitle(), QStringLiteral("Info"));
    QCOMPARE(textOf(about, "btClose"), QStringLiteral("Close"));
    QVERIFY(!about->findChild<QLabel *>(QStringLiteral("lblLogo"))->pixmap(Qt::ReturnByValue).isNull());

    // What was on show before the switch stays.
    QCOMPARE(w.windowTitle(), QStringLiteral("Tervalix - V.1.1.2.8[*]"));
    QCOMPARE(ui->lblVirtualPort->text(), port);
    QCOMPARE(ui->btStartLink->text(), QStringLiteral("RPM Monitor"));
    QCOMPARE(ui->lblPathProfilo->text(), QStringLiteral("track.prf"));
    QStringList status;
    for (QLabel *l : w.statusBar()->findChildren<QLabel *>())
        status << l->text();
    QVERIFY2(status.filter(QStringLiteral("Tervalix: HW10")).size() == 1, qPrintable(status.join('|')));
    QVERIFY(ui->actionInglese->isChecked());
    QVERIFY(!ui->actionItaliano->isChecked());
    QCOMPARE(QSettings().value(QStringLiteral("Language")).toString(), QStringLiteral("EN"));

    // And back: only the start-up catalogue is left.
    ui->actionItaliano->trigger();
    QCOMPARE(ui->btSaveFlash->text(), QStringLiteral("Invia Mappa a Tervalix"));
    QCOMPARE(login->windowTitle(), QStringLiteral("Modalit\u00e0 esperto"));
    QCOMPARE(about->windowTitle(), QStringLiteral("Informazioni"));
    click(ui->btCaricaProfilo);
    QVERIFY(waitFor([&] { return r->prompts->captions.size() > 2; }));
    QCOMPARE(r->prompts->captions.value(2), "Apre file di Mappa|" + r->folder.path() + "|Mappe (*.prf)");
    QCOMPARE(QSettings().value(QStringLiteral("Language")).toString(), QStringLiteral("IT"));
    click(ui->btStartLink);
}

void TestLanguage::choosingTheActiveLanguageChangesNothing()
{
    frmProgPannel w;
    const QStringList before = allTexts(&w);
    w.form()->actionItaliano->trigger();
    QVERIFY(w.form()->actionItaliano->isChecked());
    QCOMPARE(allTexts(&w), before);
    QCOMPARE(QSettings().value(QStringLiteral("Language")).toString(), QStringLiteral("IT"));
}

QTEST_MAIN(TestLanguage)
#include "test_language.moc"
