// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/ui_frmprogpannel.h"

#include <QAction>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLCDNumber>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QSpacerItem>
#include <QSpinBox>
#include <QHeaderView>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>
#include <qwt_plot.h>

#include "mainwindow/logofit.h"
#include "uicommon/windowlook.h"

namespace {

QFont font(int pointSize, int weight)
{
    QFont f;
    if (pointSize > 0)
        f.setPointSize(pointSize);
    f.setWeight(weight);
    return f;
}

QFont boldFont(int pointSize = -1)
{
    return font(pointSize, 75);
}

QLabel *makeLabel(QWidget *parent, const char *name)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QPushButton *makeButton(QWidget *parent, const char *name)
{
    auto *b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

QGroupBox *makeGroup(QWidget *parent, const char *name, int minW, int minH)
{
    auto *g = new QGroupBox(parent);
    g->setObjectName(QString::fromLatin1(name));
    g->setMinimumSize(minW, minH);
    return g;
}

template <typename Layout>
Layout *makeLayout(const char *name)
{
    auto *l = new Layout();
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

template <typename Layout>
Layout *makeLayout(QWidget *parent, const char *name)
{
    auto *l = new Layout(parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QAction *makeAction(QMainWindow *window, const char *name, bool checkable = false)
{
    auto *a = new QAction(window);
    a->setObjectName(QString::fromLatin1(name));
    a->setCheckable(checkable);
    return a;
}

QMenu *makeMenu(QWidget *parent, const char *name)
{
    auto *m = new QMenu(parent);
    m->setObjectName(QString::fromLatin1(name));
    return m;
}

void setSunkenPanel(QLabel *label)
{
    label->setFrameShape(QFrame::WinPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
}

QString tr(const char *key)
{
    return QCoreApplication::translate("frmProgPannel", key);
}

// Widens a control's designed minimum to what its current text needs, so that
// a longer translation is never cut off.
void fitText(QWidget *w, int designedMinWidth)
{
    w->setMinimumWidth(qMax(designedMinWidth, w->sizeHint().width()));
}

} // namespace

namespace Ui {

void frmProgPannel::setupUi(QMainWindow *window)
{
    if (window->objectName().isEmpty())
        window->setObjectName(QStringLiteral("frmProgPannel"));
    // Taller than the design's 536 pixels by the value table under the plot;
    // still well within a 1366 x 768 screen.
    window->resize(1075, 640);
    window->setWindowIcon(WindowLook::windowIcon(QStringLiteral(":/icons/imgs/Tervalix.ico")));
    window->setPalette(WindowLook::mainPalette());
    window->setFont(font(8, 50));
    window->setStyleSheet(QString());

    actionCarica_Profilo = makeAction(window, "actionCarica_Profilo");
    actionSalva_Profilo = makeAction(window, "actionSalva_Profilo");
    actionUscita_Programma = makeAction(window, "actionUscita_Programma");
    actionCercaCentralina = makeAction(window, "actionCercaCentralina");
    actionMuovi_Su = makeAction(window, "actionMuovi_Su");
    actionMuovi_Giu = makeAction(window, "actionMuovi_Giu");
    actionMuovi_Sinistra = makeAction(window, "actionMuovi_Sinistra");
    actionMuovi_Destra = makeAction(window, "actionMuovi_Destra");
    actionInformazioni = makeAction(window, "actionInformazioni");
    actionCentralina_2cilindri = makeAction(window, "actionCentralina_2cilindri", true);
    actionCentralina_4cilindri = makeAction(window, "actionCentralina_4cilindri", true);
    actionInglese = makeAction(window, "actionInglese", true);
    actionItaliano = makeAction(window, "actionItaliano", true);
    actionModo_Esperto = makeAction(window, "actionModo_Esperto", true);
    actionRipristina_Backup = makeAction(window, "actionRipristina_Backup");
    actionUndo = makeAction(window, "actionUndo");
    actionRedo = makeAction(window, "actionRedo");
    actionCopia = makeAction(window, "actionCopia");
    actionIncolla = makeAction(window, "actionIncolla");
    actionAumenta = makeAction(window, "actionAumenta");
    actionDiminuisci = makeAction(window, "actionDiminuisci");
    actionImposta = makeAction(window, "actionImposta");
    actionAggiungi = makeAction(window, "actionAggiungi");
    actionScala = makeAction(window, "actionScala");
    actionInterpola = makeAction(window, "actionInterpola");
    actionLiscia = makeAction(window, "actionLiscia");
    actionConfrontaFile = makeAction(window, "actionConfrontaFile");
    actionConfrontaEcu = makeAction(window, "actionConfrontaEcu");
    actionNascondiConfronto = makeAction(window, "actionNascondiConfronto");
    actionRegistra = makeAction(window, "actionRegistra", true);
    actionStorico = makeAction(window, "actionStorico", true);
    actionMiscela = makeAction(window, "actionMiscela");
    actionSondaLambda = makeAction(window, "actionSondaLambda");
    actionCronologia = makeAction(window, "actionCronologia");
    actionMoto = makeAction(window, "actionMoto");
    actionDiagnosi = makeAction(window, "actionDiagnosi");
    actionRicercaAutomatica = makeAction(window, "actionRicercaAutomatica", true);

    centralwidget = new QWidget(window);
    centralwidget->setObjectName(QStringLiteral("centralwidget"));
    gridLayout_2 = makeLayout<QGridLayout>(centralwidget, "gridLayout_2");

    // Row 0: the curve and, beside it, the rev counter with the logo. The
    // row takes the window's extra height, and the curve most of its width.
    horizontalLayout_5 = makeLayout<QHBoxLayout>("horizontalLayout_5");
    gbCurva = makeGroup(centralwidget, "gbCurva", 560, 300);
    gbCurva->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    horizontalLayout_9 = makeLayout<QHBoxLayout>(gbCurva, "horizontalLayout_9");
    verticalLayoutCurva = makeLayout<QVBoxLayout>("verticalLayoutCurva");
    verticalLayoutCurva->setSpacing(4);
    qwtPlot = new QwtPlot(gbCurva);
    qwtPlot->setObjectName(QStringLiteral("qwtPlot"));
    qwtPlot->setMinimumHeight(160);
    verticalLayoutCurva->addWidget(qwtPlot, 1);
    // The curve as numbers: one column per point, rows of engine speed and
    // value (and, while comparing, the other curve and the difference).
    tblCurva = new QTableView(gbCurva);
    tblCurva->setObjectName(QStringLiteral("tblCurva"));
    tblCurva->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tblCurva->setSelectionBehavior(QAbstractItemView::SelectItems);
    tblCurva->horizontalHeader()->setDefaultSectionSize(38);
    tblCurva->horizontalHeader()->setMinimumSectionSize(30);
    tblCurva->verticalHeader()->setDefaultSectionSize(20);
    tblCurva->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tblCurva->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    tblCurva->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tblCurva->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                              | QAbstractItemView::AnyKeyPressed);
    // Tab goes on to the next control; the arrows move inside the table.
    tblCurva->setTabKeyNavigation(false);
    tblCurva->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    verticalLayoutCurva->addWidget(tblCurva, 0);
    // Room for the strip chart of the last minute, under the table when shown.
    wgStorico = new QWidget(gbCurva);
    wgStorico->setObjectName(QStringLiteral("wgStorico"));
    auto *historyLayout = makeLayout<QVBoxLayout>(wgStorico, "verticalLayoutStorico");
    historyLayout->setContentsMargins(0, 0, 0, 0);
    wgStorico->setVisible(false);
    verticalLayoutCurva->addWidget(wgStorico, 0);
    horizontalLayout_9->addLayout(verticalLayoutCurva);
    horizontalLayout_5->addWidget(gbCurva, 4);

    gbGiri = makeGroup(centralwidget, "gbGiri", 237, 267);
    gbGiri->setMaximumWidth(420);
    gbGiri->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    verticalLayout_6 = makeLayout<QVBoxLayout>(gbGiri, "verticalLayout_6");
    verticalLayout_6->setContentsMargins(0, 0, 0, 0);
    verticalLayout_6->setSpacing(2);
    gbRPM = makeGroup(gbGiri, "gbRPM", 237, 200);
    QFont kerning;
    kerning.setKerning(true);
    gbRPM->setFont(kerning);
    gbRPM->setFlat(false);
    gbRPM->setCheckable(false);
    // The rev counter goes in here (the window makes it), as large as fits.
    verticalLayoutRPM = makeLayout<QVBoxLayout>(gbRPM, "verticalLayoutRPM");
    verticalLayoutRPM->setContentsMargins(0, 0, 0, 0);
    verticalLayout_6->addWidget(gbRPM, 3);

    gbRPMValue = makeGroup(gbGiri, "gbRPMValue", 237, 59);
    gbRPMValue->setMaximumHeight(59);
    auto *rpmValueLayout = makeLayout<QHBoxLayout>(gbRPMValue, "horizontalLayoutRPMValue");
    rpmValueLayout->setContentsMargins(8, 2, 4, 2);
    lblRPM = makeLabel(gbRPMValue, "lblRPM");
    lblRPM->setMinimumSize(69, 20);
    lblRPM->setFont(boldFont(11));
    lblRPM->setAlignment(Qt::AlignCenter);
    rpmValueLayout->addWidget(lblRPM, 2);
    lcdRPM = new QLCDNumber(gbRPMValue);
    lcdRPM->setObjectName(QStringLiteral("lcdRPM"));
    lcdRPM->setMinimumSize(120, 45);
    lcdRPM->setFont(font(8, 50));
    lcdRPM->setFrameShape(QFrame::NoFrame);
    lcdRPM->setLineWidth(1);
    lcdRPM->setSmallDecimalPoint(false);
    lcdRPM->setSegmentStyle(QLCDNumber::Filled);
    lcdRPM->display(0);
    rpmValueLayout->addWidget(lcdRPM, 3);
    // The wideband's reading, next to the engine speed, while one is on.
    lblAfr = makeLabel(gbRPMValue, "lblAfr");
    lblAfr->setFont(boldFont(11));
    lblAfr->setAlignment(Qt::AlignCenter);
    lblAfr->setStyleSheet(QStringLiteral("color: rgb(120, 255, 120);"));
    rpmValueLayout->addWidget(lblAfr, 2);
    verticalLayout_6->addWidget(gbRPMValue, 0);

    gbLogo = makeGroup(gbGiri, "gbLogo", 237, 1);
    gbLogo->setSizeIncrement(0, 1);
    gbLogo->setFont(kerning);
    gbLogo->setFlat(false);
    gbLogo->setCheckable(false);
    auto *logoLayout = makeLayout<QVBoxLayout>(gbLogo, "verticalLayoutLogo");
    logoLayout->setContentsMargins(2, 2, 2, 2);
    lblLogo = makeLabel(gbLogo, "lblLogo");
    lblLogo->setMinimumSize(0, 0);
    lblLogo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    lblLogo->setFont(boldFont(11));
    // The logo comes with the engine type, chosen right after the form is
    // built; drawn whole, proportions kept, in whatever room there is.
    lblLogo->setScaledContents(true);
    lblLogo->setAlignment(Qt::AlignCenter);
    new LogoFit(lblLogo);
    logoLayout->addWidget(lblLogo);
    verticalLayout_6->addWidget(gbLogo, 2);
    horizontalLayout_5->addWidget(gbGiri, 1);
    gridLayout_2->addLayout(horizontalLayout_5, 0, 0, 1, 1);
    gridLayout_2->setRowStretch(0, 1);

    // Row 1: port, transfer, parameters and profile groups.
    horizontalLayout = makeLayout<QHBoxLayout>("horizontalLayout");
    horizontalLayout->setSpacing(3);

    gbPortaComm = makeGroup(centralwidget, "gbPortaComm", 140, 140);
    verticalLayout_5 = makeLayout<QVBoxLayout>(gbPortaComm, "verticalLayout_5");
    verticalLayout_4 = makeLayout<QVBoxLayout>("verticalLayout_4");
    label = makeLabel(gbPortaComm, "label");
    label->setMinimumSize(0, 8);
    label->setFont(boldFont());
    label->setAlignment(Qt::AlignCenter);
    verticalLayout_4->addWidget(label);
    lblVirtualPort = makeLabel(gbPortaComm, "lblVirtualPort");
    lblVirtualPort->setFont(boldFont(10));
    setSunkenPanel(lblVirtualPort);
    verticalLayout_4->addWidget(lblVirtualPort);
    verticalLayout_5->addLayout(verticalLayout_4);
    btRicercaPorta = makeButton(gbPortaComm, "btRicercaPorta");
    btRicercaPorta->setMinimumHeight(33);
    btRicercaPorta->setFont(font(7, 50));
    verticalLayout_5->addWidget(btRicercaPorta);
    btStartLink = makeButton(gbPortaComm, "btStartLink");
    btStartLink->setMinimumHeight(33);
    btStartLink->setFont(font(7, 50));
    btStartLink->setDefault(true);
    verticalLayout_5->addWidget(btStartLink);
    horizontalLayout->addWidget(gbPortaComm);
    horizontalLayout->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));

    gbLoadSave = makeGroup(centralwidget, "gbLoadSave", 220, 140);
    verticalLayout_2 = makeLayout<QVBoxLayout>(gbLoadSave, "verticalLayout_2");
    progressBar = new QProgressBar(gbLoadSave);
    progressBar->setObjectName(QStringLiteral("progressBar"));
    progressBar->setValue(0);
    verticalLayout_2->addWidget(progressBar);
    btSaveFlash = makeButton(gbLoadSave, "btSaveFlash");
    btSaveFlash->setMinimumHeight(33);
    btSaveFlash->setFont(boldFont(9));
    btSaveFlash->setPalette(WindowLook::actionButtonPalette());
    verticalLayout_2->addWidget(btSaveFlash);
    btReadFlash = makeButton(gbLoadSave, "btReadFlash");
    btReadFlash->setMinimumHeight(33);
    btReadFlash->setFont(boldFont(9));
    btReadFlash->setPalette(WindowLook::actionButtonPalette());
    verticalLayout_2->addWidget(btReadFlash);
    horizontalLayout->addWidget(gbLoadSave);
    horizontalLayout->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));

    gbParametri = makeGroup(centralwidget, "gbParametri", 280, 140);
    horizontalLayout_8 = makeLayout<QHBoxLayout>(gbParametri, "horizontalLayout_8");
    horizontalLayout_8->setContentsMargins(6, 6, 6, 6);
    horizontalLayout_8->setSpacing(4);
    verticalLayoutExpertMode = makeLayout<QVBoxLayout>("verticalLayoutExpertMode");
    horizontalLayout_3 = makeLayout<QHBoxLayout>("horizontalLayout_3");
    horizontalLayout_3->setSpacing(3);
    lblLivelloSensore = makeLabel(gbParametri, "lblLivelloSensore");
    lblLivelloSensore->setMinimumSize(76, 20);
    lblLivelloSensore->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
    lblLivelloSensore->setFont(boldFont(8));
    lblLivelloSensore->setAlignment(Qt::AlignCenter);
    horizontalLayout_3->addWidget(lblLivelloSensore);
    lblAdcSonda = makeLabel(gbParametri, "lblAdcSonda");
    lblAdcSonda->setMinimumSize(61, 20);
    lblAdcSonda->setMaximumWidth(61);
    lblAdcSonda->setFont(boldFont(10));
    lblAdcSonda->setStyleSheet(QStringLiteral("background-color: rgb(154, 255, 113);"));
    setSunkenPanel(lblAdcSonda);
    lblAdcSonda->setText(QStringLiteral("0"));
    horizontalLayout_3->addWidget(lblAdcSonda);
    verticalLayoutExpertMode->addLayout(horizontalLayout_3);
    verticalLayoutExpertMode->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));
    horizontalLayout_6 = makeLayout<QHBoxLayout>("horizontalLayout_6");
    btBanco = makeButton(gbParametri, "btBanco");
    btBanco->setMinimumSize(60, 60);
    btBanco->setFont(boldFont(9));
    btBanco->setAutoFillBackground(false);
    btBanco->setAutoDefault(false);
    btBanco->setDefault(false);
    btBanco->setFlat(false);
    horizontalLayout_6->addWidget(btBanco, 1);
    // 64 px when there is room; it gives way to a long bench-button text.
    horizontalLayout_6->addItem(new QSpacerItem(64, 20, QSizePolicy::Maximum, QSizePolicy::Minimum));
    verticalLayoutExpertMode->addLayout(horizontalLayout_6);
    horizontalLayout_8->addLayout(verticalLayoutExpertMode, 0);

    verticalLayout_3 = makeLayout<QVBoxLayout>("verticalLayout_3");
    horizontalLayout_4 = makeLayout<QHBoxLayout>("horizontalLayout_4");
    lblIniezione = makeLabel(gbParametri, "lblIniezione");
    lblIniezione->setMinimumSize(69, 20);
    lblIniezione->setFont(font(-1, 50));
    lblIniezione->setAlignment(Qt::AlignCenter);
    horizontalLayout_4->addWidget(lblIniezione);
    spKIniezione = new QSpinBox(gbParametri);
    spKIniezione->setObjectName(QStringLiteral("spKIniezione"));
    spKIniezione->setMinimumSize(40, 20);
    spKIniezione->setFont(font(10, 50));
    spKIniezione->setStyleSheet(QStringLiteral("background-color: rgb(255, 246, 0);"));
    spKIniezione->setAlignment(Qt::AlignCenter);
    spKIniezione->setReadOnly(false);
    spKIniezione->setRange(1, 4);
    horizontalLayout_4->addWidget(spKIniezione);
    verticalLayout_3->addLayout(horizontalLayout_4);
    verticalLayout_3->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));
    horizontalLayout_7 = makeLayout<QHBoxLayout>("horizontalLayout_7");
    lblProfiloPiatto = makeLabel(gbParametri, "lblProfiloPiatto");
    lblProfiloPiatto->setMinimumSize(69, 20);
    lblProfiloPiatto->setFont(font(-1, 50));
    lblProfiloPiatto->setAlignment(Qt::AlignCenter);
    horizontalLayout_7->addWidget(lblProfiloPiatto);
    spProfiloPiatto = new QSpinBox(gbParametri);
    spProfiloPiatto->setObjectName(QStringLiteral("spProfiloPiatto"));
    spProfiloPiatto->setMinimumSize(40, 20);
    spProfiloPiatto->setFont(font(10, 50));
    spProfiloPiatto->setStyleSheet(QStringLiteral("background-color: rgb(250, 250, 250);"));
    spProfiloPiatto->setAlignment(Qt::AlignCenter);
    spProfiloPiatto->setRange(-10, 32);
    horizontalLayout_7->addWidget(spProfiloPiatto);
    verticalLayout_3->addLayout(horizontalLayout_7);
    verticalLayout_3->addItem(new QSpacerItem(20, 10, QSizePolicy::Minimum, QSizePolicy::Expanding));
    btFlatProfile = makeButton(gbParametri, "btFlatProfile");
    btFlatProfile->setMinimumSize(132, 30);
    btFlatProfile->setFont(boldFont(9));
    btFlatProfile->setPalette(WindowLook::actionButtonPalette());
    verticalLayout_3->addWidget(btFlatProfile);
    horizontalLayout_8->addLayout(verticalLayout_3, 1);
    horizontalLayout->addWidget(gbParametri);
    horizontalLayout->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));

    gbProfilo = makeGroup(centralwidget, "gbProfilo", 270, 140);
    gbProfilo->setFlat(false);
    gbProfilo->setCheckable(false);
    verticalLayout_8 = makeLayout<QVBoxLayout>(gbProfilo, "verticalLayout_8");
    verticalLayout_7 = makeLayout<QVBoxLayout>("verticalLayout_7");
    lblProfilo = makeLabel(gbProfilo, "lblProfilo");
    lblProfilo->setMinimumSize(0, 10);
    lblProfilo->setFont(boldFont());
    lblProfilo->setAlignment(Qt::AlignCenter);
    verticalLayout_7->addWidget(lblProfilo);
    lblPathProfilo = makeLabel(gbProfilo, "lblPathProfilo");
    lblPathProfilo->setMinimumWidth(200);
    lblPathProfilo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lblPathProfilo->setFont(boldFont(9));
    setSunkenPanel(lblPathProfilo);
    verticalLayout_7->addWidget(lblPathProfilo);
    verticalLayout_8->addLayout(verticalLayout_7);
    horizontalLayout_2 = makeLayout<QHBoxLayout>("horizontalLayout_2");
    btCaricaProfilo = makeButton(gbProfilo, "btCaricaProfilo");
    btCaricaProfilo->setMinimumSize(110, 33);
    btCaricaProfilo->setFont(boldFont(9));
    btCaricaProfilo->setPalette(WindowLook::actionButtonPalette());
    horizontalLayout_2->addWidget(btCaricaProfilo);
    btSalvaProfilo = makeButton(gbProfilo, "btSalvaProfilo");
    btSalvaProfilo->setMinimumSize(110, 33);
    btSalvaProfilo->setFont(boldFont(9));
    btSalvaProfilo->setPalette(WindowLook::actionButtonPalette());
    horizontalLayout_2->addWidget(btSalvaProfilo);
    verticalLayout_8->addLayout(horizontalLayout_2);
    btClose = makeButton(gbProfilo, "btClose");
    btClose->setMinimumSize(150, 33);
    btClose->setFont(boldFont(12));
    btClose->setPalette(WindowLook::closeButtonPalette());
    verticalLayout_8->addWidget(btClose);
    horizontalLayout->addWidget(gbProfilo);
    // The controls keep their height; the curve above takes the rest.
    for (QGroupBox *g : {gbPortaComm, gbLoadSave, gbParametri, gbProfilo})
        g->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    gridLayout_2->addLayout(horizontalLayout, 1, 0, 1, 1);

    window->setCentralWidget(centralwidget);

    menubar = new QMenuBar(window);
    menubar->setObjectName(QStringLiteral("menubar"));
    menuFile = makeMenu(menubar, "menuFile");
    menuModifica = makeMenu(menubar, "menuModifica");
    menuDatiVivo = makeMenu(menubar, "menuDatiVivo");
    menuConfigurazione = makeMenu(menubar, "menuConfigurazione");
    menuTipoCentralina = makeMenu(menuConfigurazione, "menuTipoCentralina");
    menuSeleziona_Lingua = makeMenu(menuConfigurazione, "menuSeleziona_Lingua");
    menuMuovi_Cursure = makeMenu(menubar, "menuMuovi_Cursure");
    menuAbout = makeMenu(menubar, "menuAbout");
    window->setMenuBar(menubar);
    statusbar = new QStatusBar(window);
    statusbar->setObjectName(QStringLiteral("statusbar"));
    window->setStatusBar(statusbar);

    menubar->addAction(menuFile->menuAction());
    menubar->addAction(menuModifica->menuAction());
    menubar->addAction(menuConfigurazione->menuAction());
    menubar->addAction(menuDatiVivo->menuAction());
    menubar->addAction(menuMuovi_Cursure->menuAction());
    menubar->addAction(menuAbout->menuAction());
    menuFile->addAction(actionCarica_Profilo);
    menuFile->addAction(actionSalva_Profilo);
    menuFile->addSeparator();
    menuFile->addAction(actionRipristina_Backup);
    menuFile->addAction(actionCronologia);
    menuFile->addAction(actionMoto);
    menuFile->addSeparator();
    menuFile->addAction(actionUscita_Programma);
    menuModifica->addAction(actionUndo);
    menuModifica->addAction(actionRedo);
    menuModifica->addSeparator();
    menuModifica->addAction(actionCopia);
    menuModifica->addAction(actionIncolla);
    menuModifica->addSeparator();
    menuModifica->addAction(actionAumenta);
    menuModifica->addAction(actionDiminuisci);
    menuModifica->addAction(actionImposta);
    menuModifica->addAction(actionAggiungi);
    menuModifica->addAction(actionScala);
    menuModifica->addAction(actionInterpola);
    menuModifica->addAction(actionLiscia);
    menuModifica->addSeparator();
    menuModifica->addAction(actionConfrontaFile);
    menuModifica->addAction(actionConfrontaEcu);
    menuModifica->addAction(actionNascondiConfronto);
    menuConfigurazione->addAction(actionCercaCentralina);
    menuConfigurazione->addAction(actionDiagnosi);
    menuConfigurazione->addAction(actionRicercaAutomatica);
    menuConfigurazione->addSeparator();
    menuConfigurazione->addAction(menuTipoCentralina->menuAction());
    menuConfigurazione->addSeparator();
    menuConfigurazione->addAction(menuSeleziona_Lingua->menuAction());
    menuConfigurazione->addSeparator();
    menuConfigurazione->addAction(actionModo_Esperto);
    menuDatiVivo->addAction(actionRegistra);
    menuDatiVivo->addAction(actionStorico);
    menuDatiVivo->addSeparator();
    menuDatiVivo->addAction(actionSondaLambda);
    menuDatiVivo->addAction(actionMiscela);
    menuTipoCentralina->addAction(actionCentralina_2cilindri);
    menuTipoCentralina->addAction(actionCentralina_4cilindri);
    menuSeleziona_Lingua->addAction(actionItaliano);
    menuSeleziona_Lingua->addAction(actionInglese);
    menuMuovi_Cursure->addAction(actionMuovi_Su);
    menuMuovi_Cursure->addAction(actionMuovi_Giu);
    menuMuovi_Cursure->addAction(actionMuovi_Sinistra);
    menuMuovi_Cursure->addAction(actionMuovi_Destra);
    menuAbout->addAction(actionInformazioni);

    retranslateUi(window);
    QMetaObject::connectSlotsByName(window);
}

