// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The connection diagnosis: what the doctor found about the unit, its rights,
// the udev rule, the serial ports and whoever holds them, each with the
// command that fixes it, in text that can be selected and copied. The whole
// report goes to the clipboard as the command-line tool prints it.

#include "doctor/connectiondoctor.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTextBrowser;

class frmDiagnosi : public QDialog {
    Q_OBJECT

public:
    // Diagnoses this machine for the user running the program.
    explicit frmDiagnosi(QWidget *parent);
    frmDiagnosi(QWidget *parent, const ConnectionDoctor::Options &options);
    ~frmDiagnosi() override;

    const DoctorReport &report() const { return current; }
    // The unit the program is linked to now (empty port: none), told to the
    // next diagnosis.
    void setLinkedUnit(const QString &port, const QString &node, const QString &record);
    QString reportText() const;
    // Texts again after a language switch; the diagnosis runs again so that
    // its findings speak the new language too.
    void retranslate();

public slots:
    void runDiagnosis();
    void copyReport();

private:
    void buildForm();
    void retranslateButtons();
    void showReport();

    ConnectionDoctor::Options options;
    DoctorReport current;
    QLabel *lblEsito = nullptr;
    QTextBrowser *txtControlli = nullptr;
    QLabel *lblStato = nullptr;
    QPushButton *btCopia = nullptr;
    QPushButton *btRipeti = nullptr;
    QPushButton *btClose = nullptr;
};
