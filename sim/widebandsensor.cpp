// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/widebandsensor.h"

#include <QDateTime>
#include <QStringList>

#include <algorithm>
#include <cmath>

bool WidebandShape::parse(const QString &text, WidebandShape *shape, QString *error)
{
    WidebandShape s;
    s.rpm = false;
    const QStringList words = text.split(QRegExp(QStringLiteral("[,+]")), Qt::SkipEmptyParts);
    for (const QString &w : words) {
        if (w == QLatin1String("comma"))
            s.separator = ',';
        else if (w == QLatin1String("semicolon"))
            s.separator = ';';
        else if (w == QLatin1String("tab"))
            s.separator = '\t';
        else if (w == QLatin1String("decimal-comma"))
            s.decimalComma = true;
        else if (w == QLatin1String("s"))
            s.time = Seconds;
        else if (w == QLatin1String("ms"))
            s.time = Millis;
        else if (w == QLatin1String("iso"))
            s.time = Iso;
        else if (w == QLatin1String("afr"))
            s.lambda = false;
        else if (w == QLatin1String("lambda"))
            s.lambda = true;
        else if (w == QLatin1String("rpm"))
            s.rpm = true;
        else {
            if (error)
                *error = QStringLiteral("unknown word in the wideband log shape: %1").arg(w);
            return false;
        }
    }
    if (s.decimalComma && s.separator == ',') {
        if (error)
            *error = QStringLiteral("a decimal comma needs the semicolon or tab separator");
        return false;
    }
    *shape = s;
    return true;
}

WidebandSensor::WidebandSensor(const WidebandConfig &config)
    : cfg(config), rng(config.seed * 2654435761u + 17u), noise(0.0, 1.0)
{
}

void WidebandSensor::exhaust(double ms, double lambda)
{
    if (fedMs >= 0) {
        const double dt = ms - fedMs;
        if (lambda > 2.0) {
            excess = cfg.recoveryLambda;  // air: the recovery starts again after it
        } else if (cfg.recoveryMs > 0) {
            excess *= std::exp(-dt / cfg.recoveryMs);
        }
        const double target = lambda > 2.0 ? lambda : lambda + excess;
        // The lag solved exactly for an exhaust that moves linearly between
        // two steps: held at the newer value it would lead by half a step.
        if (cfg.lagMs > 0 && dt > 0) {
            const double slope = (target - lastTarget) / dt;
            const double decay = std::exp(-dt / cfg.lagMs);
            state = target - slope * cfg.lagMs + (state - lastTarget + slope * cfg.lagMs) * decay;
        } else {
            state = target;
        }
        lastTarget = target;
    } else {
        state = lastTarget = lambda;
    }
    fedMs = ms;
    times.append(ms);
    values.append(state);
    // Keep a little more than the delay.
    while (first < times.size() && times[first] < ms - cfg.delayMs - 2000)
        ++first;
    if (first > 4096) {
        times.remove(0, first);
        values.remove(0, first);
        first = 0;
    }
}

double WidebandSensor::reading(double ms, double sinceStartMs)
{
    if (sinceStartMs < cfg.warmupMs)
        return 0.0;
    const double q = ms - cfg.delayMs;
    double v = values.isEmpty() ? 1.0 : values[first];
    if (!times.isEmpty() && q >= times[first]) {
        const auto it = std::upper_bound(times.constBegin() + first, times.constEnd(), q);
        const int i = int(it - times.constBegin()) - 1;
        v = values[i];
        if (i + 1 < times.size() && times[i + 1] > times[i])
            v += (values[i + 1] - values[i]) * (q - times[i]) / (times[i + 1] - times[i]);
    }
    const double noisy = v + noise(rng) * cfg.noiseAfr / cfg.stoich;
    return std::min(noisy, cfg.railLambda);
}

QByteArray widebandHeader(const WidebandShape &s)
{
    QByteArray h = s.time == WidebandShape::Seconds ? "Time (s)" : s.time == WidebandShape::Millis ? "time_ms" : "Timestamp";
    h += s.separator;
    h += s.lambda ? "Lambda" : "AFR";
    if (s.rpm) {
        h += s.separator;
        h += "RPM";
    }
    h += "\r\n";  // as loggers on the other system write them
    return h;
}

QByteArray widebandLine(const WidebandShape &s, double clockMs, qint64 isoOriginMs, double lambda, double stoich,
                        double rpm)
{
    auto number = [&](double v, int decimals) {
        QByteArray b = QByteArray::number(v, 'f', decimals);
        if (s.decimalComma)
            b.replace('.', ',');
        return b;
    };
    QByteArray l;
    if (s.time == WidebandShape::Iso)
        l = QDateTime::fromMSecsSinceEpoch(isoOriginMs + qint64(std::llround(clockMs)), Qt::UTC)
                .toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz"))
                .toLatin1();
    else if (s.time == WidebandShape::Millis)
        l = QByteArray::number(qint64(std::llround(clockMs)));
    else
        l = number(clockMs / 1000.0, 3);
    l += s.separator;
    l += s.lambda ? number(lambda, 3) : number(lambda * stoich, 2);
    if (s.rpm) {
        l += s.separator;
        l += QByteArray::number(qint64(std::llround(rpm)));
    }
    l += "\r\n";
    return l;
}
