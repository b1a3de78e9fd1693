// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/alignment.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <cmath>
#include <complex>

namespace Mixture {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Mixture", text);
}

QString shortName(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

using Complex = std::complex<double>;

void fft(std::vector<Complex> &a, bool inverse)
{
    const size_t n = a.size();
    for (size_t i = 1, j = 0; i < n; ++i) {
        size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(a[i], a[j]);
    }
    for (size_t len = 2; len <= n; len <<= 1) {
        const double angle = 2 * M_PI / double(len) * (inverse ? 1 : -1);
        const Complex wl(std::cos(angle), std::sin(angle));
        for (size_t i = 0; i < n; i += len) {
            Complex w(1);
            for (size_t k = 0; k < len / 2; ++k) {
                const Complex u = a[i + k];
                const Complex v = a[i + k + len / 2] * w;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
                w *= wl;
            }
        }
    }
}

constexpr double GridMs = 50;

// A trace on a regular grid from its first time, linear between samples,
// its mean taken off.
template <typename Get>
std::vector<double> resample(int count, Get get, double *start)
{
    std::vector<double> out;
    if (count < 2)
        return out;
    double t0, v0, t1, v1;
    get(0, &t0, &v0);
    get(count - 1, &t1, &v1);
    *start = t0;
    const size_t n = size_t((t1 - t0) / GridMs) + 1;
    out.resize(n);
    int j = 0;
    for (size_t k = 0; k < n; ++k) {
        const double tk = t0 + double(k) * GridMs;
        double ta, va, tb, vb;
        get(j, &ta, &va);
        while (j + 1 < count) {
            get(j + 1, &tb, &vb);
            if (tb > tk)
                break;
            ++j;
            ta = tb;
            va = vb;
        }
        if (j + 1 < count) {
            get(j + 1, &tb, &vb);
            out[k] = tb > ta ? va + (vb - va) * (tk - ta) / (tb - ta) : va;
        } else {
            out[k] = va;
        }
    }
    double mean = 0;
    for (double v : out)
        mean += v;
    mean /= double(n);
    for (double &v : out)
        v -= mean;
    return out;
}

// Pearson correlation of the wideband rpm with the ECU's at `offset`.
double correlationAt(const EcuLog &ecu, const QVector<int> &rows, const WidebandLog &wb, double offset)
{
    const QVector<EcuSample> &e = ecu.samples;
    double sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
    int n = 0;
    int j = 0;
    for (int i : rows) {
        const WidebandReading &r = wb.readings[i];
        const double t = r.ms + offset;
        if (t < e.first().ms || t > e.last().ms)
            continue;
        while (j + 1 < e.size() && e[j + 1].ms <= t)
            ++j;
        double x = e[j].rpm;
        if (j + 1 < e.size() && e[j + 1].ms > e[j].ms)
            x += (e[j + 1].rpm - e[j].rpm) * (t - e[j].ms) / (e[j + 1].ms - e[j].ms);
        const double y = r.rpm;
        sx += x, sy += y, sxx += x * x, syy += y * y, sxy += x * y;
        ++n;
    }
    if (n < 10)
        return 0;
    const double cov = sxy - sx * sy / n;
    const double vx = sxx - sx * sx / n;
    const double vy = syy - sy * sy / n;
    return vx > 0 && vy > 0 ? cov / std::sqrt(vx * vy) : 0;
}

} // namespace

