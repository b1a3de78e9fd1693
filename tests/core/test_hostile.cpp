// SPDX-License-Identifier: GPL-3.0-or-later
// What a hostile or careless neighbour can leave in the shared folders: lock
// files that are not what they claim (the link and the doctor meet the same
// rows), and a backup folder with names from the future, links planted under
// the next name, or several backups in the same second.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>
#include <thread>

#include "doctor/connectiondoctor.h"
#include "link/devicelock.h"
#include "link/hidlink.h"
#include "link/lockfile.h"
#include "link/seriallink.h"
#include "profile/backupstore.h"
#include "profile/profilefile.h"
#include "util/safefile.h"
#include "sim/ptyecusimulator.h"
#include "sim/simulatedhiddevice.h"
#include "support/fakesystem.h"
#include "support/testsupport.h"

#include <sys/file.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

namespace {

using Failure = DeviceLock::Failure;
using V = DoctorVerdict;

// A process that ran and is gone: its pid names nobody now.
qint64 finishedPid()
{
    QProcess p;
    p.start(QStringLiteral("true"), QStringList());
    p.waitForFinished();
    return p.processId() > 0 ? p.processId() : 4000000;
}

} // namespace

class TestHostile : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void lockFiles();
    void lockPlacesThatCannotServe();
    void backupFolders();
    void outputThroughALink();

private:
    QProcess sleeper;  // a live process that is no Tervalix
};

void TestHostile::initTestCase()
{
    sleeper.start(QStringLiteral("sleep"), {QStringLiteral("300")});
    QVERIFY(sleeper.waitForStarted());
}

void TestHostile::cleanupTestCase()
{
    sleeper.kill();
    sleeper.waitForFinished();
}

