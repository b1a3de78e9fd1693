// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/frmabout.h"

#include <QCoreApplication>
#include <QIcon>

#include "uicommon/windowlook.h"
#include <QLabel>
#include <QMetaObject>
#include <QPixmap>
#include <QPushButton>

void Ui::frmAbout::setupUi(QDialog *dialog)
{
    if (dialog->objectName().isEmpty())
        dialog->setObjectName(QStringLiteral("frmAbout"));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->resize(484, 385);
    dialog->setWindowIcon(WindowLook::windowIcon(QStringLiteral(":/icons/imgs/motorcycle.ico")));

    btClose = new QPushButton(dialog);
    btClose->setObjectName(QStringLiteral("btClose"));
    btClose->setGeometry(354, 350, 121, 31);

    lblLogo = new QLabel(dialog);
    lblLogo->setObjectName(QStringLiteral("lblLogo"));
    lblLogo->setGeometry(10, 0, 471, 301);
    lblLogo->setPixmap(QPixmap(QStringLiteral(":/images/imgs/brundholt2.jpg")));
    lblLogo->setAlignment(Qt::AlignCenter);

    lblInfo = new QLabel(dialog);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lblInfo->setGeometry(20, 320, 451, 21);
    lblInfo->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

    retranslateUi(dialog);
}

void Ui::frmAbout::retranslateUi(QDialog *dialog)
{
    dialog->setWindowTitle(QCoreApplication::translate("frmAbout", "tr(\"Informazioni\")"));
    btClose->setText(QCoreApplication::translate("frmAbout", "tr(\"Chiudi\")"));
    // Setting an already empty text keeps the logo's pixmap.
    lblLogo->setText(QString());
    lblInfo->setText(QString());
}

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::frmAbout)
{
    ui->setupUi(this);
    connect(ui->btClose, &QPushButton::clicked, this, &QDialog::close);
    QMetaObject::connectSlotsByName(this);
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
}

frmAbout::~frmAbout()
{
    delete ui;
}

void frmAbout::retranslate()
{
    ui->retranslateUi(this);
}
