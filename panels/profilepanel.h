// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The profile as the window shows it: the file in use, loading and saving
// it, restoring the last backup, the flat profile, the injection constant K
// and the engine type (which sets the curve's speed range and the logo).
// The curve and K live in the model; this panel's widgets are views of it.
//
// Every file action runs once the line is quiet (the session's whenIdle), so
// no dialog or file access overlaps with an exchange.

#include <QDateTime>
#include <QObject>
#include <QString>

#include "gauge/enginetype.h"
#include "link/cdevinfo.h"

class QAction;
class QLabel;
class QPushButton;
class QSpinBox;
class WindowContext;

class ProfilePanel : public QObject {
    Q_OBJECT
public:
    struct Widgets {
        QPushButton *load = nullptr;  // btCaricaProfilo
        QPushButton *save = nullptr;  // btSalvaProfilo
        QLabel *path = nullptr;       // lblPathProfilo
        QSpinBox *k = nullptr;        // spKIniezione
        QSpinBox *flatValue = nullptr;  // spProfiloPiatto
        QPushButton *flat = nullptr;    // btFlatProfile
        QLabel *logo = nullptr;
        QAction *loadAction = nullptr;
        QAction *saveAction = nullptr;
        QAction *restoreAction = nullptr;
        QAction *twoCylinders = nullptr;
        QAction *fourCylinders = nullptr;
        QWidget *curve = nullptr;       // the plot: the keys act on it after a new curve
    };

    ProfilePanel(WindowContext &context, const Widgets &widgets, QObject *parent = nullptr);

    void load();
    // A profile named by the user elsewhere (the command line, a file manager).
    void open(const QString &path);
    void save();
    // Saves under a name the user gives, then asks for the write
    // (savedForWrite).
    void saveAndSend();
    // Runs a file word once its turn on the line has come: "LOAD_PROFILE",
    // "SAVE_PROFILE" or "SAVE_PROFILE_AND_SEND"; any other word does nothing.
    void runFileWord(const QString &word);
    void restoreLastBackup();
    void setFlatProfile();
    // The user changed K: the model keeps it, and a linked unit gets it.
    void editK(int k);

    // The engine type chosen in the menu (after asking about unsaved work),
    // or set at start and by a unit that reports its cylinders.
    void chooseEngineType(int cylinders);
    void selectEngineType(int cylinders);
    int engineCylinders() const { return cylinders; }
    // The found unit's record: its value range and, when it reports it, its
    // engine type.
    void applyDeviceInfo(const CDevInfo &info);
    // The user closed the link: a curve not saved anywhere stays, else the
    // editor starts afresh with a flat curve.
    void resetAfterDisconnect();
    void retranslate();

signals:
    void engineTypeChanged(const EngineType::Setup &setup);
    void savedForWrite();

private:
    void loadProfile();
    void loadFile(const QString &path);
    void saveProfile(const QString &word);
    void showFile();
    void focusCurve();
    void showK(int k);
    void updateEnabled();
    void updateEngineActions();

    WindowContext &ctx;
    Widgets ui;
    int cylinders = 0;
    QDateTime readAt;  // the editor's curve came from the unit then (invalid: not)
};
