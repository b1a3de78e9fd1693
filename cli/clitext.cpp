// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/clitext.h"

#include "cli/clioutput.h"
#include "link/protocol.h"
#include "profile/curvelimits.h"


namespace Cli {

QString deviceText(const CDevInfo &info)
{
    QString text = info.statusText();
    const QString prefix = QStringLiteral("Tervalix: ");
    if (text.startsWith(prefix))
        text.remove(0, prefix.size());
    return text;
}

QJsonObject deviceJson(const CDevInfo &info, const QString &port)
{
    return QJsonObject{
        {QStringLiteral("port"), port},
        {QStringLiteral("hardware"), int(info.hwVersion)},
        {QStringLiteral("cylinders"), int(info.cylinders)},
        {QStringLiteral("firmware"), QStringLiteral("%1.%2").arg(QChar::fromLatin1(char(info.verMajor)),
                                                                 QChar::fromLatin1(char(info.verMinor)))},
        {QStringLiteral("revision"), QString(QChar::fromLatin1(char(info.revision)))},
        {QStringLiteral("cells"), Protocol::cellsRead(info.hwVersion)},
        {QStringLiteral("text"), deviceText(info)},
    };
}

int maxRpm(const CDevInfo &info)
{
    return info.cylinders == 4 ? 17000 : 12000;
}

QByteArray curveCsv(const QVector<int> &values, int maxRpm)
{
    QByteArray csv = QByteArrayLiteral("point,rpm,value\n");
    const int last = Curve::Points - 1;
    for (int i = 0; i < values.size(); ++i)
        csv += QByteArray::number(i) + ',' + QByteArray::number(qint64(i) * maxRpm / last) + ','
            + QByteArray::number(values.at(i)) + '\n';
    return csv;
}

QVector<Difference> compareProfile(const QVector<int> &values, int k, const EcuImage::Decoded &ecu,
                                   unsigned char hwVersion)
{
    QVector<Difference> out;
    for (int i = 0; i < values.size(); ++i)
        if (values.at(i) != ecu.values.value(i))
            out.append(Difference{i, false, values.at(i), ecu.values.value(i)});
    if (k != ecu.k)
        out.append(Difference{Protocol::injectionKCell(hwVersion), true, k, ecu.k});
    return out;
}

QVector<Difference> fromMismatches(const QVector<EcuImage::Mismatch> &mismatches, unsigned char hwVersion)
{
    QVector<Difference> out;
    for (const EcuImage::Mismatch &m : mismatches) {
        // Curve points and K are signed; the name cells are characters.
        const bool isK = m.cell == Protocol::injectionKCell(hwVersion);
        const bool signedCell = m.cell < Curve::Points || isK;
        out.append(Difference{m.cell, isK, signedCell ? int(qint8(m.written)) : m.written,
                              signedCell && m.read >= 0 ? int(qint8(m.read)) : m.read});
    }
    return out;
}

QString limitsText(const LimitCheck &check, const CurveLimits &limits, int k, int maxRpm)
{
    QStringList parts;
    if (!check.points.isEmpty()) {
        // Runs of neighbouring points as one range: "3-7 (1275-2975 giri/min)".
        const auto rpm = [maxRpm](int p) { return qint64(p) * maxRpm / (Curve::Points - 1); };
        QStringList points;
        for (int i = 0; i < check.points.size();) {
            int j = i;
            while (j + 1 < check.points.size() && check.points[j + 1] == check.points[j] + 1)
                ++j;
            const int a = check.points[i];
            const int b = check.points[j];
            points << (a == b ? TervalixCli::tr("%1 (%2 giri/min)").arg(a).arg(rpm(a))
                              : TervalixCli::tr("%1-%2 (%3-%4 giri/min)").arg(a).arg(b).arg(rpm(a)).arg(rpm(b)));
            i = j + 1;
        }
        parts << TervalixCli::tr("punti fuori dai limiti della centralina (da %1 a %2): %3")
                     .arg(int(limits.valueMin))
                     .arg(int(limits.valueMax))
                     .arg(points.join(QStringLiteral(", ")));
    }
    if (check.kOutside)
        parts << TervalixCli::tr("K = %1 fuori da %2..%3").arg(k).arg(Curve::KMin).arg(Curve::KMax);
    return parts.join(QStringLiteral("; "));
}

static QString cellName(const Difference &d)
{
    return d.isK ? TervalixCli::tr("Cella %1 (K)").arg(d.cell) : TervalixCli::tr("Cella %1").arg(d.cell);
}

QString writtenText(const Difference &d)
{
    return TervalixCli::tr("%1: scritto %2, la centralina contiene %3").arg(cellName(d)).arg(d.expected).arg(d.actual);
}

QString profileText(const Difference &d)
{
    return TervalixCli::tr("%1: il profilo ha %2, la centralina contiene %3").arg(cellName(d)).arg(d.expected).arg(d.actual);
}

QJsonObject differenceJson(const Difference &d, const char *expectedKey)
{
    QJsonObject o{{QStringLiteral("cell"), d.cell},
                  {QLatin1String(expectedKey), d.expected},
                  {QStringLiteral("ecu"), d.actual}};
    if (d.isK)
        o.insert(QStringLiteral("name"), QStringLiteral("K"));
    else if (d.cell < Curve::Points)
        o.insert(QStringLiteral("point"), d.cell);
    return o;
}

} // namespace Cli