OffsetSearch rpmOffset(const EcuLog &ecu, const WidebandLog &wb, double loMs, double hiMs)
{
    OffsetSearch out;
    QVector<int> rows;
    for (int i = 0; i < wb.readings.size(); ++i)
        if (std::isfinite(wb.readings[i].rpm))
            rows.append(i);
    if (rows.size() < 20 || ecu.samples.size() < 20)
        return out;
    double e0 = 0, w0 = 0;
    const std::vector<double> e = resample(
        ecu.samples.size(), [&](int i, double *t, double *v) { *t = ecu.samples[i].ms, *v = ecu.samples[i].rpm; }, &e0);
    const std::vector<double> w = resample(
        rows.size(), [&](int i, double *t, double *v) { *t = wb.readings[rows[i]].ms, *v = wb.readings[rows[i]].rpm; },
        &w0);
    const long ne = long(e.size()), nw = long(w.size());
    size_t n = 1;
    while (n < size_t(ne + nw))
        n <<= 1;
    std::vector<Complex> a(n), b(n);
    for (long i = 0; i < ne; ++i)
        a[size_t(i)] = e[size_t(i)];
    for (long i = 0; i < nw; ++i)
        b[size_t(i)] = w[size_t(i)];
    fft(a, false);
    fft(b, false);
    for (size_t i = 0; i < n; ++i)
        a[i] *= std::conj(b[i]);
    fft(a, true);
    // Sums of squares, for a correlation over each lag's overlap.
    std::vector<double> se(size_t(ne) + 1, 0.0), sw(size_t(nw) + 1, 0.0);
    for (long i = 0; i < ne; ++i)
        se[size_t(i) + 1] = se[size_t(i)] + e[size_t(i)] * e[size_t(i)];
    for (long i = 0; i < nw; ++i)
        sw[size_t(i) + 1] = sw[size_t(i)] + w[size_t(i)] * w[size_t(i)];
    const long minOverlap = std::max(20L, std::min(ne, nw) / 4);
    double best = -2, second = -2;
    long bestL = 0;
    std::vector<std::pair<long, double>> scores;
    for (long L = -(nw - 1); L < ne; ++L) {
        const double offset = e0 - w0 + double(L) * GridMs;
        if (offset < loMs - GridMs || offset > hiMs + GridMs)
            continue;
        const long ea = std::max(0L, L), eb = std::min(ne, L + nw);
        if (eb - ea < minOverlap)
            continue;
        const long wa = ea - L, wb2 = eb - L;
        const double c = a[size_t(L >= 0 ? L : long(n) + L)].real() / double(n);
        const double norm = std::sqrt((se[size_t(eb)] - se[size_t(ea)]) * (sw[size_t(wb2)] - sw[size_t(wa)]));
        const double r = norm > 0 ? c / norm : 0;
        scores.emplace_back(L, r);
        if (r > best) {
            best = r;
            bestL = L;
        }
    }
    if (scores.empty())
        return out;
    for (const auto &s : scores)
        if (std::abs(s.first - bestL) * GridMs > 3000 && s.second > second)
            second = s.second;
    // Refined on the readings themselves, 2 ms apart around the grid's best.
    const double coarse = e0 - w0 + double(bestL) * GridMs;
    double fine = coarse, fineR = -2;
    for (double o = coarse - 60; o <= coarse + 60; o += 2) {
        if (o < loMs || o > hiMs)
            continue;
        const double r = correlationAt(ecu, rows, wb, o);
        if (r > fineR) {
            fineR = r;
            fine = o;
        }
    }
    out.offsetMs = fine;
    out.correlation = fineR;
    out.ambiguous = second > best - 0.02;
    out.ok = fineR >= 0.7 && !out.ambiguous;
    return out;
}

