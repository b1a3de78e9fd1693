// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The password dialog that opens expert mode.

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace Ui {
struct frmLogin {
    QLabel *lblReqPassword;
    QLineEdit *lePassword;
    QPushButton *btLogin;
    void setupUi(QDialog *dialog);
    void retranslateUi(QDialog *dialog);
};
} // namespace Ui

class frmLogin : public QDialog {
    Q_OBJECT
public:
    explicit frmLogin(QWidget *parent);
    ~frmLogin() override;

    void clearPassword();
    void retranslate();

    // The compiled-in password; compared whole, exactly and case-sensitively.
    static bool isExpertPassword(const QString &text);

signals:
    void sgnPassword(QString text);

public slots:
    void onCloseClicked();
    // Escape dismisses the dialog: reported as a wrong password, so the menu's
    // check mark never claims a mode that is not on.
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Ui::frmLogin *ui;
    bool submitted = false;
};
