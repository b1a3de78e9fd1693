// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/logparser.h"

#include "analysis/textfields.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace Mixture {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Mixture", text);
}

// Walks the lines of a text (no line ends, a '\r' before '\n' dropped).
struct Lines {
    const char *p;
    const char *end;
    int number = 0;
    bool lastCut = false;  // the line just returned had no line end
    explicit Lines(const QByteArray &b) : p(b.constData()), end(b.constData() + b.size())
    {
        if (end - p >= 3 && uchar(p[0]) == 0xEF && uchar(p[1]) == 0xBB && uchar(p[2]) == 0xBF)
            p += 3;
    }
    bool next(const char **b, const char **e)
    {
        if (p >= end)
            return false;
        const char *nl = static_cast<const char *>(memchr(p, '\n', size_t(end - p)));
        const char *stop = nl ? nl : end;
        lastCut = !nl;
        *b = p;
        *e = stop > p && stop[-1] == '\r' ? stop - 1 : stop;
        p = nl ? nl + 1 : end;
        ++number;
        return true;
    }
};

bool blankLine(const char *b, const char *e)
{
    for (; b < e; ++b)
        if (*b != ' ' && *b != '\t' && *b != '\r')
            return false;
    return true;
}

// A header field as a name: lower case, a unit in brackets taken off (and
// returned), blanks trimmed.
QString columnName(Text::Span s, QString *unit)
{
    QString n = QString::fromUtf8(s.begin, int(s.end - s.begin)).trimmed().toLower();
    const int open = n.indexOf(QRegularExpression(QStringLiteral("[\\(\\[]")));
    if (unit)
        unit->clear();
    if (open >= 0) {
        if (unit)
            *unit = n.mid(open + 1).remove(QLatin1Char(')')).remove(QLatin1Char(']')).trimmed();
        n = n.left(open).trimmed();
    }
    return n;
}

bool fail(ParseError *error, const QString &name, int line, const QString &reason)
{
    if (error) {
        error->file = name;
        error->line = line;
        error->reason = reason;
    }
    return false;
}

QString fieldText(Text::Span s)
{
    QString t = QString::fromUtf8(s.begin, int(s.end - s.begin));
    return t.size() > 40 ? t.left(40) + QStringLiteral("…") : t;
}

} // namespace

QString ParseError::text() const
{
    const QString where = QDir::toNativeSeparators(file);
    return line > 0 ? QStringLiteral("%1:%2: %3").arg(where).arg(line).arg(reason)
                    : QStringLiteral("%1: %2").arg(where, reason);
}