bool pairLogs(const Input &in, const Settings &s, QVector<Pairing> *pairs, QStringList *messages, QString *error)
{
    pairs->clear();
    if (in.ecu.isEmpty()) {
        *error = tr("nessun registro dal vivo");
        return false;
    }
    if (in.wideband.isEmpty()) {
        for (int i = 0; i < in.ecu.size(); ++i) {
            if (!in.ecu[i].hasAfr) {
                *error = tr("%1 non ha la colonna afr e non è stato indicato un registro della sonda (--wideband)")
                             .arg(shortName(in.ecu[i].name));
                return false;
            }
            Pairing p;
            p.ecuLog = i;
            p.method = Pairing::Embedded;
            p.offsetMs = s.offsetFixed ? s.offsetMs : 0;
            pairs->append(p);
        }
        return true;
    }
    bool allAbsolute = true;
    for (const EcuLog &e : in.ecu)
        allAbsolute = allAbsolute && e.hasAbsolute;
    for (const WidebandLog &w : in.wideband)
        allAbsolute = allAbsolute && w.hasAbsolute;

    if (allAbsolute) {
        for (int wi = 0; wi < in.wideband.size(); ++wi) {
            const WidebandLog &w = in.wideband[wi];
            const double wa = w.absoluteOriginMs + w.readings.first().ms;
            const double wb = w.absoluteOriginMs + w.readings.last().ms;
            bool placed = false;
            for (int ei = 0; ei < in.ecu.size(); ++ei) {
                const EcuLog &e = in.ecu[ei];
                const double ea = e.absoluteOriginMs + e.samples.first().ms;
                const double eb = e.absoluteOriginMs + e.samples.last().ms;
                // Overlapping, allowing for a logger's clock some seconds off.
                if (wb + 15000 < ea || wa - 15000 > eb)
                    continue;
                Pairing p;
                p.ecuLog = ei;
                p.widebandLog = wi;
                p.offsetMs = w.absoluteOriginMs - e.absoluteOriginMs;
                p.method = Pairing::Absolute;
                if (s.offsetFixed) {
                    p.offsetMs += s.offsetMs;
                    p.method = Pairing::User;
                } else if (w.hasRpm) {
                    const OffsetSearch o = rpmOffset(e, w, p.offsetMs - 15000, p.offsetMs + 15000);
                    if (o.ok) {
                        p.offsetMs = o.offsetMs;
                        p.correlation = o.correlation;
                        p.method = Pairing::AbsoluteAndRpm;
                    } else {
                        *messages << tr("%1 e %2: i giri non si sovrappongono bene (correlazione %3): "
                                        "valgono data e ora")
                                         .arg(shortName(w.name), shortName(e.name))
                                         .arg(o.correlation, 0, 'f', 2);
                    }
                }
                pairs->append(p);
                placed = true;
            }
            if (!placed)
                *messages << tr("%1 non cade nel tempo di nessun registro dal vivo: tralasciato").arg(shortName(w.name));
        }
        if (pairs->isEmpty()) {
            *error = tr("i registri della sonda e quelli dal vivo non hanno ore in comune");
            return false;
        }
        return true;
    }

    if (in.wideband.size() != in.ecu.size()) {
        *error = tr("senza data e ora in entrambi i registri servono tanti registri della sonda quanti registri "
                    "dal vivo, nello stesso ordine (%1 contro %2)")
                     .arg(in.wideband.size())
                     .arg(in.ecu.size());
        return false;
    }
    for (int i = 0; i < in.ecu.size(); ++i) {
        const EcuLog &e = in.ecu[i];
        const WidebandLog &w = in.wideband[i];
        Pairing p;
        p.ecuLog = i;
        p.widebandLog = i;
        if (s.offsetFixed) {
            p.method = Pairing::User;
            p.offsetMs = s.offsetMs;
        } else if (w.hasRpm) {
            const OffsetSearch o = rpmOffset(e, w, -1e12, 1e12);
            if (!o.ok) {
                *error = o.ambiguous
                             ? tr("%1 e %2: i giri combaciano a più scostamenti diversi; indicare --offset-ms")
                                   .arg(shortName(w.name), shortName(e.name))
                             : tr("%1 e %2: i giri non si sovrappongono (correlazione %3); indicare --offset-ms")
                                   .arg(shortName(w.name), shortName(e.name))
                                   .arg(o.correlation, 0, 'f', 2);
                return false;
            }
            p.method = Pairing::Rpm;
            p.offsetMs = o.offsetMs;
            p.correlation = o.correlation;
        } else {
            *error = tr("%1 e %2 non si possono allineare: nessuna data e ora comune e nessuna colonna rpm nel "
                        "registro della sonda; indicare --offset-ms")
                         .arg(shortName(w.name), shortName(e.name));
            return false;
        }
        pairs->append(p);
    }
    return true;
}

} // namespace Mixture
