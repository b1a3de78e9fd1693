// Switching the interface language at run time, and the two secondary
// dialogs that follow it.

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>
#include <qwt_plot.h>
#include <qwt_text.h>

#include "app/startup.h"
#include "uicommon/cmsg.h"
#include "mainwindow/frmprogpannel.h"
#include "mainwindow/ui_frmprogpannel.h"
#include "support/testsupport.h"
#include "support/windowaccess.h"

using Access = TervalixTestAccess;

namespace {

// The state a linked window with a profile on show would be in.
void pretendConnected(frmProgPannel &w, const QString &port)
{
    Access::connected(w) = true;
    Access::ui(w)->lblVirtualPort->setText(port);
}

void pretendLinkOn(frmProgPannel &w)
{
    Access::link(w) = true;
    Access::ui(w)->btStartLink->setText(CMsg::text(CMsg::LinkOn));
}

void pretendProfileShown(frmProgPannel &w, const QString &path)
{
    Access::pathFlag(w) = true;
    Access::ui(w)->lblPathProfilo->setText(path);
}

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
    texts << root->windowTitle();
    return texts;
}

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        settings.clear();
        QSettings().setValue(QStringLiteral("Language"), QStringLiteral("IT"));
        startup = new QTranslator;
        Startup::loadStartupCatalogue(*startup);
        QCoreApplication::installTranslator(startup);
    }
    void cleanup()
    {
        QCoreApplication::removeTranslator(startup);
        delete startup;
        startup = nullptr;
    }

    void italianToEnglishTranslatesEverythingAndKeepsState();
    void choosingTheActiveLanguageChangesNothing();
    void laterTextsFollowTheSwitch();
    void aboutDialogKeepsLogoAndFollowsLanguage();

private:
    ScopedTestSettings settings;
    QTranslator *startup = nullptr;
};

void TestLanguage::italianToEnglishTranslatesEverythingAndKeepsState()
{
    frmProgPannel w;
    Access::makeDialogs(w);  // as if each had been opened once before
    Ui::frmProgPannel *ui = Access::ui(w);
    QCOMPARE(ui->btSaveFlash->text(), QStringLiteral("Invia Mappa a Tervalix"));
    pretendConnected(w, QStringLiteral("/dev/ttyUSB0"));
    pretendLinkOn(w);
    pretendProfileShown(w, QStringLiteral("/home/tuner/Profili/track.prf"));

    ui->actionInglese->trigger();

    // Samples from every context of the catalogue.
    QCOMPARE(ui->btRicercaPorta->text(), QStringLiteral("     Search for Tervalix"));
    QCOMPARE(ui->btSaveFlash->text(), QStringLiteral("Update Profile on Tervalix"));
    QCOMPARE(ui->btCaricaProfilo->toolTip(), QStringLiteral("Load from file a profile plot"));
    QCOMPARE(ui->lblIniezione->text(), QStringLiteral("RPM Divider"));
    QCOMPARE(ui->menuSeleziona_Lingua->title(), QStringLiteral("Choose your language"));
    QCOMPARE(ui->actionMuovi_Su->text(), QStringLiteral("Move Up"));
    QCOMPARE(ui->actionItaliano->text(), QStringLiteral("Italian"));
    QCOMPARE(ui->btBanco->text(), QStringLiteral("Test Mode OFF"));
    QCOMPARE(CMsg::text(CMsg::CommError), QStringLiteral("Failure to communicate with Tervalix"));
    QCOMPARE(CMsg::text(CMsg::BoardFound), QStringLiteral("Tervalix found"));
    QCOMPARE(ui->qwtPlot->title().text(), QStringLiteral("Injection Plot"));
    QCOMPARE(ui->qwtPlot->title().color(), QColor(Qt::yellow));
    QCOMPARE(ui->qwtPlot->axisTitle(QwtPlot::xBottom).text(), QStringLiteral("RPM"));
    QCOMPARE(ui->qwtPlot->axisTitle(QwtPlot::yLeft).text(), QStringLiteral("Points"));
    QCOMPARE(ui->qwtPlot->axisTitle(QwtPlot::yLeft).font().family(), QStringLiteral("Arial"));
    QCOMPARE(ui->qwtPlot->axisTitle(QwtPlot::yLeft).font().pointSize(), 18);

    auto *login = w.findChild<QDialog *>(QStringLiteral("frmLogin"));
    auto *search = w.findChild<QDialog *>(QStringLiteral("frmRicercaPorta"));
    auto *about = w.findChild<QDialog *>(QStringLiteral("frmAbout"));
    QVERIFY(login && search && about);
    QCOMPARE(login->windowTitle(), QStringLiteral("Expert Mode"));
    QCOMPARE(login->findChild<QLabel *>(QStringLiteral("lblReqPassword"))->text(),
             QStringLiteral("Enter the  password"));
    QCOMPARE(login->findChild<QPushButton *>(QStringLiteral("btLogin"))->text(), QStringLiteral("Confirm"));
    QCOMPARE(search->windowTitle(), QStringLiteral("Search for Tervalix"));
    QCOMPARE(search->findChild<QLabel *>(QStringLiteral("lblRicerca"))->text(),
             QStringLiteral("Communication Ports Found on your System"));
    QCOMPARE(search->findChild<QPushButton *>(QStringLiteral("btClose"))->text(), QStringLiteral("Close"));
    QCOMPARE(about->windowTitle(), QStringLiteral("Info"));
    QCOMPARE(about->findChild<QPushButton *>(QStringLiteral("btClose"))->text(), QStringLiteral("Close"));

    // State shown before the switch is kept.
    QCOMPARE(w.windowTitle(), QStringLiteral("Tervalix - V.1.1.2.8[*]"));
    QCOMPARE(ui->lblVirtualPort->text(), QStringLiteral("/dev/ttyUSB0"));
    QCOMPARE(ui->btStartLink->text(), QStringLiteral("RPM Monitor"));
    QCOMPARE(ui->lblPathProfilo->text(), QStringLiteral("/home/tuner/Profili/track.prf"));
    QVERIFY(ui->actionInglese->isChecked());
    QVERIFY(!ui->actionItaliano->isChecked());
    QCOMPARE(QSettings().value(QStringLiteral("Language")).toString(), QStringLiteral("EN"));

    // And back.
    ui->actionItaliano->trigger();
    QCOMPARE(ui->btSaveFlash->text(), QStringLiteral("Invia Mappa a Tervalix"));
    QCOMPARE(login->windowTitle(), QStringLiteral("Modalit\u00e0 esperto"));
    QCOMPARE(QSettings().value(QStringLiteral("Language")).toString(), QStringLiteral("IT"));
}

