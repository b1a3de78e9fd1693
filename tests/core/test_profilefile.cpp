// Profile files (*.prf), the safe writer under them, backups, and the ECU
// image of a profile transfer.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "session/ecuimage.h"
#include "profile/backupstore.h"
#include "profile/profilefile.h"
#include "util/safefile.h"

#include <QElapsedTimer>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QVector<int> ramp()
{
    QVector<int> v;
    for (int i = 0; i < 41; ++i)
        v.append(i - 20);
    return v;
}

} // namespace

class TestProfileFile : public QObject {
    Q_OBJECT

private slots:
    void loadsFlatCurveAndK();
    void savesTruncatedTowardZero();
    void saveLoadRoundTrip();
    void failedSaveKeepsOldFile();
    void wrongSizeFileIsRefused_data();
    void wrongSizeFileIsRefused();
    void missingFileIsReported();

    void saveOnAFullDiskKeepsTheOldFile();
    void onlyRegularFilesAreRead();
    void backupsAreNamedAndPruned();
    void writeImageOfSmallEcu();
    void writeImageCarriesProfileName();
    void readImageDecodesBenchKAndName();
};

void TestProfileFile::loadsFlatCurveAndK()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("flat.prf");
    QVERIFY(writeAll(path, QByteArray(41, '\xF6') + '\x02'));
    ProfileFile::Profile p;
    QString error;
    QVERIFY(ProfileFile::load(path, &p, &error));
    QCOMPARE(p.values, QVector<int>(41, -10));
    QCOMPARE(p.k, 2);
    QVERIFY(error.isEmpty());
}

void TestProfileFile::savesTruncatedTowardZero()
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
    QCOMPARE(bytes.size(), 42);
    QCOMPARE(static_cast<uchar>(bytes[0]), uchar(0xFD));
    QCOMPARE(static_cast<uchar>(bytes[1]), uchar(0x0C));
    QCOMPARE(static_cast<uchar>(bytes[2]), uchar(0x00));
    QCOMPARE(static_cast<uchar>(bytes[3]), uchar(0x7F));
    QCOMPARE(static_cast<uchar>(bytes[4]), uchar(0x80));
    QCOMPARE(static_cast<uchar>(bytes[41]), uchar(3));

    QTemporaryDir dir;
    const QString path = dir.filePath("t.prf");
    QString error;
    QVERIFY(ProfileFile::save(path, v, 3, &error));
    QCOMPARE(readAll(path), bytes);
}

void TestProfileFile::saveLoadRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("round.prf");
    QString error;
    QVERIFY(writeAll(path, QByteArray(100, 'x')));  // an older, longer file is replaced whole
    QVERIFY(ProfileFile::save(path, ramp(), 4, &error));
    QCOMPARE(QFileInfo(path).size(), qint64(42));
    ProfileFile::Profile p;
    QVERIFY(ProfileFile::load(path, &p, &error));
    QCOMPARE(p.values, ramp());
    QCOMPARE(p.k, 4);
}

