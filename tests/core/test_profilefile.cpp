// SPDX-License-Identifier: GPL-3.0-or-later
// Profile files (*.prf), the safe writer under them, backups, and the ECU
// image of a profile transfer.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "profile/backupstore.h"
#include "profile/profilefile.h"
#include "session/ecuimage.h"
#include "support/testsupport.h"
#include "util/safefile.h"

#include <cerrno>
#include <functional>

#include <sys/stat.h>
#include <unistd.h>

class TestProfileFile : public QObject {
    Q_OBJECT

private slots:
    void valuesAreStoredTruncatedAndReadBack();
    void failedSaveKeepsOldFile();
    void saveOnAFullDiskKeepsTheOldFile();
    void onlyWholeRegularProfilesAreLoaded();
    void backupsAreNamedAndPruned();
    void writeImageCarriesCurveAndName();
    void readImageDecodesBenchKAndName();
};

void TestProfileFile::valuesAreStoredTruncatedAndReadBack()
{
    // A value as stored: truncated toward zero, low 8 bits.
    QCOMPARE(uchar(ProfileFile::curveByte(-3.5)), uchar(0xFD));
    QCOMPARE(uchar(ProfileFile::curveByte(12.7)), uchar(0x0C));
    QCOMPARE(uchar(ProfileFile::curveByte(-0.9)), uchar(0x00));
    QCOMPARE(uchar(ProfileFile::curveByte(qInf())), uchar(0x00));
    QVector<int> v(41, 0);
    v[0] = -3;
    v[1] = 12;
    v[3] = 127;
    v[4] = -128;
    const QByteArray bytes = ProfileFile::encode(v, 3);
    QCOMPARE(bytes.left(5), hex("FD 0C 00 7F 80"));
    QCOMPARE(bytes.mid(5), QByteArray(36, '\0') + '\x03');

    // Saved over an older, longer file, which is replaced whole; loaded back.
    QTemporaryDir dir;
    const QString path = dir.filePath("t.prf");
    QVERIFY(writeFile(path, QByteArray(100, 'x')));
    QString error;
    QVERIFY(ProfileFile::save(path, v, 3, &error));
    QCOMPARE(readFile(path), bytes);
    QVERIFY(ProfileFile::save(path, ramp(-20), -4, &error));
    ProfileFile::Profile p;
    QVERIFY(ProfileFile::load(path, &p, &error));
    QCOMPARE(p.values, ramp(-20));
    QCOMPARE(p.k, -4);
    QVERIFY(error.isEmpty());
}