void frmProgPannel::retranslateUi(QMainWindow *window)
{
    window->setWindowTitle(tr("MainWindow"));
    actionCarica_Profilo->setText(tr("tr(\"Carica Profilo\")"));
    actionSalva_Profilo->setText(tr("tr(\"Salva Profilo\")"));
    actionUscita_Programma->setText(tr("tr(\"Exit program Alt+F4\")"));
    actionCercaCentralina->setText(tr("tr(\"Cerca Centralina: Ctrl+P\")"));
    actionMuovi_Su->setText(tr("tr(\"Muovi S\xc3\xb9: Ctrl+Up\")"));
    actionMuovi_Giu->setText(tr("tr(\"Muovi Gi\xc3\xb9: Ctrl+Dn\")"));
    actionMuovi_Sinistra->setText(tr("tr(\"Muovi Sinistra: Ctrl+Left\")"));
    actionMuovi_Destra->setText(tr("tr(\"Muovi Destra: Ctrl+Right\")"));
    actionInformazioni->setText(tr("tr(\"About\")"));
    actionCentralina_2cilindri->setText(tr("tr(\"Centralina 2 cilindri\")"));
    actionCentralina_4cilindri->setText(tr("tr(\"Centralina 4 cilindri\")"));
    actionInglese->setText(tr("tr(\"Inglese\")"));
    actionItaliano->setText(tr("tr(\"Italiano\")"));
    actionModo_Esperto->setText(tr("tr(\"Modo Esperto\")"));
    actionRipristina_Backup->setText(tr("Ripristina ultimo backup"));
    actionUndo->setText(tr("Annulla"));
    actionRedo->setText(tr("Ripeti"));
    actionCopia->setText(tr("Copia valori"));
    actionIncolla->setText(tr("Incolla valori"));
    actionAumenta->setText(tr("Aumenta di uno"));
    actionDiminuisci->setText(tr("Diminuisci di uno"));
    actionImposta->setText(tr("Imposta valore..."));
    actionAggiungi->setText(tr("Aggiungi..."));
    actionScala->setText(tr("Scala in percentuale..."));
    actionInterpola->setText(tr("Interpola"));
    actionLiscia->setText(tr("Leviga"));
    actionConfrontaFile->setText(tr("Confronta con file..."));
    actionConfrontaEcu->setText(tr("Confronta con la centralina"));
    actionNascondiConfronto->setText(tr("Nascondi confronto"));
    actionRegistra->setText(tr("Registra dati dal vivo"));
    actionStorico->setText(tr("Storico giri e sonda"));
    actionMiscela->setText(tr("Analisi della miscela..."));
    actionDiagnosi->setText(tr("Diagnosi del collegamento"));
    actionRicercaAutomatica->setText(tr("Cerca la centralina appena viene collegata"));

    for (QGroupBox *g : {gbCurva, gbGiri, gbRPM, gbRPMValue, gbLogo, gbPortaComm, gbLoadSave,
                         gbParametri, gbProfilo})
        g->setTitle(QString());
    lblRPM->setText(tr("tr(\"Giri/min\")"));
    lblLogo->setText(QString());
    label->setText(tr("tr(\"Virtual Port\")"));
    btRicercaPorta->setToolTip(tr("tr(\"Cerca la porta seriale ove e' collegata la centralina e ne "
                                  "attiva/disattiva la connessione\")"));
    btRicercaPorta->setText(tr("tr(\"     Ricerca Porta\")"));
    btStartLink->setToolTip(tr("tr(\"Attiva/Blocca l'aggiornamento della velocita' e dell'analogica "
                               "sonda temperatura\")"));
    btStartLink->setText(tr("tr(\"Link OFF\")"));
    btSaveFlash->setToolTip(tr("tr(\"Invia la curva profilo alla centralina\")"));
    btSaveFlash->setText(tr("tr(\"Aggiorna ROM Centralina\")"));
    btReadFlash->setToolTip(tr("tr(\"Legge la curva profilo dalla centralina\")"));
    btReadFlash->setText(tr("tr(\"Leggi ROM Centralina\")"));
    lblLivelloSensore->setText(tr("tr(\"Livello Sensore\")"));
    lblAdcSonda->setToolTip(tr("tr(\"Valore analogico sonda temperatura\")"));
    btBanco->setToolTip(tr("tr(\"Imposta/Rimuove Modalita' Banco di Prova\")"));
    btBanco->setText(tr("tr(\"Banco OFF\")"));
    lblIniezione->setText(tr("tr(\"K Iniezione\")"));
    spKIniezione->setToolTip(tr("tr(\"Divisore numero di giri\")"));
    lblProfiloPiatto->setText(tr("tr(\"Profilo Piatto\")"));
    spProfiloPiatto->setToolTip(tr("tr(\"Valore del profilo piatto\")"));
    btFlatProfile->setToolTip(tr("tr(\"Genera un Profilo Piatto\")"));
    btFlatProfile->setText(tr("tr(\"Genera Profilo Piatto\")"));
    lblProfilo->setText(tr("tr(\"Profilo utilizzato\")"));
    btCaricaProfilo->setToolTip(tr("tr(\"Carica la curva profilo da file\") "));
    btCaricaProfilo->setText(tr("tr(\"Carica File di Profilo\")"));
    btSalvaProfilo->setToolTip(tr("tr(\"Salva la curva profilo su file\")"));
    btSalvaProfilo->setText(tr("tr(\"Salva File di Profilo\")"));
    btClose->setToolTip(tr("tr(\"Chiude l'applicazione\")"));
    btClose->setText(tr("tr(\"Close\")"));
    menuFile->setTitle(tr("tr(\"File\")"));
    menuModifica->setTitle(tr("Modifica"));
    menuDatiVivo->setTitle(tr("Dati dal vivo"));
    menuConfigurazione->setTitle(tr("tr(\"Configurazione\")"));
    menuTipoCentralina->setTitle(tr("tr(\"Seleziona Centralina\")"));
    menuSeleziona_Lingua->setTitle(tr("tr(\"Seleziona Lingua\")"));
    menuMuovi_Cursure->setTitle(tr("tr(\"Muovi Cursore\")"));
    menuAbout->setTitle(tr("tr(\"About\")"));

    fitText(lblIniezione, 69);
    fitText(lblProfiloPiatto, 69);
    fitText(btFlatProfile, 132);
    fitText(btBanco, 60);
    fitText(lblLivelloSensore, 76);
}

} // namespace Ui