void TestProfileFile::failedSaveKeepsOldFile()
{
    QTemporaryDir dir;
    const QByteArray old = QByteArray(41, '\x05') + '\x01';
    QString error;

    // A folder that does not exist.
    QVERIFY(!ProfileFile::save(dir.filePath("missing/a.prf"), ramp(), 2, &error));
    QVERIFY(error.contains("a.prf"));

    // A "folder" that is a plain file.
    QVERIFY(writeAll(dir.filePath("plain"), "x"));
    error.clear();
    QVERIFY(!ProfileFile::save(dir.filePath("plain/a.prf"), ramp(), 2, &error));
    QVERIFY(!error.isEmpty());

    // An existing profile whose replacement cannot be prepared (the name
    // leaves no room for the temporary file beside it, whatever the
    // permissions): the old contents stay.
    const QString longName = dir.filePath(QString(250, 'p') + ".prf");
    QVERIFY(writeAll(longName, old));
    error.clear();
    QVERIFY(!ProfileFile::save(longName, ramp(), 2, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(readAll(longName), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);  // no stray temporary
}

void TestProfileFile::wrongSizeFileIsRefused_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("empty") << 0;
    QTest::newRow("10 bytes") << 10;
    QTest::newRow("41 bytes") << 41;
    QTest::newRow("43 bytes") << 43;
    QTest::newRow("4 KiB") << 4096;
}

void TestProfileFile::wrongSizeFileIsRefused()
{
    QFETCH(int, size);
    QTemporaryDir dir;
    const QString path = dir.filePath("odd.prf");
    QVERIFY(writeAll(path, QByteArray(size, '\x07')));
    ProfileFile::Profile p;
    p.values = ramp();
    p.k = 3;
    QString error;
    QVERIFY(!ProfileFile::load(path, &p, &error));
    QVERIFY(error.contains("odd.prf"));
    QVERIFY(error.contains("42"));
    QCOMPARE(p.values, ramp());  // nothing changed
    QCOMPARE(p.k, 3);
}

void TestProfileFile::missingFileIsReported()
{
    QTemporaryDir dir;
    ProfileFile::Profile p;
    QString error;
    QVERIFY(!ProfileFile::load(dir.filePath("none.prf"), &p, &error));
    QVERIFY(error.contains("none.prf"));
    QVERIFY(p.values.isEmpty());
}

void TestProfileFile::saveOnAFullDiskKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("old.prf");
    const QByteArray old = QByteArray(41, '\x05') + '\x01';
    QVERIFY(writeAll(path, old));
    // The disk fills up after 10 bytes; a write that "succeeds" short and a
    // write that fails outright both count.
    for (int mode = 0; mode < 2; ++mode) {
        int written = 0;
        SafeFile::setWriteHook([&](int fd, const char *data, std::size_t size) -> long {
            if (written >= 10) {
                errno = ENOSPC;
                return -1;
            }
            const std::size_t n = mode == 0 ? std::min<std::size_t>(size, 10 - written) : size;
            if (mode == 1 && written + int(size) > 10) {
                errno = ENOSPC;
                return -1;
            }
            const long done = long(::write(fd, data, n));
            written += int(done);
            return done;
        });
        QString error;
        QVERIFY(!ProfileFile::save(path, ramp(), 2, &error));
        QVERIFY2(error.contains(QStringLiteral("disco pieno")), qPrintable(error));
        QCOMPARE(readAll(path), old);  // byte for byte
        // A new file on the full disk is not left behind, not even empty.
        QVERIFY(!ProfileFile::save(dir.filePath("new.prf"), ramp(), 2, &error));
        SafeFile::setWriteHook(nullptr);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.prf"});
    }
    // Devices and folders are never replaced by a file.
    QString error;
    QVERIFY(!ProfileFile::save(QStringLiteral("/dev/null"), ramp(), 2, &error));
    QVERIFY2(error.contains(QStringLiteral("non è un file regolare")), qPrintable(error));
    QVERIFY(!ProfileFile::save(dir.path(), ramp(), 2, &error));
    QVERIFY2(error.contains(QStringLiteral("cartella")), qPrintable(error));
}

void TestProfileFile::onlyRegularFilesAreRead()
{
    QTemporaryDir dir;
    ProfileFile::Profile p;
    QString error;
#ifdef Q_OS_UNIX
    // A FIFO nobody writes to: refused at once, never opened.
    const QString fifo = dir.filePath("x.prf");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QElapsedTimer t;
    t.start();
    QVERIFY(!ProfileFile::load(fifo, &p, &error));
    QVERIFY(t.elapsed() < 1000);
    QVERIFY2(error.contains(QStringLiteral("non è un file regolare")), qPrintable(error));
    // A loop of links says so.
    QVERIFY(QFile::link(dir.filePath("b.prf"), dir.filePath("a.prf")));
    QVERIFY(QFile::link(dir.filePath("a.prf"), dir.filePath("b.prf")));
    QVERIFY(!ProfileFile::load(dir.filePath("a.prf"), &p, &error));
    QVERIFY2(error.contains(QStringLiteral("troppi collegamenti simbolici")), qPrintable(error));
#endif
    // A huge file is refused with its real size, without being read.
    QFile big(dir.filePath("big.prf"));
    QVERIFY(big.open(QIODevice::WriteOnly));
    QVERIFY(big.resize(qint64(1) << 30));
    big.close();
    QVERIFY(!ProfileFile::load(big.fileName(), &p, &error));
    QVERIFY2(error.contains(QStringLiteral("1073741824 byte")), qPrintable(error));
    QVERIFY(!ProfileFile::load(dir.path(), &p, &error));
    QVERIFY(p.values.isEmpty());
}

