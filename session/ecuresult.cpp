// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/ecuresult.h"

namespace EcuOutcome {

QString word(const EcuResult &r)
{
    switch (r.operation) {
    case EcuResult::Read:
        return r.ok() ? QStringLiteral("OK_RCV") : QStringLiteral("KO_RCV");
    case EcuResult::Write:
        switch (r.code) {
        case EcuResult::Ok:
            return QStringLiteral("OK_SND");
        case EcuResult::VerifyFailed:
            return QStringLiteral("KO_VERIFY");
        case EcuResult::BackupFailed:
            return QStringLiteral("KO_BACKUP");
        default:
            return QStringLiteral("KO_SND");
        }
    default:
        return QString();
    }
}

EcuResult fromWord(const QString &word)
{
    EcuResult r;
    r.operation = word.endsWith(QLatin1String("RCV")) ? EcuResult::Read : EcuResult::Write;
    if (word == QLatin1String("OK_RCV") || word == QLatin1String("OK_SND"))
        r.code = EcuResult::Ok;
    else if (word == QLatin1String("KO_VERIFY"))
        r.code = EcuResult::VerifyFailed;
    else if (word == QLatin1String("KO_BACKUP"))
        r.code = EcuResult::BackupFailed;
    else
        r.code = EcuResult::NoReply;
    return r;
}

} // namespace EcuOutcome
