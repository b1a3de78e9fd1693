// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small information window with the maker's logo.

#include <QDialog>

class QLabel;
class QPushButton;

namespace Ui {
struct frmAbout {
    QPushButton *btClose;
    QLabel *lblLogo;
    QLabel *lblInfo;
    void setupUi(QDialog *dialog);
    void retranslateUi(QDialog *dialog);
};
} // namespace Ui

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent);
    ~frmAbout() override;
    void retranslate();

private:
    Ui::frmAbout *ui;
};