void TestProfileFile::backupsAreNamedAndPruned()
{
    QTemporaryDir dir;
    BackupStore store(dir.filePath("Profili/backup"));  // made when needed
    const QDateTime when(QDate(2026, 12, 8), QTime(21, 4, 33));
    QString error;
    const QString first = store.save(ramp(), 3, 21, when, &error);
    QCOMPARE(QFileInfo(first).fileName(), QStringLiteral("000001_2026-12-08_21-04-33_HW21.prf"));
    const QString second = store.save(ramp(), 3, 21, when, &error);  // the same second
    QVERIFY(second != first && QFileInfo::exists(first));
    ProfileFile::Profile p;
    QVERIFY(ProfileFile::load(second, &p, &error));
    QCOMPARE(p.values, ramp());
    QCOMPARE(p.k, 3);
    for (int i = 1; i <= BackupStore::Keep + 5; ++i)
        QVERIFY(!store.save(ramp(), 1, 10, when.addSecs(i), &error).isEmpty());
    QCOMPARE(store.list().size(), BackupStore::Keep);
    QCOMPARE(QFileInfo(store.latest()).fileName(),
             BackupStore::fileName(when.addSecs(BackupStore::Keep + 5), 10, BackupStore::Keep + 7));
    QVERIFY(!QFileInfo::exists(first));  // the oldest went
    // A folder that cannot be made: no backup, and why.
    QVERIFY(writeAll(dir.filePath("file"), "x"));
    QVERIFY(BackupStore(dir.filePath("file/backup")).save(ramp(), 1, 10, when, &error).isEmpty());
    QVERIFY(!error.isEmpty());
}

void TestProfileFile::writeImageOfSmallEcu()
{
    QVector<int> v = ramp();
    v[7] = -3;
    const QByteArray img = EcuImage::buildWrite(v, 15, "/any/folder/a.prf");
    QCOMPARE(img.size(), 41);  // no name bytes below hardware version 20
    QCOMPARE(static_cast<uchar>(img[0]), uchar(0xEC));  // -20
    QCOMPARE(static_cast<uchar>(img[7]), uchar(0xFD));  // -3
    QCOMPARE(static_cast<uchar>(img[40]), uchar(20));
}

void TestProfileFile::writeImageCarriesProfileName()
{
    const QByteArray img = EcuImage::buildWrite(ramp(), 20, "C:/Profili/sub/a.prf");
    QCOMPARE(img.size(), 81);
    QCOMPARE(img.mid(41, 5), QByteArray("a.prf"));
    QCOMPARE(img.mid(46), QByteArray(35, '\0'));

    const QByteArray longImg = EcuImage::buildWrite(ramp(), 25, "/p/" + QString(60, 'n') + ".prf");
    QCOMPARE(longImg.size(), 81);
    QCOMPARE(longImg.mid(41), QByteArray(40, 'n'));  // cut to 40 bytes
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
    QCOMPARE(d.values.size(), 41);
    QCOMPARE(d.values.first(), -10);
    QCOMPARE(d.values.last(), 30);
    QCOMPARE(d.k, 3);
    QVERIFY(d.bench);
    QCOMPARE(d.profileName, QString("road.prfZ"));

    // A 50-cell image; a short image reads its missing cells as 0.
    QByteArray small(50, '\0');
    small[42] = 2;
    small[49] = 0;
    d = EcuImage::decodeRead(small, 10);
    QCOMPARE(d.k, 2);
    QVERIFY(!d.bench);
    QVERIFY(d.profileName.isEmpty());
    d = EcuImage::decodeRead(small.left(49), 10);
    QVERIFY(!d.bench);
    small[49] = 1;
    QVERIFY(EcuImage::decodeRead(small, 10).bench);

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