void TestLanguage::choosingTheActiveLanguageChangesNothing()
{
    frmProgPannel w;
    const QStringList before = allTexts(&w);
    Access::ui(w)->actionItaliano->trigger();
    QVERIFY(Access::ui(w)->actionItaliano->isChecked());
    QCOMPARE(allTexts(&w), before);
    QCOMPARE(QSettings().value(QStringLiteral("Language")).toString(), QStringLiteral("IT"));
}

void TestLanguage::laterTextsFollowTheSwitch()
{
    frmProgPannel w;
    Access::ui(w)->actionInglese->trigger();
    // Looked up afresh after the switch: the file dialogs and the messages of
    // profile files speak the language on show.
    QCOMPARE(QCoreApplication::translate("frmProgPannel", "Apre File di Profilo"), QStringLiteral("Load Profile"));
    QCOMPARE(QCoreApplication::translate("frmProgPannel", "Profili (*.prf)"), QStringLiteral("Profiles (*.prf)"));
    QCOMPARE(Access::ui(w)->btClose->text(), QStringLiteral("Close"));
    // Back to Italian, and the window gone: only the start-up catalogue is left.
    Access::ui(w)->actionItaliano->trigger();
    QCOMPARE(QCoreApplication::translate("frmProgPannel", "Profili (*.prf)"), QStringLiteral("Mappe (*.prf)"));
}

void TestLanguage::aboutDialogKeepsLogoAndFollowsLanguage()
{
    frmProgPannel w;
    w.show();
    Access::makeDialogs(w);
    auto *about = w.findChild<QDialog *>(QStringLiteral("frmAbout"));
    QVERIFY(about);
    QCOMPARE(about->windowModality(), Qt::WindowModal);
    QCOMPARE(about->size(), QSize(484, 385));
    Access::ui(w)->actionInformazioni->trigger();
    QVERIFY(about->isVisible());
    Access::ui(w)->actionInformazioni->trigger();  // the same window, shown again
    QCOMPARE(w.findChildren<QDialog *>(QStringLiteral("frmAbout")).size(), 1);
    about->findChild<QPushButton *>(QStringLiteral("btClose"))->click();
    QVERIFY(!about->isVisible());

    Access::ui(w)->actionInglese->trigger();
    auto *logo = about->findChild<QLabel *>(QStringLiteral("lblLogo"));
    QVERIFY(!logo->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(about->windowTitle(), QStringLiteral("Info"));
    Access::ui(w)->actionItaliano->trigger();
    QVERIFY(!logo->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(about->windowTitle(), QStringLiteral("Informazioni"));
}

QTEST_MAIN(TestLanguage)
#include "test_language.moc"
