// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/historyentry.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QJsonArray>

namespace {


QString timeText(const QDateTime &t)
{
    return t.toOffsetFromUtc(t.offsetFromUtc()).toString(Qt::ISODateWithMs);
}

QDateTime timeFrom(const QJsonValue &v)
{
    return QDateTime::fromString(v.toString(), Qt::ISODateWithMs);
}

} // namespace

namespace HistoryHash {
QString sha256(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}
} // namespace HistoryHash

bool UnitIdentity::sameRecord(const UnitIdentity &o) const
{
    return info.hwVersion == o.info.hwVersion && info.cylinders == o.info.cylinders
        && info.verMajor == o.info.verMajor && info.verMinor == o.info.verMinor && info.revision == o.info.revision;
}

QString UnitIdentity::recordText() const
{
    QString text = info.statusText();
    const QString prefix = QStringLiteral("Tervalix: ");
    if (text.startsWith(prefix))
        text.remove(0, prefix.size());
    return text;
}

QJsonObject UnitIdentity::toJson() const
{
    const auto ch = [](unsigned char c) { return QString(QChar::fromLatin1(char(c))); };
    QJsonObject o{{QStringLiteral("hardware"), int(info.hwVersion)},
                  {QStringLiteral("cylinders"), int(info.cylinders)},
                  {QStringLiteral("firmware"), ch(info.verMajor) + ch(info.verMinor) + ch(info.revision)}};
    if (!serial.isEmpty())
        o.insert(QStringLiteral("serial"), serial);
    if (!port.isEmpty())
        o.insert(QStringLiteral("port"), port);
    return o;
}

UnitIdentity UnitIdentity::fromJson(const QJsonObject &o)
{
    UnitIdentity u;
    u.info.hwVersion = static_cast<unsigned char>(o.value(QStringLiteral("hardware")).toInt(u.info.hwVersion));
    u.info.cylinders = static_cast<unsigned char>(o.value(QStringLiteral("cylinders")).toInt(0));
    const QByteArray fw = o.value(QStringLiteral("firmware")).toString().toLatin1();
    if (fw.size() == 3) {
        u.info.verMajor = uchar(fw[0]);
        u.info.verMinor = uchar(fw[1]);
        u.info.revision = uchar(fw[2]);
    }
    u.serial = o.value(QStringLiteral("serial")).toString();
    u.port = o.value(QStringLiteral("port")).toString();
    return u;
}

bool Attachment::isChanged() const
{
    const QFileInfo info(path);
    return !info.isFile() || info.size() != size;
}

QString HistoryEntry::originWord(Origin origin)
{
    switch (origin) {
    case Origin::Read:
        return QStringLiteral("read");
    case Origin::Write:
        return QStringLiteral("write");
    case Origin::Restore:
        return QStringLiteral("restore");
    case Origin::Backup:
        return QStringLiteral("backup");
    }
    return QString();
}

bool HistoryEntry::originFromWord(const QString &word, Origin *origin)
{
    for (Origin o : {Origin::Read, Origin::Write, Origin::Restore, Origin::Backup})
        if (word == originWord(o)) {
            *origin = o;
            return true;
        }
    return false;
}

QString HistoryEntry::originText(Origin origin)
{
    switch (origin) {
    case Origin::Read:
        return History::tr("lettura");
    case Origin::Write:
        return History::tr("scrittura");
    case Origin::Restore:
        return History::tr("ripristino");
    case Origin::Backup:
        return History::tr("copia di sicurezza");
    }
    return QString();
}

QJsonObject HistoryEntry::toSidecar() const
{
    QJsonObject o = sidecar;
    o.insert(QStringLiteral("format"), 1);
    o.insert(QStringLiteral("id"), number);
    o.insert(QStringLiteral("time"), timeText(time));
    o.insert(QStringLiteral("origin"), originWord(origin));
    o.insert(QStringLiteral("device"), unit.toJson());
    o.insert(QStringLiteral("sha256"), sha256);
    o.insert(QStringLiteral("parent"), parent.isEmpty() ? QJsonValue() : QJsonValue(parent));
    o.insert(QStringLiteral("proven"), proven);
    o.insert(QStringLiteral("seen"), QJsonObject{{QStringLiteral("count"), seenCount},
                                                 {QStringLiteral("last"), timeText(lastSeen.isValid() ? lastSeen : time)}});
    o.insert(QStringLiteral("notes"), notes.notes);
    o.insert(QStringLiteral("tags"), QJsonArray::fromStringList(notes.tags));
    QJsonObject conditions;
    for (auto it = notes.conditions.cbegin(); it != notes.conditions.cend(); ++it)
        conditions.insert(it.key(), it.value());
    o.insert(QStringLiteral("conditions"), conditions);
    QJsonArray files;
    for (const Attachment &a : attachments)
        files.append(QJsonObject{{QStringLiteral("path"), a.path},
                                 {QStringLiteral("kind"), a.kind},
                                 {QStringLiteral("added"), timeText(a.added)},
                                 {QStringLiteral("size"), a.size}});
    o.insert(QStringLiteral("attachments"), files);
    return o;
}

bool HistoryEntry::fromSidecar(const QJsonObject &o, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    Origin parsed;
    if (!originFromWord(o.value(QStringLiteral("origin")).toString(), &parsed))
        return fail(History::tr("origine mancante o sconosciuta"));
    const QDateTime when = timeFrom(o.value(QStringLiteral("time")));
    if (!when.isValid())
        return fail(History::tr("data mancante o non valida"));
    const QString hash = o.value(QStringLiteral("sha256")).toString();
    if (hash.size() != 64)
        return fail(History::tr("impronta SHA-256 mancante"));
    sidecar = o;
    origin = parsed;
    time = when;
    sha256 = hash.toLower();
    unit = UnitIdentity::fromJson(o.value(QStringLiteral("device")).toObject());
    const QJsonValue p = o.value(QStringLiteral("parent"));
    parent = p.isDouble() ? QString::number(p.toVariant().toLongLong()) : p.toString();
    proven = o.value(QStringLiteral("proven")).toBool(true);
    const QJsonObject seen = o.value(QStringLiteral("seen")).toObject();
    seenCount = qMax(1, seen.value(QStringLiteral("count")).toInt(1));
    lastSeen = timeFrom(seen.value(QStringLiteral("last")));
    if (!lastSeen.isValid())
        lastSeen = time;
    notes.notes = o.value(QStringLiteral("notes")).toString();
    notes.tags.clear();
    for (const QJsonValue &t : o.value(QStringLiteral("tags")).toArray())
        if (t.isString())
            notes.tags << t.toString();
    notes.conditions.clear();
    const QJsonObject c = o.value(QStringLiteral("conditions")).toObject();
    for (auto it = c.begin(); it != c.end(); ++it)
        notes.conditions.insert(it.key(), it.value().toString());
    attachments.clear();
    for (const QJsonValue &v : o.value(QStringLiteral("attachments")).toArray()) {
        const QJsonObject a = v.toObject();
        if (a.value(QStringLiteral("path")).toString().isEmpty())
            continue;
        attachments.append(Attachment{a.value(QStringLiteral("path")).toString(),
                                      a.value(QStringLiteral("kind")).toString(),
                                      timeFrom(a.value(QStringLiteral("added"))),
                                      qint64(a.value(QStringLiteral("size")).toDouble(-1))});
    }
    return true;
}