void TestProfileFile::failedSaveKeepsOldFile()
{
    QTemporaryDir dir;
    const QByteArray old = QByteArray(41, '\x05') + '\x01';
    QString error;

    // A folder that does not exist, and a "folder" that is a plain file.
    QVERIFY(!ProfileFile::save(dir.filePath("missing/a.prf"), ramp(-20), 2, &error));
    QVERIFY(error.contains("a.prf"));
    QVERIFY(writeFile(dir.filePath("plain"), "x"));
    error.clear();
    QVERIFY(!ProfileFile::save(dir.filePath("plain/a.prf"), ramp(-20), 2, &error));
    QVERIFY(!error.isEmpty());

    // An existing profile whose replacement cannot be prepared (the name
    // leaves no room for the temporary file beside it, whatever the
    // permissions): the old contents stay.
    const QString longName = dir.filePath(QString(250, 'p') + ".prf");
    QVERIFY(writeFile(longName, old));
    error.clear();
    QVERIFY(!ProfileFile::save(longName, ramp(-20), 2, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(readFile(longName), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);  // no stray temporary

    // Devices and folders are never replaced by a file.
    QVERIFY(!ProfileFile::save(QStringLiteral("/dev/null"), ramp(-20), 2, &error));
    QVERIFY2(error.contains(QStringLiteral("non è un file regolare")), qPrintable(error));
    QVERIFY(!ProfileFile::save(dir.path(), ramp(-20), 2, &error));
    QVERIFY2(error.contains(QStringLiteral("cartella")), qPrintable(error));
}

void TestProfileFile::saveOnAFullDiskKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("old.prf");
    const QByteArray old = QByteArray(41, '\x05') + '\x01';
    QVERIFY(writeFile(path, old));
    // The disk fills up after 10 bytes; a write that "succeeds" short and a
    // write that fails outright both count.
    for (const bool shortWrite : {true, false}) {
        int written = 0;
        SafeFile::setWriteHook([&](int fd, const char *data, std::size_t size) -> long {
            const std::size_t n = shortWrite ? std::min<std::size_t>(size, 10 - written) : size;
            if (written >= 10 || written + int(n) > 10) {
                errno = ENOSPC;
                return -1;
            }
            const long done = long(::write(fd, data, n));
            written += int(done);
            return done;
        });
        QString error;
        QVERIFY(!ProfileFile::save(path, ramp(-20), 2, &error));
        QVERIFY2(error.contains(QStringLiteral("disco pieno")), qPrintable(error));
        QCOMPARE(readFile(path), old);  // byte for byte
        // A new file on the full disk is not left behind, not even empty.
        QVERIFY(!ProfileFile::save(dir.filePath("new.prf"), ramp(-20), 2, &error));
        SafeFile::setWriteHook(nullptr);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.prf"});
    }
}

void TestProfileFile::onlyWholeRegularProfilesAreLoaded()
{
    // Each refused with why, and the profile in memory left as it was.
    struct Row {
        const char *name;
        std::function<void(const QString &path)> make;  // at dir/x.prf
        QString says;
    };
    const auto sized = [](int size) {
        return [size](const QString &path) { QVERIFY(writeFile(path, QByteArray(size, '\x07'))); };
    };
    const QList<Row> rows = {
        {"empty", sized(0), "42"},
        {"10 bytes", sized(10), "42"},
        {"41 bytes", sized(41), "42"},
        {"43 bytes", sized(43), "42"},
        {"4 KiB", sized(4096), "42"},
        {"missing", [](const QString &) {}, "x.prf"},
        // Refused with its real size, without being read.
        {"1 GiB",
         [](const QString &path) {
             QFile big(path);
             QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(qint64(1) << 30));
         },
         "1073741824 byte"},
        // Nobody writes to it: refused at once, never opened.
        {"FIFO", [](const QString &path) { QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0); },
         "non è un file regolare"},
        {"loop of links",
         [](const QString &path) {
             QVERIFY(QFile::link(path + ".b", path));
             QVERIFY(QFile::link(path, path + ".b"));
         },
         "troppi collegamenti simbolici"},
        {"folder", [](const QString &path) { QVERIFY(QDir().mkpath(path)); }, "x.prf"},
    };
    for (const Row &row : rows) {
        QTemporaryDir dir;
        const QString path = dir.filePath("x.prf");
        row.make(path);
        ProfileFile::Profile p;
        p.values = ramp(-20);
        p.k = 3;
        QString error;
        QVERIFY2(!ProfileFile::load(path, &p, &error), row.name);
        QVERIFY2(error.contains(row.says) && error.contains("x.prf"),
                 qPrintable(QStringLiteral("%1: %2").arg(row.name, error)));
        QVERIFY2(p.values == ramp(-20) && p.k == 3, row.name);
    }
}