void TestHostile::lockFiles()
{
    const qint64 sleeping = sleeper.processId();
    const qint64 me = QCoreApplication::applicationPid();
    struct Row {
        const char *name;
        // Makes what lies under the lock's name; may hold it (returns the holder).
        std::function<std::shared_ptr<void>(FakeSystem &, const QString &lock)> setup;
        Failure link;         // what taking the lock meets
        QString linkSays;
        V doctor;
        QString fix;          // the doctor's command, up to the path
        QString doctorSays;
    };
    const auto text = [](const QByteArray &bytes) {
        return [bytes](FakeSystem &, const QString &lock) -> std::shared_ptr<void> {
            writeFile(lock, bytes);
            return nullptr;
        };
    };
    // A flock like a link's, by another open file in this process.
    const auto held = [](const QByteArray &bytes, const QString &comm, qint64 pid) {
        return [=](FakeSystem &s, const QString &lock) -> std::shared_ptr<void> {
            auto f = std::make_shared<QFile>(lock);
            f->open(QIODevice::ReadWrite);
            f->write(bytes.isEmpty() ? QByteArray::number(pid) + "\ntervalix\n" : bytes);
            f->flush();
            ::flock(f->handle(), LOCK_EX);
            s.file(QStringLiteral("/proc/%1/comm").arg(pid), comm.toUtf8() + '\n');
            return f;
        };
    };
    const QList<Row> rows = {
        {"empty", text(""), Failure::None, "", V::Info, "rm -f ", "non è valido"},
        {"garbage", text("\x01\x02garbage\n"), Failure::None, "", V::Info, "rm -f ", "non è valido"},
        {"negative pid", text("-42\ntervalix\n"), Failure::None, "", V::Info, "rm -f ", "non è valido"},
        {"huge pid", text("99999999999999999999\ntervalix\n"), Failure::None, "", V::Info, "rm -f ", "non è valido"},
        {"two days old",
         [](FakeSystem &, const QString &lock) -> std::shared_ptr<void> {
             writeFile(lock, "4000\ntervalix\n");
             const timeval old[2] = {{time(nullptr) - 2 * 86400, 0}, {time(nullptr) - 2 * 86400, 0}};
             ::utimes(QFile::encodeName(lock).constData(), old);
             return nullptr;
         },
         Failure::None, "", V::Info, "rm -f ", "processo 4000"},
        {"stale pid", text(QByteArray::number(finishedPid()) + "\ntervalix\n"), Failure::None, "", V::Info, "rm -f ",
         "Tervalix chiuso"},
        // A live pid that holds nothing: `sleep` is no Tervalix.
        {"live foreign pid",
         [=](FakeSystem &s, const QString &lock) -> std::shared_ptr<void> {
             writeFile(lock, QByteArray::number(sleeping) + "\ntervalix\n");
             s.file(QStringLiteral("/proc/%1/comm").arg(sleeping), "sleep\n");
             return nullptr;
         },
         Failure::None, "", V::Info, "rm -f ", "verrà ripreso"},
        {"held by a program that is no Tervalix", held("", "sleep", sleeping), Failure::Held, "in uso",
         V::Problem, "fuser -v ", "non è un Tervalix"},
        {"held by another Tervalix", held("", "tervalix", me), Failure::Held,
         QStringLiteral("processo %1").arg(me), V::Problem, QStringLiteral("kill %1").arg(me), "un altro Tervalix"},
        {"directory",
         [](FakeSystem &, const QString &lock) -> std::shared_ptr<void> {
             QDir().mkpath(lock);
             return nullptr;
         },
         Failure::Unusable, "è una cartella", V::Problem, "rmdir ", "è una cartella"},
        {"FIFO",
         [](FakeSystem &, const QString &lock) -> std::shared_ptr<void> {
             ::mkfifo(QFile::encodeName(lock).constData(), 0644);
             return nullptr;
         },
         Failure::Unusable, "FIFO", V::Problem, "rm -f ", "FIFO"},
        {"link to /dev/zero",
         [](FakeSystem &, const QString &lock) -> std::shared_ptr<void> {
             QFile::link(QStringLiteral("/dev/zero"), lock);
             return nullptr;
         },
         Failure::Unusable, "collegamento simbolico", V::Problem, "rm -f ", "collegamento simbolico"},
        // The serial ports' own lock files, as the doctor finds them.
        {"serial lock of a reused pid",
         [](FakeSystem &s, const QString &) -> std::shared_ptr<void> {
             s.file("/var/lock/LCK..ttyUSB0", "1\nminicom\n");
             s.file("/proc/1/comm", "systemd\n");
             QDir().mkpath(s.opts.root + "/proc/1/fd");
             return nullptr;
         },
         Failure::None, "", V::Warning, "sudo rm -f /var/lock/LCK..ttyUSB0", "non ha la porta aperta"},
        {"serial lock that is a FIFO",
         [](FakeSystem &s, const QString &) -> std::shared_ptr<void> {
             QDir().mkpath(s.opts.root + "/run/lock");
             ::mkfifo(QFile::encodeName(s.opts.root + "/run/lock/LCK..ttyUSB0").constData(), 0644);
             return nullptr;
         },
         Failure::None, "", V::Problem, "sudo rm -f /run/lock/LCK..ttyUSB0", "FIFO"},
    };
    for (const Row &row : rows) {
        FakeSystem sys;
        sys.groups("dialout");
        sys.file("/dev/ttyUSB0");
        const QString lock = QDir(sys.opts.lockDirectory).filePath(DeviceLock::lockFileName("/dev/ttyUSB0"));
        const std::shared_ptr<void> holder = row.setup(sys, lock);

        // The doctor first: taking the lock over removes the file.
        const QList<DoctorCheck> checks = sys.run().checksOf("port.inuse");
        QCOMPARE(checks.size(), 1);
        const DoctorCheck &c = checks.first();
        QVERIFY2(c.verdict == row.doctor, row.name);
        QVERIFY2(c.fix.startsWith(row.fix), qPrintable(QStringLiteral("%1: %2").arg(row.name, c.fix)));
        QVERIFY2(c.found.contains(row.doctorSays), qPrintable(QStringLiteral("%1: %2").arg(row.name, c.found)));
        if (!row.fix.startsWith(QLatin1String("kill")))
            QVERIFY2(!c.fix.contains("kill") && !c.found.contains("altro Tervalix"), row.name);

        DeviceLock link(sys.opts.lockDirectory);
        QString says;
        const bool taken = link.acquire("/dev/ttyUSB0", &says);
        QVERIFY2(taken == (row.link == Failure::None), row.name);
        QVERIFY2(link.failure() == row.link, row.name);
        QVERIFY2(says.contains(row.linkSays), qPrintable(QStringLiteral("%1: %2").arg(row.name, says)));
        if (taken) {
            // A lock taken over is a real one.
            DeviceLock second(sys.opts.lockDirectory);
            QVERIFY(!second.acquire("/dev/ttyUSB0"));
            QCOMPARE(second.failure(), Failure::Held);
            link.release();
            QVERIFY(second.acquire("/dev/ttyUSB0"));
        }
    }
}

