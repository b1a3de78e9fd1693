// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/bikeregistry.h"

#include "history/entryfile.h"
#include "util/safefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int MaxRegistry = 4 << 20;

QString timeText(const QDateTime &t)
{
    return t.toString(Qt::ISODateWithMs);
}

QDateTime timeFrom(const QJsonValue &v)
{
    return QDateTime::fromString(v.toString(), Qt::ISODateWithMs);
}

bool sameUnit(const UnitIdentity &a, const UnitIdentity &b)
{
    if (a.hasSerial() || b.hasSerial())
        return a.serial == b.serial;
    return a.sameRecord(b);
}

} // namespace

BikeRegistry::BikeRegistry(const QString &profilesFolder) : root(profilesFolder) {}

QString BikeRegistry::path() const
{
    return QDir(root).filePath(QStringLiteral("bikes.json"));
}

QString BikeRegistry::folderOf(const QString &key) const
{
    return QDir(root).filePath(key);
}

bool BikeRegistry::load(QString *error)
{
    list.clear();
    damage.clear();
    QByteArray bytes;
    QString why;
    switch (EntryFile::read(path(), MaxRegistry, &bytes, &why)) {
    case EntryFile::Read::Missing:
        return true;
    case EntryFile::Read::Refused:
        damage = why;
        break;
    case EntryFile::Read::Ok: {
        QJsonParseError parseError{};
        const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parseError);
        if (bytes.size() > MaxRegistry || !doc.isObject()) {
            damage = parseError.errorString();
            break;
        }
        for (const QJsonValue &v : doc.object().value(QStringLiteral("bikes")).toArray()) {
            const QJsonObject o = v.toObject();
            Bike b;
            b.key = o.value(QStringLiteral("folder")).toString();
            b.name = o.value(QStringLiteral("name")).toString();
            b.created = timeFrom(o.value(QStringLiteral("created")));
            // A folder that would lead out of the profiles folder is not one.
            if (b.key.isEmpty() || b.name.isEmpty() || b.key != QDir::cleanPath(b.key) || b.key.contains(QLatin1Char('/'))
                || b.key.contains(QLatin1Char('\\')) || b.key.startsWith(QLatin1Char('.')))
                continue;
            for (const QJsonValue &u : o.value(QStringLiteral("units")).toArray()) {
                const QJsonObject uo = u.toObject();
                b.units.append(KnownUnit{UnitIdentity::fromJson(uo), timeFrom(uo.value(QStringLiteral("first_seen"))),
                                         timeFrom(uo.value(QStringLiteral("last_seen")))});
            }
            list.append(b);
        }
        return true;
    }
    }
    if (error)
        *error = History::tr("Il registro delle moto %1 è illeggibile (%2): non viene toccato finché non è sistemato")
                     .arg(QDir::toNativeSeparators(path()), damage);
    return false;
}

bool BikeRegistry::save(QString *error) const
{
    if (isDamaged()) {
        if (error)
            *error = History::tr("Il registro delle moto %1 è illeggibile (%2): non viene toccato finché non è sistemato")
                         .arg(QDir::toNativeSeparators(path()), damage);
        return false;
    }
    QJsonArray bikes;
    for (const Bike &b : list) {
        QJsonArray units;
        for (const KnownUnit &u : b.units) {
            QJsonObject o = u.unit.toJson();
            o.remove(QStringLiteral("port"));
            o.insert(QStringLiteral("first_seen"), timeText(u.firstSeen));
            o.insert(QStringLiteral("last_seen"), timeText(u.lastSeen));
            units.append(o);
        }
        bikes.append(QJsonObject{{QStringLiteral("name"), b.name},
                                 {QStringLiteral("folder"), b.key},
                                 {QStringLiteral("created"), timeText(b.created)},
                                 {QStringLiteral("units"), units}});
    }
    const QJsonObject doc{{QStringLiteral("format"), 1}, {QStringLiteral("bikes"), bikes}};
    QString why;
    if (!QDir().mkpath(root) || !SafeFile::write(path(), QJsonDocument(doc).toJson(QJsonDocument::Indented), &why)) {
        if (error)
            *error = History::tr("Impossibile salvare il registro delle moto %1: %2").arg(QDir::toNativeSeparators(path()), why);
        return false;
    }
    return true;
}

const Bike *BikeRegistry::find(const QString &nameOrKey) const
{
    for (const Bike &b : list)
        if (b.key == nameOrKey)
            return &b;
    for (const Bike &b : list)
        if (b.name.compare(nameOrKey.trimmed(), Qt::CaseInsensitive) == 0)
            return &b;
    return nullptr;
}

