// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cliecu.h"

#include "cli/cliinterrupt.h"

#include <QCoreApplication>

namespace Cli {

void Wait::finish(int code)
{
    if (done)
        return;
    done = true;
    result = code;
    loop.exit();
}

void Wait::fail(int code, const QString &text)
{
    if (done)
        return;
    out.fail(code, text);
    finish(code);
}

int Wait::exec()
{
    if (!done)
        loop.exec();
    out.endProgress();
    return result;
}

CliEcu::CliEcu(const EcuSession::Config &config, Output &out, InterruptWatch &interrupts, const QString &bike)
    : ses(config), rec(&ses, &lib), bikeName(bike), out(out), watch(interrupts)
{
    // A history that cannot be kept does not fail the command that proved
    // the state, but is said.
    connect(&rec, &HistoryRecorder::recordFailed, this,
            [this](const QString &error) { this->out.error(TervalixCli::tr("Cronologia: %1").arg(error)); });
}

UnitCheck CliEcu::unitCheck() const
{
    if (rec.bike().isEmpty())
        return bikeName.isEmpty() ? UnitCheck::NoUnitYet : UnitCheck::Different;
    return lib.bikes().check(rec.bike(), rec.unit());
}

int CliEcu::adoptBike()
{
    QString error;
    if (!lib.reload(&error))
        out.error(error);
    const BikeRegistry &bikes = lib.bikes();
    const Recognition r = rec.recognition();
    if (bikeName.isEmpty()) {
        if (r.kind == Recognition::Probable) {
            const Bike *b = bikes.find(r.bike);
            out.error(TervalixCli::tr("Probabilmente la centralina della moto %1: con --bike \"%1\" lo si conferma e "
                                     "la cronologia la segue.")
                         .arg(b ? b->name : r.bike));
        }
        return ExitOk;
    }
    const Bike *b = bikes.find(bikeName);
    if (!b)
        return out.fail(ExitUsage, TervalixCli::tr("Nessuna moto di nome %1 (tervalix-cli bikes list)").arg(bikeName));
    const QString key = b->key;
    if (bikes.check(key, rec.unit()) == UnitCheck::Different) {
        // Another unit's states in this bike's history would be wrong.
        rec.setBike(QString());
        out.error(TervalixCli::tr("La centralina collegata non è quella che la cronologia della moto %1 conosce: "
                                  "non vi si registra nulla (bikes attach la assegna alla moto).")
                      .arg(b->name));
        return ExitOk;
    }
    // The user named the bike: a bike without a unit yet learns this one,
    // so that it is recognised next time.
    if (bikes.check(key, rec.unit()) == UnitCheck::NoUnitYet) {
        if (!rec.confirmBike(key, &error))
            out.error(TervalixCli::tr("Cronologia: %1").arg(error));
        return ExitOk;
    }
    rec.setBike(key);
    return ExitOk;
}

CliEcu::~CliEcu()
{
    ses.disconnectLink();
    // The link goes by deleteLater; with no event loop left to run it, the
    // lock file and the port would outlive the command.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void CliEcu::endOnInterrupt(Wait &wait, QObject *scope)
{
    connect(&watch, &InterruptWatch::interrupted, scope,
            [&wait] { wait.fail(ExitInterrupted, TervalixCli::tr("Interrotto.")); });
    connect(&watch, &InterruptWatch::stopRequested, scope,
            [&wait](SignalWatch::Kind, int status) { wait.fail(status, TervalixCli::tr("Terminato.")); });
}

void CliEcu::endOnLoss(Wait &wait, QObject *scope)
{
    connect(&ses, &EcuSession::linkLost, scope, [&wait](const QString &reason) {
        wait.fail(ExitTransfer, TervalixCli::tr("Collegamento perso: %1").arg(reason));
    });
}

QString CliEcu::phaseText(EcuPhase phase)
{
    switch (phase) {
    case EcuPhase::Reading:
        return TervalixCli::tr("lettura");
    case EcuPhase::BackingUp:
        return TervalixCli::tr("copia di sicurezza");
    case EcuPhase::Writing:
        return TervalixCli::tr("scrittura");
    case EcuPhase::Verifying:
        return TervalixCli::tr("verifica");
    }
    return QString();
}

void CliEcu::showProgress(QObject *scope)
{
    connect(&ses, &EcuSession::progress, scope,
            [this](EcuPhase phase, int percent) { out.progress(phaseText(phase), percent); });
}

int CliEcu::link(const QString &port)
{
    Wait wait(out);
    QObject scope;
    ProbeResult result;
    connect(&ses, &EcuSession::probeFinished, &scope, [&](const ProbeResult &r) {
        result = r;
        wait.finish(ExitOk);
    });
    endOnInterrupt(wait, &scope);
    if (port.isEmpty())
        ses.probeHid();
    else
        ses.probeSerial(port);
    const int code = wait.exec();
    if (code != ExitOk)
        return code;
    if (result.found())
        return adoptBike();
    return out.fail(ExitNoEcu, TervalixCli::tr("Centralina non raggiungibile su %1: %2")
                                   .arg(port.isEmpty() ? QStringLiteral("HID") : port, result.message));
}

int CliEcu::linkAndRead(const QString &port)
{
    if (const int code = link(port))
        return code;
    return read();
}

int CliEcu::read()
{
    Wait wait(out);
    QObject scope;
    showProgress(&scope);
    connect(&ses, &EcuSession::finished, &scope, [&wait](const EcuResult &r) {
        if (r.ok())
            wait.finish(ExitOk);
        else
            wait.fail(ExitTransfer, TervalixCli::tr("Lettura non riuscita: la centralina non risponde."));
    });
    endOnLoss(wait, &scope);
    endOnInterrupt(wait, &scope);
    ses.readCurve();
    return wait.exec();
}

EcuImage::Decoded CliEcu::lastRead() const
{
    return ses.content();
}

} // namespace Cli
