// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/frmdiagnosi.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

// White on a strong colour reads on light and dark themes alike.
QString verdictColour(DoctorVerdict verdict)
{
    switch (verdict) {
    case DoctorVerdict::Ok:
        return QStringLiteral("#2e7d32");
    case DoctorVerdict::Info:
        return QStringLiteral("#1565c0");
    case DoctorVerdict::Warning:
        return QStringLiteral("#e65100");
    case DoctorVerdict::Problem:
        break;
    }
    return QStringLiteral("#c62828");
}

QString badge(DoctorVerdict verdict)
{
    return QStringLiteral("<span style=\"color:#ffffff; background-color:%1; font-weight:bold;\">&nbsp;%2&nbsp;</span>")
        .arg(verdictColour(verdict), doctorVerdictLabel(verdict).toHtmlEscaped());
}

} // namespace

frmDiagnosi::frmDiagnosi(QWidget *parent) : frmDiagnosi(parent, ConnectionDoctor::systemOptions()) {}

frmDiagnosi::frmDiagnosi(QWidget *parent, const ConnectionDoctor::Options &options)
    : QDialog(parent), options(options)
{
    buildForm();
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    connect(btCopia, &QPushButton::clicked, this, &frmDiagnosi::copyReport);
    connect(btRipeti, &QPushButton::clicked, this, &frmDiagnosi::runDiagnosis);
    connect(btClose, &QPushButton::clicked, this, &QDialog::accept);
    retranslateButtons();
    runDiagnosis();
}

frmDiagnosi::~frmDiagnosi() = default;

void frmDiagnosi::setLinkedUnit(const QString &port, const QString &node, const QString &record)
{
    options.linkedPort = port;
    options.linkedNode = node;
    options.linkedRecord = record;
}

void frmDiagnosi::buildForm()
{
    setObjectName(QStringLiteral("frmDiagnosi"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/imgs/motorcycle.ico")));
    resize(640, 520);

    lblEsito = new QLabel(this);
    lblEsito->setObjectName(QStringLiteral("lblEsito"));
    lblEsito->setWordWrap(true);
    lblEsito->setTextInteractionFlags(Qt::TextSelectableByMouse);

    txtControlli = new QTextBrowser(this);
    txtControlli->setObjectName(QStringLiteral("txtControlli"));
    txtControlli->setOpenLinks(false);

    lblStato = new QLabel(this);
    lblStato->setObjectName(QStringLiteral("lblStato"));

    btCopia = new QPushButton(this);
    btCopia->setObjectName(QStringLiteral("btCopia"));
    btRipeti = new QPushButton(this);
    btRipeti->setObjectName(QStringLiteral("btRipeti"));
    btClose = new QPushButton(this);
    btClose->setObjectName(QStringLiteral("btClose"));
    btClose->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(lblStato, 1);
    buttons->addWidget(btCopia);
    buttons->addWidget(btRipeti);
    buttons->addWidget(btClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblEsito);
    layout->addWidget(txtControlli, 1);
    layout->addLayout(buttons);
}

void frmDiagnosi::retranslateButtons()
{
    setWindowTitle(tr("Diagnosi del collegamento"));
    btCopia->setText(tr("Copia il rapporto"));
    btRipeti->setText(tr("Ripeti la diagnosi"));
    btClose->setText(tr("Chiudi"));
}

void frmDiagnosi::retranslate()
{
    retranslateButtons();
    runDiagnosis();
}

void frmDiagnosi::runDiagnosis()
{
    current = ConnectionDoctor(options).run();
    lblStato->clear();
    showReport();
}

void frmDiagnosi::showReport()
{
    lblEsito->setText(badge(current.summary()) + QStringLiteral("&nbsp; ")
                      + doctorSummaryText(current).toHtmlEscaped());
    QString html;
    for (const DoctorCheck &c : current.checks) {
        html += QStringLiteral("<p>%1&nbsp; <b>%2</b><br/>%3</p>")
                    .arg(badge(c.verdict), c.title.toHtmlEscaped(),
                         c.found.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br/>")));
        if (!c.fix.isEmpty())
            html += QStringLiteral("<p style=\"margin-left:16px;\">%1<br/>"
                                   "<span style=\"white-space:pre-wrap; font-family:monospace;\">%2</span></p>")
                        .arg(tr("Rimedio:").toHtmlEscaped(), c.fix.toHtmlEscaped());
    }
    txtControlli->setHtml(html);
}

QString frmDiagnosi::reportText() const
{
    return formatDoctorReport(current);
}

void frmDiagnosi::copyReport()
{
    QGuiApplication::clipboard()->setText(reportText());
    lblStato->setText(tr("Rapporto copiato negli appunti."));
}
