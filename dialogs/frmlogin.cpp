// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/frmlogin.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>

#include "uicommon/windowlook.h"
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

namespace {

QPalette greyPalette()
{
    QPalette p;
    const QColor grey(165, 165, 165), black(0, 0, 0), white(255, 255, 255);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Window, grey);
        p.setColor(group, QPalette::Button, grey);
        p.setColor(group, QPalette::Light, QColor(248, 248, 248));
        p.setColor(group, QPalette::Midlight, QColor(206, 206, 206));
        p.setColor(group, QPalette::Dark, QColor(82, 82, 82));
        p.setColor(group, QPalette::Mid, QColor(110, 110, 110));
        p.setColor(group, QPalette::Base, white);
        p.setColor(group, QPalette::AlternateBase, QColor(210, 210, 210));
        p.setColor(group, QPalette::WindowText, black);
        p.setColor(group, QPalette::Text, black);
        p.setColor(group, QPalette::ButtonText, black);
        p.setColor(group, QPalette::Shadow, black);
        p.setColor(group, QPalette::BrightText, white);
        p.setColor(group, QPalette::ToolTipBase, QColor(255, 255, 220));
        p.setColor(group, QPalette::ToolTipText, black);
    }
    const QColor disabledText(82, 82, 82);
    p.setColor(QPalette::Disabled, QPalette::WindowText, disabledText);
    p.setColor(QPalette::Disabled, QPalette::Text, disabledText);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, disabledText);
    p.setColor(QPalette::Disabled, QPalette::Base, grey);
    p.setColor(QPalette::Disabled, QPalette::AlternateBase, grey);
    return p;
}

QString tr(const char *key)
{
    return QCoreApplication::translate("frmLogin", key);
}

} // namespace

void Ui::frmLogin::setupUi(QDialog *dialog)
{
    if (dialog->objectName().isEmpty())
        dialog->setObjectName(QStringLiteral("frmLogin"));
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->resize(305, 156);
    dialog->setWindowIcon(WindowLook::windowIcon(QStringLiteral(":/icons/imgs/motorcycle.ico")));
    dialog->setPalette(greyPalette());

    lblReqPassword = new QLabel(dialog);
    lblReqPassword->setObjectName(QStringLiteral("lblReqPassword"));
    lblReqPassword->setGeometry(10, 10, 281, 21);
    QFont bold;
    bold.setPointSize(11);
    bold.setBold(true);
    bold.setWeight(75);
    lblReqPassword->setFont(bold);
    lblReqPassword->setAlignment(Qt::AlignCenter);

    lePassword = new QLineEdit(dialog);
    lePassword->setObjectName(QStringLiteral("lePassword"));
    lePassword->setGeometry(10, 40, 281, 31);
    QFont big;
    big.setPointSize(12);
    lePassword->setFont(big);
    lePassword->setEchoMode(QLineEdit::Password);
    lePassword->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    btLogin = new QPushButton(dialog);
    btLogin->setObjectName(QStringLiteral("btLogin"));
    btLogin->setGeometry(200, 100, 91, 41);

    retranslateUi(dialog);
}

void Ui::frmLogin::retranslateUi(QDialog *dialog)
{
    dialog->setWindowTitle(tr("tr(\"Accesso modo esperto\")"));
    lblReqPassword->setText(tr("tr(\"Digitare la password\")"));
    btLogin->setToolTip(QString());
    btLogin->setText(tr("tr(\"Conferma\")"));
}

frmLogin::frmLogin(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::frmLogin)
{
    ui->setupUi(this);
    ui->lePassword->setFocus(Qt::OtherFocusReason);
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    connect(ui->btLogin, &QPushButton::pressed, this, &frmLogin::onCloseClicked);
}

frmLogin::~frmLogin()
{
    delete ui;
}

bool frmLogin::isExpertPassword(const QString &text)
{
    return text == QLatin1String("8406");
}

void frmLogin::clearPassword()
{
    ui->lePassword->clear();
    submitted = false;
}

void frmLogin::retranslate()
{
    ui->retranslateUi(this);
    ui->lePassword->clear();
}

void frmLogin::onCloseClicked()
{
    submitted = true;
    emit sgnPassword(ui->lePassword->text());
    setVisible(false);
}

void frmLogin::reject()
{
    // A dismissed dialog counts as a wrong password: whatever was typed is
    // not taken, and the window removes the expert-mode check mark.
    if (isVisible() && !submitted) {
        submitted = true;
        emit sgnPassword(QString());
    }
    QDialog::reject();
}

void frmLogin::closeEvent(QCloseEvent *event)
{
    submitted = true;
    emit sgnPassword(ui->lePassword->text());
    event->accept();
}