QByteArray sha256Hex(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

bool parseEcuLog(const QByteArray &bytes, const QString &name, EcuLog *log, ParseError *error,
                 QStringList *notes)
{
    EcuLog out;
    out.name = name;
    out.sha256 = sha256Hex(bytes);
    Lines lines(bytes);
    const char *b, *e;
    QVector<Text::Span> f;
    // The header: the first line that is not blank.
    bool header = false;
    while (!header && lines.next(&b, &e))
        header = !blankLine(b, e);
    if (!header)
        return fail(error, name, 0, tr("file vuoto"));
    Text::split(b, e, ',', &f);
    const int headerLine = lines.number;
    int cTime = -1, cElapsed = -1, cRpm = -1, cIndex = -1, cValue = -1, cAfr = -1;
    for (int i = 0; i < f.size(); ++i) {
        const QString n = columnName(f[i], nullptr);
        int *slot = n == QLatin1String("time") ? &cTime
                    : n == QLatin1String("elapsed_ms") ? &cElapsed
                    : n == QLatin1String("rpm") ? &cRpm
                    : n == QLatin1String("cell_index") ? &cIndex
                    : n == QLatin1String("cell_value") ? &cValue
                    : n == QLatin1String("afr") ? &cAfr
                                                : nullptr;
        if (slot && *slot < 0)
            *slot = i;
    }
    const struct { int column; const char *name; } required[] = {
        {cElapsed, "elapsed_ms"}, {cRpm, "rpm"}, {cIndex, "cell_index"}, {cValue, "cell_value"}};
    for (const auto &r : required)
        if (r.column < 0)
            return fail(error, name, headerLine,
                        tr("non è un registro dal vivo di Tervalix: manca la colonna %1").arg(QLatin1String(r.name)));
    out.hasAfr = cAfr >= 0;
    out.hasAbsolute = cTime >= 0;
    const int columns = f.size();
    bool originSet = false;
    double lastMs = -1e300;
    while (lines.next(&b, &e)) {
        if (blankLine(b, e))
            continue;
        Text::split(b, e, ',', &f);
        EcuSample s;
        int ms = 0;
        double abs = 0;
        QString bad;
        if (f.size() != columns)
            bad = tr("%1 campi, l'intestazione ne ha %2").arg(f.size()).arg(columns);
        else if (!Text::toInt(f[cElapsed], &ms))
            bad = tr("elapsed_ms non è un numero intero: %1").arg(fieldText(f[cElapsed]));
        else if (!Text::toInt(f[cRpm], &s.rpm) || s.rpm < 0)
            bad = tr("rpm non è un numero intero: %1").arg(fieldText(f[cRpm]));
        else if (!Text::toInt(f[cIndex], &s.cellIndex) || s.cellIndex < 0)
            bad = tr("cell_index non è un numero intero: %1").arg(fieldText(f[cIndex]));
        else if (!Text::toInt(f[cValue], &s.cellValue) || s.cellValue < -128 || s.cellValue > 255)
            bad = tr("cell_value non è un valore di cella: %1").arg(fieldText(f[cValue]));
        else if (cTime >= 0 && !Text::toDateTimeMs(f[cTime], &abs))
            bad = tr("data e ora non valida: %1").arg(fieldText(f[cTime]));
        else if (cAfr >= 0 && !f[cAfr].empty() && !Text::toDouble(f[cAfr], false, &s.afr))
            bad = tr("afr non è un numero: %1").arg(fieldText(f[cAfr]));
        if (!bad.isEmpty()) {
            if (lines.lastCut) {
                // A recording killed mid-line: what came before is whole.
                if (notes)
                    *notes << tr("%1: l'ultima riga (%2) è tronca ed è stata tralasciata")
                                  .arg(QDir::toNativeSeparators(name))
                                  .arg(lines.number);
                break;
            }
            return fail(error, name, lines.number, bad);
        }
        s.ms = ms;
        if (s.ms < lastMs)
            return fail(error, name, lines.number, tr("il tempo torna indietro (%1 ms dopo %2 ms)").arg(ms).arg(lastMs));
        lastMs = s.ms;
        if (cTime >= 0 && !originSet) {
            out.absoluteOriginMs = abs - s.ms;
            originSet = true;
        }
        out.samples.append(s);
    }
    if (out.samples.isEmpty())
        return fail(error, name, 0, tr("nessuna riga di dati"));
    *log = std::move(out);
    return true;
}

bool parseWidebandLog(const QByteArray &bytes, const QString &name, const WidebandFormat &format,
                      WidebandLog *log, ParseError *error, QStringList *notes)
{
    WidebandLog out;
    out.name = name;
    out.sha256 = sha256Hex(bytes);
    Lines lines(bytes);
    const char *b, *e;
    QVector<Text::Span> f;

    auto isTimeName = [](const QString &n) {
        return n == QLatin1String("time") || n == QLatin1String("timestamp") || n == QLatin1String("seconds")
               || n == QLatin1String("sec") || n == QLatin1String("ms") || n == QLatin1String("time_ms");
    };
    auto isMixtureName = [](const QString &n) {
        return n == QLatin1String("afr") || n == QLatin1String("lambda") || n == QString(QChar(0x03BB))
               || n == QLatin1String("o2") || n == QLatin1String("wideband");
    };
    auto matches = [](const QString &n, const QString &wanted) { return n == wanted.trimmed().toLower(); };

    char sep = ',';
    int cTime = -1, cMix = -1, cRpm = -1, columns = 0;
    QString timeName, timeUnit, mixName, mixUnit;
    int headerLine = 0;
    // The header: the first line (of the first 50) that names a time and a
    // mixture column.
    while (lines.next(&b, &e) && lines.number <= 50) {
        if (blankLine(b, e))
            continue;
        const int tabs = int(std::count(b, e, '\t'));
        const int semis = int(std::count(b, e, ';'));
        const int commas = int(std::count(b, e, ','));
        sep = tabs >= semis && tabs >= commas && tabs > 0 ? '\t' : semis >= commas && semis > 0 ? ';' : ',';
        Text::split(b, e, sep, &f);
        cTime = cMix = cRpm = -1;
        for (int i = 0; i < f.size(); ++i) {
            QString unit;
            const QString n = columnName(f[i], &unit);
            const bool time = format.timeColumn.isEmpty() ? isTimeName(n) : matches(n, format.timeColumn);
            const bool mix = format.mixtureColumn.isEmpty() ? isMixtureName(n) : matches(n, format.mixtureColumn);
            const bool rpm = format.rpmColumn.isEmpty() ? n == QLatin1String("rpm") : matches(n, format.rpmColumn);
            if (time && cTime < 0) {
                cTime = i;
                timeName = n;
                timeUnit = unit;
            } else if (mix && cMix < 0) {
                cMix = i;
                mixName = n;
                mixUnit = unit;
            } else if (rpm && cRpm < 0) {
                cRpm = i;
            }
        }
        if (cTime >= 0 && cMix >= 0) {
            headerLine = lines.number;
            columns = f.size();
            break;
        }
    }
    if (headerLine == 0) {
        if (!format.timeColumn.isEmpty() || !format.mixtureColumn.isEmpty())
            return fail(error, name, 0, tr("nessuna intestazione con le colonne indicate (%1, %2)")
                                            .arg(format.timeColumn.isEmpty() ? tr("tempo") : format.timeColumn,
                                                 format.mixtureColumn.isEmpty() ? tr("miscela") : format.mixtureColumn));
        return fail(error, name, 0, tr("nessuna intestazione con una colonna del tempo (time, timestamp, seconds, ms, "
                                       "time_ms) e una della miscela (afr, lambda, λ, o2, wideband)"));
    }
    if (!format.rpmColumn.isEmpty() && cRpm < 0)
        return fail(error, name, headerLine, tr("manca la colonna %1").arg(format.rpmColumn));
    out.hasRpm = cRpm >= 0;
    const bool comma = sep != ',';
    bool millis = format.timeUnit == WidebandFormat::Milliseconds;
    if (format.timeUnit == WidebandFormat::AutoTime)
        millis = timeName == QLatin1String("ms") || timeName == QLatin1String("time_ms") || timeUnit == QLatin1String("ms");
    Unit unit = format.unit;
    auto unitOf = [](const QString &s) {
        return s == QLatin1String("lambda") || s == QString(QChar(0x03BB)) ? Unit::Lambda
               : s == QLatin1String("afr")                                  ? Unit::Afr
                                                                            : Unit::Auto;
    };
    if (unit == Unit::Auto)
        unit = unitOf(mixUnit);
    if (unit == Unit::Auto)
        unit = unitOf(mixName);

    bool first = true;
    double t0 = 0;
    double lastMs = -1e300;
    while (lines.next(&b, &e)) {
        if (blankLine(b, e))
            continue;
        Text::split(b, e, sep, &f);
        WidebandReading r;
        double t = 0;
        QString bad;
        if (f.size() != columns) {
            bad = tr("%1 campi, l'intestazione ne ha %2").arg(f.size()).arg(columns);
        } else {
            const bool iso = first ? Text::looksLikeDateTime(f[cTime]) : out.hasAbsolute;
            if (first)
                out.hasAbsolute = iso;
            if (iso ? !Text::toDateTimeMs(f[cTime], &t) : !Text::toDouble(f[cTime], comma, &t))
                bad = tr("tempo non valido: %1").arg(fieldText(f[cTime]));
        }
        if (!bad.isEmpty()) {
            if (lines.lastCut) {
                if (notes)
                    *notes << tr("%1: l'ultima riga (%2) è tronca ed è stata tralasciata")
                                  .arg(QDir::toNativeSeparators(name))
                                  .arg(lines.number);
                break;
            }
            return fail(error, name, lines.number, bad);
        }
        if (!Text::toDouble(f[cMix], comma, &r.value))
            r.value = NaN;
        if (cRpm >= 0 && !Text::toDouble(f[cRpm], comma, &r.rpm))
            r.rpm = NaN;
        if (out.hasAbsolute) {
            if (first)
                t0 = t;
            r.ms = t - t0;
        } else {
            r.ms = millis ? t : t * 1000.0;
        }
        if (r.ms < lastMs)
            return fail(error, name, lines.number, tr("il tempo torna indietro"));
        lastMs = r.ms;
        if (first && out.hasAbsolute)
            out.absoluteOriginMs = t0;
        first = false;
        out.readings.append(r);
    }
    if (out.readings.isEmpty())
        return fail(error, name, 0, tr("nessuna riga di dati"));
    if (unit == Unit::Auto) {
        QVector<double> v;
        for (const WidebandReading &r : out.readings)
            if (r.value > 0.3 && v.size() < 1000)
                v.append(r.value);
        if (v.isEmpty())
            return fail(error, name, 0, tr("nessuna lettura della miscela"));
        std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
        unit = v[v.size() / 2] > 3.0 ? Unit::Afr : Unit::Lambda;
    }
    out.unit = unit;
    *log = std::move(out);
    return true;
}

namespace {

bool readFile(const QString &path, QByteArray *bytes, ParseError *error)
{
    const QFileInfo info(path);
    if (!info.exists())
        return fail(error, path, 0, tr("il file non esiste"));
    if (!info.isFile())
        return fail(error, path, 0, tr("non è un file regolare"));
    if (info.size() > MaxFileBytes)
        return fail(error, path, 0, tr("file troppo grande (%1 MB)").arg(info.size() / (1024 * 1024)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, path, 0, tr("impossibile leggere: %1").arg(file.errorString()));
    *bytes = file.readAll();
    return true;
}

} // namespace

bool loadEcuLog(const QString &path, EcuLog *log, ParseError *error, QStringList *notes)
{
    QByteArray bytes;
    return readFile(path, &bytes, error) && parseEcuLog(bytes, path, log, error, notes);
}

bool loadWidebandLog(const QString &path, const WidebandFormat &format, WidebandLog *log, ParseError *error,
                     QStringList *notes)
{
    QByteArray bytes;
    return readFile(path, &bytes, error) && parseWidebandLog(bytes, path, format, log, error, notes);
}

} // namespace Mixture