void TestProfileFile::backupsAreNamedAndPruned()
{
    QTemporaryDir dir;
    BackupStore store(dir.filePath("Profili/backup"));  // made when needed
    const QDateTime when(QDate(2026, 12, 8), QTime(21, 4, 33));
    QString error;
    const QString first = store.save(ramp(-20), 3, 21, when, &error);
    QCOMPARE(QFileInfo(first).fileName(), QStringLiteral("000001_2026-12-08_21-04-33_HW21.prf"));
    const QString second = store.save(ramp(-20), 3, 21, when, &error);  // the same second
    QVERIFY(second != first && QFileInfo::exists(first));
    ProfileFile::Profile p;
    QVERIFY(ProfileFile::load(second, &p, &error));
    QCOMPARE(p.values, ramp(-20));
    QCOMPARE(p.k, 3);
    for (int i = 1; i <= BackupStore::Keep + 5; ++i)
        QVERIFY(!store.save(ramp(-20), 1, 10, when.addSecs(i), &error).isEmpty());
    QCOMPARE(store.list().size(), BackupStore::Keep);
    QCOMPARE(QFileInfo(store.latest()).fileName(),
             BackupStore::fileName(when.addSecs(BackupStore::Keep + 5), 10, BackupStore::Keep + 7));
    QVERIFY(!QFileInfo::exists(first));  // the oldest went
    // A folder that cannot be made: no backup, and why.
    QVERIFY(writeFile(dir.filePath("file"), "x"));
    QVERIFY(BackupStore(dir.filePath("file/backup")).save(ramp(-20), 1, 10, when, &error).isEmpty());
    QVERIFY(!error.isEmpty());
}

void TestProfileFile::writeImageCarriesCurveAndName()
{
    // Below hardware version 20 the curve alone; from 20 on, the file's
    // name follows it, cut to 40 bytes.
    QVector<int> v = ramp(-20);
    v[7] = -3;
    QByteArray img = EcuImage::buildWrite(v, 15, "/any/folder/a.prf");
    QCOMPARE(img.size(), 41);
    QCOMPARE(img.left(8), hex("EC ED EE EF F0 F1 F2 FD"));
    QCOMPARE(uchar(img[40]), uchar(20));
    img = EcuImage::buildWrite(v, 20, "C:/Profili/sub/a.prf");
    QCOMPARE(img.size(), 81);
    QCOMPARE(img.mid(41), QByteArray("a.prf") + QByteArray(35, '\0'));
    img = EcuImage::buildWrite(v, 25, "/p/" + QString(60, 'n') + ".prf");
    QCOMPARE(img.size(), 81);
    QCOMPARE(img.mid(41), QByteArray(40, 'n'));
}

void TestProfileFile::readImageDecodesBenchKAndName()
{
    QByteArray img(90, '\0');
    for (int i = 0; i < 41; ++i)
        img[i] = static_cast<char>(i - 10);
    const QByteArray name("road\x01.prf");
    img.replace(41, name.size(), name);
    img[79] = 'Z';
    img[80] = 'Q';  // the 40th name byte is not shown
    img[82] = 3;
    img[89] = 1;
    EcuImage::Decoded d = EcuImage::decodeRead(img, 21);
    QCOMPARE(d.values, ramp(-10));
    QCOMPARE(d.k, 3);
    QVERIFY(d.bench);
    QCOMPARE(d.profileName, QString("road.prfZ"));

    // A 50-cell image; a short image reads its missing cells as 0.
    QByteArray small(50, '\0');
    small[42] = 2;
    d = EcuImage::decodeRead(small, 10);
    QCOMPARE(d.k, 2);
    QVERIFY(!d.bench);
    QVERIFY(d.profileName.isEmpty());
    small[49] = 1;
    QVERIFY(EcuImage::decodeRead(small, 10).bench);
    QVERIFY(!EcuImage::decodeRead(small.left(49), 10).bench);

    // A read-back against what was written: the cells that differ.
    const QByteArray written = QByteArray(41, '\x07');
    QByteArray back = written;
    back[7] = 0;
    const QVector<EcuImage::Mismatch> m = EcuImage::compare(written, back.left(40));
    QCOMPARE(m.size(), 2);
    QCOMPARE(m[0].cell, 7);
    QCOMPARE(m[0].written, 7);
    QCOMPARE(m[0].read, 0);
    QCOMPARE(m[1].cell, 40);
    QCOMPARE(m[1].read, -1);  // never read back
}

QTEST_GUILESS_MAIN(TestProfileFile)
#include "test_profilefile.moc"
