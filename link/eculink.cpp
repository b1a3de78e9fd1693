// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/eculink.h"

#include "link/protocol.h"

#include <QCoreApplication>

EcuLink::~EcuLink() = default;

void EcuLink::sendProbe()
{
    send(Protocol::makeProbeFrame());
}

QString EcuLink::lossText(LossReason reason)
{
    switch (reason) {
    case LossReason::Unplugged:
        return QCoreApplication::translate("EcuLink", "dispositivo scollegato");
    case LossReason::ReadError:
        return QCoreApplication::translate("EcuLink", "errore di lettura");
    case LossReason::Closed:
        return QCoreApplication::translate("EcuLink", "porta chiusa dal sistema");
    }
    return QString();
}