QString BikeRegistry::folderName(const QString &name, const QStringList &taken)
{
    QString base;
    for (const QChar c : name.trimmed()) {
        const bool bad = c.unicode() < 32 || QStringLiteral("/\\:*?\"<>|").contains(c);
        base += bad ? QLatin1Char('_') : c;
    }
    // Leading dots hide a folder; trailing dots and spaces Windows drops.
    while (base.startsWith(QLatin1Char('.')))
        base.remove(0, 1);
    while (base.endsWith(QLatin1Char('.')) || base.endsWith(QLatin1Char(' ')))
        base.chop(1);
    base = base.left(80);
    static const QStringList reserved{"backup", "Logs", "CON", "PRN", "AUX", "NUL"};
    if (base.isEmpty())
        base = QStringLiteral("moto");
    const auto used = [&taken](const QString &n) {
        if (reserved.contains(n, Qt::CaseInsensitive))
            return true;
        for (const QString &t : taken)
            if (t.compare(n, Qt::CaseInsensitive) == 0)
                return true;
        return false;
    };
    QString candidate = base;
    for (int i = 2; used(candidate); ++i)
        candidate = QStringLiteral("%1 (%2)").arg(base).arg(i);
    return candidate;
}

// Bikes are found by name or folder key: a name that another bike has as
// either would make a lookup pick that bike's history.
bool BikeRegistry::nameRefused(const QString &name, const QString &except, QString *error) const
{
    if (name.isEmpty()) {
        if (error)
            *error = History::tr("La moto vuole un nome");
        return true;
    }
    for (const Bike &b : list) {
        if (b.key == except)
            continue;
        if (b.name.compare(name, Qt::CaseInsensitive) == 0) {
            if (error)
                *error = History::tr("C'è già una moto di nome %1").arg(b.name);
            return true;
        }
        if (b.key.compare(name, Qt::CaseInsensitive) == 0) {
            if (error)
                *error = History::tr("%1 è il nome della cartella della moto %2").arg(name, b.name);
            return true;
        }
    }
    return false;
}

bool BikeRegistry::add(const QString &name, Bike *added, QString *error)
{
    const QString clean = name.trimmed();
    if (nameRefused(clean, QString(), error))
        return false;
    QStringList taken;
    for (const Bike &b : qAsConst(list))
        taken << b.key;
    // A folder already there (the tuner's own) is not taken over.
    const QStringList present = QDir(root).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden);
    taken << present;
    Bike b;
    b.name = clean;
    b.key = folderName(clean, taken);
    b.created = QDateTime::currentDateTime();
    if (!QDir().mkpath(folderOf(b.key))) {
        if (error)
            *error = History::tr("Impossibile creare la cartella %1").arg(QDir::toNativeSeparators(folderOf(b.key)));
        return false;
    }
    list.append(b);
    if (!save(error)) {
        list.removeLast();
        return false;
    }
    if (added)
        *added = b;
    return true;
}

bool BikeRegistry::rename(const QString &key, const QString &name, QString *error)
{
    const QString clean = name.trimmed();
    if (nameRefused(clean, key, error))
        return false;
    for (Bike &b : list)
        if (b.key == key) {
            const QString old = b.name;
            b.name = clean;
            if (save(error))
                return true;
            b.name = old;
            return false;
        }
    if (error)
        *error = History::tr("Moto sconosciuta: %1").arg(key);
    return false;
}

bool BikeRegistry::attach(const QString &key, const UnitIdentity &unit, const QDateTime &when, QString *error)
{
    const QVector<Bike> before = list;
    Bike *target = nullptr;
    for (Bike &b : list) {
        if (b.key == key)
            target = &b;
        else if (unit.hasSerial())
            b.units.erase(std::remove_if(b.units.begin(), b.units.end(),
                                         [&unit](const KnownUnit &k) { return k.unit.serial == unit.serial; }),
                          b.units.end());
    }
    if (!target) {
        list = before;
        if (error)
            *error = History::tr("Moto sconosciuta: %1").arg(key);
        return false;
    }
    bool found = false;
    for (KnownUnit &k : target->units)
        if (sameUnit(k.unit, unit)) {
            k.unit = unit;
            k.lastSeen = when;
            found = true;
        }
    if (!found)
        target->units.append(KnownUnit{unit, when, when});
    if (!save(error)) {
        list = before;
        return false;
    }
    return true;
}

Recognition BikeRegistry::recognise(const UnitIdentity &unit) const
{
    Recognition r;
    if (unit.hasSerial())
        for (const Bike &b : list)
            for (const KnownUnit &k : b.units)
                if (k.unit.serial == unit.serial) {
                    r.kind = Recognition::KnownBySerial;
                    r.bike = b.key;
                    return r;
                }
    // By the record alone: a unit with another serial number is another
    // unit, but one seen without (over a serial line) may be any of them.
    for (const Bike &b : list)
        for (const KnownUnit &k : b.units)
            if ((!k.unit.hasSerial() || !unit.hasSerial()) && k.unit.sameRecord(unit) && !r.candidates.contains(b.key))
                r.candidates << b.key;
    if (!r.candidates.isEmpty()) {
        r.kind = Recognition::Probable;
        r.bike = r.candidates.first();
    }
    return r;
}

UnitCheck BikeRegistry::check(const QString &key, const UnitIdentity &unit) const
{
    const Bike *b = find(key);
    if (!b || b->units.isEmpty())
        return UnitCheck::NoUnitYet;
    for (const KnownUnit &k : b->units) {
        if (unit.hasSerial() && k.unit.serial == unit.serial)
            return UnitCheck::Same;
        if ((!unit.hasSerial() || !k.unit.hasSerial()) && k.unit.sameRecord(unit))
            return UnitCheck::SameRecord;
    }
    return UnitCheck::Different;
}
