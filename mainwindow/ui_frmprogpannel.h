// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's form: every widget, menu and action with its object name.
// Written by hand in the shape of a generated form class.

#include <QtCore/QtGlobal>

class QAction;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLCDNumber;
class QLabel;
class QMainWindow;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableView;
class QStatusBar;
class QVBoxLayout;
class QWidget;
class QwtPlot;

namespace Ui {

class frmProgPannel {
public:
    QAction *actionCarica_Profilo;
    QAction *actionSalva_Profilo;
    QAction *actionUscita_Programma;
    QAction *actionCercaCentralina;
    QAction *actionMuovi_Su;
    QAction *actionMuovi_Giu;
    QAction *actionMuovi_Sinistra;
    QAction *actionMuovi_Destra;
    QAction *actionInformazioni;
    QAction *actionCentralina_2cilindri;
    QAction *actionCentralina_4cilindri;
    QAction *actionInglese;
    QAction *actionItaliano;
    QAction *actionModo_Esperto;
    // Beyond the design: backups, editing.
    QAction *actionRipristina_Backup;
    QAction *actionUndo;
    QAction *actionRedo;
    QAction *actionCopia;
    QAction *actionIncolla;
    QAction *actionAumenta;
    QAction *actionDiminuisci;
    QAction *actionImposta;
    QAction *actionAggiungi;
    QAction *actionScala;
    QAction *actionInterpola;
    QAction *actionLiscia;
    QAction *actionConfrontaFile;
    QAction *actionConfrontaEcu;
    QAction *actionNascondiConfronto;
    // Beyond the design: live data.
    QAction *actionRegistra;
    QAction *actionStorico;
    QAction *actionMiscela;
    QAction *actionSondaLambda;
    QAction *actionCronologia;
    QAction *actionMoto;
    // Beyond the design: finding the unit.
    QAction *actionDiagnosi;
    QAction *actionRicercaAutomatica;

    QWidget *centralwidget;
    QGridLayout *gridLayout_2;
    QHBoxLayout *horizontalLayout_5;
    QGroupBox *gbCurva;
    QHBoxLayout *horizontalLayout_9;
    QwtPlot *qwtPlot;
    QGroupBox *gbGiri;
    QVBoxLayout *verticalLayoutCurva;
    QTableView *tblCurva;
    QWidget *wgStorico;
    QVBoxLayout *verticalLayout_6;
    QGroupBox *gbRPM;
    QVBoxLayout *verticalLayoutRPM;
    QGroupBox *gbRPMValue;
    QLabel *lblRPM;
    QLCDNumber *lcdRPM;
    QLabel *lblAfr;
    QGroupBox *gbLogo;
    QLabel *lblLogo;

    QHBoxLayout *horizontalLayout;
    QGroupBox *gbPortaComm;
    QVBoxLayout *verticalLayout_5;
    QVBoxLayout *verticalLayout_4;
    QLabel *label;
    QLabel *lblVirtualPort;
    QPushButton *btRicercaPorta;
    QPushButton *btStartLink;
    QGroupBox *gbLoadSave;
    QVBoxLayout *verticalLayout_2;
    QProgressBar *progressBar;
    QPushButton *btSaveFlash;
    QPushButton *btReadFlash;
    QGroupBox *gbParametri;
    QHBoxLayout *horizontalLayout_8;
    QVBoxLayout *verticalLayoutExpertMode;
    QHBoxLayout *horizontalLayout_3;
    QLabel *lblLivelloSensore;
    QLabel *lblAdcSonda;
    QHBoxLayout *horizontalLayout_6;
    QPushButton *btBanco;
    QVBoxLayout *verticalLayout_3;
    QHBoxLayout *horizontalLayout_4;
    QLabel *lblIniezione;
    QSpinBox *spKIniezione;
    QHBoxLayout *horizontalLayout_7;
    QLabel *lblProfiloPiatto;
    QSpinBox *spProfiloPiatto;
    QPushButton *btFlatProfile;
    QGroupBox *gbProfilo;
    QVBoxLayout *verticalLayout_8;
    QVBoxLayout *verticalLayout_7;
    QLabel *lblProfilo;
    QLabel *lblPathProfilo;
    QHBoxLayout *horizontalLayout_2;
    QPushButton *btCaricaProfilo;
    QPushButton *btSalvaProfilo;
    QPushButton *btClose;

    QMenuBar *menubar;
    QMenu *menuFile;
    QMenu *menuModifica;
    QMenu *menuDatiVivo;
    QMenu *menuConfigurazione;
    QMenu *menuTipoCentralina;
    QMenu *menuSeleziona_Lingua;
    QMenu *menuMuovi_Cursure;
    QMenu *menuAbout;
    QStatusBar *statusbar;

    void setupUi(QMainWindow *frmProgPannel);
    void retranslateUi(QMainWindow *frmProgPannel);
};

} // namespace Ui
