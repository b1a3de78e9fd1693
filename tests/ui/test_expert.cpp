// Expert mode behind the login dialog.

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "mainwindow/frmprogpannel.h"
#include "mainwindow/ui_frmprogpannel.h"
#include "support/testsupport.h"
#include "support/windowaccess.h"

using Access = TervalixTestAccess;

class TestExpert : public QObject {
    Q_OBJECT

private slots:
    void init() { settings.clear(); }

    void passwordComparedWholeAndExactly_data();
    void passwordComparedWholeAndExactly();
    void fieldEmptyAtEveryOpening();
    void closeButtonSubmitsWhatWasTyped();
    void escapeCountsAsWrongPassword();
    void leavingKeepsBenchAndRedButtonComesBack();
    void dialogIsApplicationModal();

private:
    struct Window {
        frmProgPannel w;
        QDialog *login;
        QLineEdit *field;
        QAction *expert;
        Window()
        {
            w.show();
            Access::makeDialogs(w);
            login = w.findChild<QDialog *>(QStringLiteral("frmLogin"));
            field = login->findChild<QLineEdit *>(QStringLiteral("lePassword"));
            expert = Access::ui(w)->actionModo_Esperto;
        }
        bool controlsShown()
        {
            Ui::frmProgPannel *ui = Access::ui(w);
            return ui->btBanco->isVisible() && ui->lblAdcSonda->isVisible() && ui->lblLivelloSensore->isVisible();
        }
        bool controlsHidden()
        {
            Ui::frmProgPannel *ui = Access::ui(w);
            return !ui->btBanco->isVisible() && !ui->lblAdcSonda->isVisible()
                && !ui->lblLivelloSensore->isVisible();
        }
        void confirm(const QString &text)
        {
            expert->trigger();
            QVERIFY(login->isVisible());
            field->setText(text);
            QTest::mouseClick(login->findChild<QPushButton *>(QStringLiteral("btLogin")), Qt::LeftButton);
        }
    };

    ScopedTestSettings settings;
};

void TestExpert::passwordComparedWholeAndExactly_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("opens");
    QTest::newRow("right") << "8406" << true;
    QTest::newRow("leading blank") << " 8406" << false;
    QTest::newRow("trailing blank") << "8406 " << false;
    QTest::newRow("part") << "840" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("longer") << "84060" << false;
}

void TestExpert::passwordComparedWholeAndExactly()
{
    QFETCH(QString, typed);
    QFETCH(bool, opens);
    Window win;
    QVERIFY(win.controlsHidden());
    win.confirm(typed);
    QVERIFY(!win.login->isVisible());
    QCOMPARE(win.expert->isChecked(), opens);
    QVERIFY(opens ? win.controlsShown() : win.controlsHidden());
    // Showing the controls does not enable the bench button without an ECU.
    QVERIFY(!Access::ui(win.w)->btBanco->isEnabled());
}

void TestExpert::fieldEmptyAtEveryOpening()
{
    Window win;
    win.confirm(QStringLiteral("1234"));
    QVERIFY(!win.expert->isChecked());
    win.expert->trigger();
    QVERIFY(win.login->isVisible());
    QCOMPARE(win.field->text(), QString());
    QCOMPARE(win.field->echoMode(), QLineEdit::Password);
    win.field->setText(QStringLiteral("8406"));
    QTest::mouseClick(win.login->findChild<QPushButton *>(QStringLiteral("btLogin")), Qt::LeftButton);
    QVERIFY(win.controlsShown());
    // Unticking hides them again without a password.
    win.expert->trigger();
    QVERIFY(!win.login->isVisible());
    QVERIFY(win.controlsHidden());
    win.expert->trigger();
    QCOMPARE(win.field->text(), QString());
    win.login->close();
}

void TestExpert::closeButtonSubmitsWhatWasTyped()
{
    Window win;
    win.expert->trigger();
    win.field->setText(QStringLiteral("8406"));
    win.login->close();
    QVERIFY(win.expert->isChecked());
    QVERIFY(win.controlsShown());
}

void TestExpert::escapeCountsAsWrongPassword()
{
    Window win;
    win.expert->trigger();
    QVERIFY(win.login->isVisible());
    win.field->setText(QStringLiteral("8406"));
    QTest::keyClick(win.login, Qt::Key_Escape);
    QVERIFY(!win.login->isVisible());
    QVERIFY(!win.expert->isChecked());
    QVERIFY(win.controlsHidden());
    // The next trigger asks again.
    win.expert->trigger();
    QVERIFY(win.expert->isChecked());
    QVERIFY(win.login->isVisible());
    win.login->close();
}

void TestExpert::leavingKeepsBenchAndRedButtonComesBack()
{
    Window win;
    win.confirm(QStringLiteral("8406"));
    Ui::frmProgPannel *ui = Access::ui(win.w);
    win.w.onBancoClicked();
    QVERIFY(Access::bench(win.w));
    const QString redLook = ui->btBanco->styleSheet();
    QVERIFY(redLook.contains(QStringLiteral("rgba(165, 28, 32, 255)")));
    win.expert->trigger();  // leave expert mode
    QVERIFY(win.controlsHidden());
    QVERIFY(Access::bench(win.w));
    win.confirm(QStringLiteral("8406"));
    QVERIFY(win.controlsShown());
    QCOMPARE(ui->btBanco->styleSheet(), redLook);
}

void TestExpert::dialogIsApplicationModal()
{
    Window win;
    QCOMPARE(win.login->windowModality(), Qt::ApplicationModal);
    QCOMPARE(win.login->size(), QSize(305, 156));
    QVERIFY(!(win.login->windowFlags() & Qt::WindowContextHelpButtonHint));
    win.expert->trigger();
    QVERIFY(win.login->isModal());
    QCOMPARE(QApplication::activeModalWidget(), win.login);
    win.login->close();
}

QTEST_MAIN(TestExpert)
#include "test_expert.moc"
