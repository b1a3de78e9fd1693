// SPDX-License-Identifier: GPL-3.0-or-later
// Expert mode behind the login dialog, and the test-bench controls it shows.

#include "support/testsupport.h"
#include "support/windowaccess.h"

namespace {

struct Expert {
    std::unique_ptr<LinkedWindow> r;
    QDialog *login;
    QLineEdit *field;
    QAction *action;

    explicit Expert(std::unique_ptr<LinkedWindow> window) : r(std::move(window))
    {
        r->w->show();
        openEveryDialog(*r->w);
        login = r->w->findChild<QDialog *>(QStringLiteral("frmLogin"));
        field = login->findChild<QLineEdit *>(QStringLiteral("lePassword"));
        action = r->ui()->actionModo_Esperto;
    }
    // The bench button, the probe level and its title: all shown, or none.
    int controlsShown()
    {
        Ui::frmProgPannel *ui = r->ui();
        return int(ui->btBanco->isVisible()) + int(ui->lblAdcSonda->isVisible())
            + int(ui->lblLivelloSensore->isVisible());
    }
    void confirm(const QString &text)
    {
        action->trigger();
        QVERIFY(login->isVisible());
        QCOMPARE(field->text(), QString());  // empty at every opening
        field->setText(text);
        click(login->findChild<QPushButton *>(QStringLiteral("btLogin")));
    }
};

} // namespace

class TestExpert : public QObject {
    Q_OBJECT

private slots:
    void init() { settings.clear(); }

    void passwordComparedWholeAndExactly_data();
    void passwordComparedWholeAndExactly();
    void everyWayOutOfTheDialogCounts();
    void leavingKeepsTheBenchOn();

private:
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
    Expert e(LinkedWindow::unlinked());
    QCOMPARE(e.controlsShown(), 0);
    e.confirm(typed);
    QVERIFY(!e.login->isVisible());
    QCOMPARE(e.action->isChecked(), opens);
    QCOMPARE(e.controlsShown(), opens ? 3 : 0);
    // Shown, the bench button still needs a unit.
    QVERIFY(!e.r->ui()->btBanco->isEnabled());
}

void TestExpert::everyWayOutOfTheDialogCounts()
{
    Expert e(LinkedWindow::unlinked());
    // While it asks, the window waits.
    e.action->trigger();
    QCOMPARE(QApplication::activeModalWidget(), e.login);
    QCOMPARE(e.field->echoMode(), QLineEdit::Password);
    // Escape counts as a wrong password, whatever was typed.
    e.field->setText(QStringLiteral("8406"));
    QTest::keyClick(e.login, Qt::Key_Escape);
    QVERIFY(!e.login->isVisible());
    QVERIFY(!e.action->isChecked());
    QCOMPARE(e.controlsShown(), 0);
    // The close button submits what was typed.
    e.action->trigger();
    QCOMPARE(e.field->text(), QString());
    e.field->setText(QStringLiteral("8406"));
    e.login->close();
    QVERIFY(e.action->isChecked());
    QCOMPARE(e.controlsShown(), 3);
    // Unticking hides the controls again without a password.
    e.action->trigger();
    QVERIFY(!e.login->isVisible());
    QCOMPARE(e.controlsShown(), 0);
}

void TestExpert::leavingKeepsTheBenchOn()
{
    Expert e(LinkedWindow::make(SimUnit::Hid, SimUnit::unit(10, 2)));
    QVERIFY(e.r->link());
    e.confirm(QStringLiteral("8406"));
    QPushButton *bench = e.r->ui()->btBanco;
    click(bench);
    QVERIFY(e.r->session()->isBenchOn());
    const QString redLook = bench->styleSheet();
    QVERIFY(redLook.contains(QStringLiteral("rgba(165, 28, 32, 255)")));
    e.action->trigger();  // leave expert mode
    QCOMPARE(e.controlsShown(), 0);
    QVERIFY(e.r->session()->isBenchOn());
    e.confirm(QStringLiteral("8406"));
    QCOMPARE(e.controlsShown(), 3);
    QCOMPARE(bench->styleSheet(), redLook);
}

QTEST_MAIN(TestExpert)
#include "test_expert.moc"