void TestHostile::lockPlacesThatCannotServe()
{
    // TMPDIR a plain file: the link names the folder, not a busy unit.
    QTemporaryDir dir;
    const QString notAFolder = dir.filePath("tmp");
    QVERIFY(writeFile(notAFolder, "x"));
    auto ecu = std::make_shared<EcuSimulator>();
    HidLink hid(std::make_unique<SimulatedHidDevice>(ecu), notAFolder);
    QVERIFY(!hid.open());
    QCOMPARE(hid.openError(), EcuLink::OpenError::Failed);
    QVERIFY2(hid.errorString().contains("impossibile creare il file di blocco"), qPrintable(hid.errorString()));
    QVERIFY(!hid.errorString().contains("in uso"));

    // A FIFO where Qt's serial port looks for the port's lock: opening it
    // there would never return.
    PtyEcuSimulator pty(ecu);
    if (!pty.start())
        QSKIP("no pseudo-terminal");
    const QString name = "/LCK.." + pty.portPath().mid(5).replace('/', '_');
    QString fifo;
    for (const char *folder : {"/var/lock", "/run/lock"})
        if (QFileInfo(folder).isWritable()) {
            fifo = folder + name;
            break;
        }
    if (fifo.isEmpty())
        QSKIP("no lock folder to write to");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    const std::shared_ptr<void> removeAfter(nullptr, [fifo](void *) { QFile::remove(fifo); });
    QTemporaryDir locks;
    SerialLink link(pty.portPath(), locks.path());
    QVERIFY(!link.open());
    QCOMPARE(link.openError(), EcuLink::OpenError::Failed);
    QVERIFY2(link.errorString().contains("FIFO"), qPrintable(link.errorString()));
}

void TestHostile::backupFolders()
{
    const QDateTime now = QDateTime::currentDateTime();
    // Backups from 2099, dated a second apart or (numbered) all alike.
    const auto future = [](int step, int number) {
        return [=](const QString &dir) {
            const QDateTime at(QDate(2099, 1, 1), QTime(0, 0));
            for (int i = 1; i <= BackupStore::Keep; ++i)
                writeFile(QDir(dir).filePath(BackupStore::fileName(at.addSecs(i * step), 21, i * number)),
                          QByteArray(42, '\0'));
        };
    };
    struct Row {
        const char *name;
        std::function<void(const QString &dir)> setup;
        int saves;  // at the same moment, from as many threads
        int listed; // backups listed after them
    };
    const QList<Row> rows = {
        // A clock that was once ahead, or a machine that lost its clock.
        {"fifty backups from 2099", future(1, 0), 1, BackupStore::Keep},
        {"fifty numbered backups from 2099", future(0, 1), 1, BackupStore::Keep},
        // The next name (with a number or, as older versions chose it,
        // without) taken by a dangling link that leads out of the folder.
        {"planted link",
         [now](const QString &dir) {
             for (int number : {0, 1})
                 QFile::link(QDir(dir).filePath("../outside.prf"),
                             QDir(dir).filePath(BackupStore::fileName(now, 21, number)));
         },
         1, 1},
        {"eight in the same second", [](const QString &) {}, 8, 8},
    };
    for (const Row &row : rows) {
        QTemporaryDir top;
        const QString dir = top.filePath("backup");
        QVERIFY(QDir().mkpath(dir));
        row.setup(dir);
        BackupStore store(dir);
        QVector<QString> paths(row.saves);
        QVector<QString> errors(row.saves);
        std::vector<std::thread> threads;
        for (int i = 0; i < row.saves; ++i)
            threads.emplace_back([&, i] { paths[i] = store.save(ramp(-20), i, 21, now, &errors[i]); });
        for (std::thread &t : threads)
            t.join();
        for (int i = 0; i < row.saves; ++i) {
            QVERIFY2(!paths[i].isEmpty(), qPrintable(QStringLiteral("%1: %2").arg(row.name, errors[i])));
            ProfileFile::Profile p;
            QVERIFY2(ProfileFile::load(paths[i], &p, &errors[i]), qPrintable(errors[i]));
            QCOMPARE(p.k, i);
            QVERIFY2(!QFileInfo(paths[i]).isSymLink(), row.name);
        }
        QCOMPARE(QSet<QString>(paths.begin(), paths.end()).size(), row.saves);
        QVERIFY2(paths.contains(store.latest()), qPrintable(QStringLiteral("%1: %2").arg(row.name, store.latest())));
        QCOMPARE(store.list().size(), row.listed);
        QVERIFY2(!QFileInfo::exists(top.filePath("outside.prf")), row.name);
    }
}

void TestHostile::outputThroughALink()
{
    // A result file that is a link: refused, the link and its target kept.
    QTemporaryDir dir;
    const QString target = dir.filePath("passwd");
    QVERIFY(writeFile(target, "root:x:0:0\n"));
    const QString path = dir.filePath("curve.prf");
    QVERIFY(QFile::link(target, path));
    QString error;
    QVERIFY(!ProfileFile::save(path, ramp(-20), 1, &error));
    QVERIFY2(error.contains("collegamento simbolico"), qPrintable(error));
    QVERIFY(QFileInfo(path).isSymLink());
    QCOMPARE(readFile(target), QByteArray("root:x:0:0\n"));
}

QTEST_GUILESS_MAIN(TestHostile)
#include "test_hostile.moc"
