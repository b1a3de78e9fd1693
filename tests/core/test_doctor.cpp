// SPDX-License-Identifier: GPL-3.0-or-later
// The connection doctor against fake system trees (every verdict, without
// root rights or hardware), once against this machine, and hot-plug events.

#include "doctor/connectiondoctor.h"
#include "doctor/hotplugmonitor.h"
#include "link/devicelock.h"
#include "support/fakesystem.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <array>
#include <functional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

DoctorCheck only(const DoctorReport &report, const QString &id)
{
    const QList<DoctorCheck> found = report.checksOf(id);
    if (found.size() != 1)
        qWarning("%d checks named %s", int(found.size()), qPrintable(id));
    return found.value(0);
}

const QString reload = QStringLiteral("sudo udevadm control --reload && sudo udevadm trigger");

class FakeSource : public DeviceEventSource {
public:
    explicit FakeSource(bool works = true) : works(works) {}
    bool start(Sink s) override
    {
        sink = std::move(s);
        return works;
    }
    void send(const QString &action, const QString &subsystem, const QString &node,
              const QMap<QString, QString> &properties = {})
    {
        sink({action, subsystem, node, properties});
    }
    Sink sink;
    bool works;
};

} // namespace

class TestDoctor : public QObject {
    Q_OBJECT
private slots:
    void unitRightsAndRule();
    void aclDecidesForTheSeat();
    void serialPortsAndGroups();
    void programsThatGrabAdapters();
    void portsInUse();
    void simulatorAndReport();
    void ruleTextMatchesTheShippedRule();
    void thisMachine();
    void hotplug();
};

void TestDoctor::unitRightsAndRule()
{
    using V = DoctorVerdict;
    // The nodes' group (null: no plugdev group at all) and alice's place in
    // it (1: in this session, 2: only listed in /etc/group), the unit's node
    // and its mode (null: not plugged), the folder of the rule file (null:
    // none) and anything else.
    struct Case {
        const char *name;
        const char *group;
        int member;
        const char *unit;
        uint mode;
        const char *ruleIn;
        std::function<void(FakeSystem &)> more;
        V present, access, rule;
        QString fix;  // the access check's fix; "" none
    };
    const QString teeRule =
        QStringLiteral("echo '%1' | sudo tee /etc/udev/rules.d/70-tervalix-ecu.rules > /dev/null && ")
            .arg(ConnectionDoctor::ruleText())
        + reload;
    const QList<Case> cases = {
        {"nothing plugged", "plugdev", 0, nullptr, 0, nullptr, {}, V::Problem, V::Info, V::Warning, ""},
        {"adapter only", "plugdev", 0, nullptr, 0, nullptr, [](FakeSystem &s) { s.file("/dev/ttyUSB0"); }, V::Info,
         V::Info, V::Warning, ""},
        {"on USB without hidraw", "plugdev", 0, nullptr, 0, nullptr,
         [](FakeSystem &s) {
             s.file("/sys/bus/usb/devices/1-2/idVendor", "04d8\n");
             s.file("/sys/bus/usb/devices/1-2/idProduct", "0080\n");
         },
         V::Problem, V::Info, V::Warning, ""},
        {"member of plugdev", "plugdev", 1, "hidraw0", 0660, "/usr/lib", {}, V::Ok, V::Ok, V::Ok, ""},
        {"not in plugdev", "plugdev", 0, "hidraw0", 0660, "/lib", {}, V::Ok, V::Problem, V::Ok,
         "sudo usermod -aG plugdev alice"},
        {"joined plugdev after logging in", "plugdev", 2, "hidraw0", 0660, "/etc", {}, V::Ok, V::Warning, V::Ok, ""},
        {"root only, no rule", "root", 0, "hidraw2", 0600, nullptr, {}, V::Ok, V::Problem, V::Problem, teeRule},
        {"root only, copy of the rule beside the program", "root", 0, "hidraw2", 0600, nullptr,
         [](FakeSystem &s) {
             s.file("/opt/t/70-tervalix-ecu.rules");
             s.opts.ruleSource = s.opts.root + "/opt/t/70-tervalix-ecu.rules";
         },
         V::Ok, V::Problem, V::Problem, ""},
        {"root only, rule in /usr/local not applied", "root", 0, "hidraw2", 0600, "/usr/local/lib", {}, V::Ok,
         V::Problem, V::Ok,
         "sudo cp /usr/local/lib/udev/rules.d/70-tervalix-ecu.rules /etc/udev/rules.d/ && " + reload},
        {"root only, rule in /etc not applied", "root", 0, "hidraw2", 0600, "/etc", {}, V::Ok, V::Problem, V::Ok,
         reload},
        {"node missing from /dev", "plugdev", 0, "hidraw0", 0660, "/etc",
         [](FakeSystem &s) { QFile::remove(s.opts.root + "/dev/hidraw0"); }, V::Ok, V::Problem, V::Ok,
         "sudo udevadm trigger"},
        {"no plugdev group", nullptr, 0, "hidraw0", 0666, "/etc", {}, V::Ok, V::Ok, V::Warning, ""},
    };
    for (const Case &c : cases) {
        FakeSystem sys;
        if (c.group)
            sys.groups(c.group, c.member == 2 ? QStringList{c.group} : QStringList());
        else
            sys.file("/etc/group", "root:x:0:\n");
        if (c.member == 1)
            sys.joinNodeGroup();
        if (c.unit)
            sys.plugUnit(c.unit, c.mode);
        if (c.ruleIn)
            sys.file(QString(c.ruleIn) + "/udev/rules.d/70-tervalix-ecu.rules");
        if (c.more)
            c.more(sys);
        const DoctorReport r = sys.run();
        const DoctorCheck access = only(r, "hid.access");
        QVERIFY2(only(r, "hid.present").verdict == c.present, c.name);
        QVERIFY2(access.verdict == c.access, c.name);
        QVERIFY2(only(r, "udev.rule").verdict == c.rule, c.name);
        if (!sys.opts.ruleSource.isEmpty())
            QCOMPARE(access.fix, "sudo cp " + sys.opts.ruleSource + " /etc/udev/rules.d/ && " + reload);
        else
            QCOMPARE(access.fix, c.fix);
    }
    FakeSystem noGroup;
    noGroup.file("/etc/group", "root:x:0:\n");
    noGroup.file("/etc/udev/rules.d/70-tervalix-ecu.rules");
    QCOMPARE(only(noGroup.run(), "udev.rule").fix, "sudo groupadd --system plugdev && " + reload);
}

void TestDoctor::aclDecidesForTheSeat()
{
    // version 2, then (tag, perm, id) entries as the kernel stores them.
    const auto acl = [](std::initializer_list<std::array<uint, 3>> entries) {
        QByteArray b("\x02\0\0\0", 4);
        const auto put = [&b](uint value, int size) {
            for (int i = 0; i < size; ++i)
                b.append(char((value >> (8 * i)) & 0xFF));
        };
        for (const auto &e : entries) {
            put(e[0], 2);
            put(e[1], 2);
            put(e[2], 4);
        }
        return b;
    };
    UserIdentity seat;
    seat.uid = 1000;
    seat.gid = 1000;
    NodeOwnership node{0, 46, 0660, {}};
    QVERIFY(!nodeGrantsReadWrite(node, seat));
    node.acl = acl({{0x01, 6, 0}, {0x02, 6, 1000}, {0x04, 6, 0}, {0x10, 6, 0}, {0x20, 0, 0}});
    QVERIFY(nodeGrantsReadWrite(node, seat));
    node.acl = acl({{0x01, 6, 0}, {0x02, 6, 1000}, {0x04, 6, 0}, {0x10, 4, 0}, {0x20, 0, 0}});
    QVERIFY2(!nodeGrantsReadWrite(node, seat), "the mask limits a named user");
    node.acl = acl({{0x01, 6, 0}, {0x04, 6, 0}, {0x08, 4, 7}, {0x10, 6, 0}, {0x20, 6, 0}});
    seat.groups.insert(7, "lp");
    QVERIFY2(!nodeGrantsReadWrite(node, seat), "a matching group entry stops the search before others");
    seat.groups.insert(46, "plugdev");
    QVERIFY(nodeGrantsReadWrite(node, seat));
    const UserIdentity bob{"bob", 1000, 0, {}}, root{"root", 0, 0, {}};
    const NodeOwnership bobs{1000, 0, 0600, {}}, bobReadsOnly{1000, 0, 0460, {}};
    QVERIFY(nodeGrantsReadWrite(bobs, bob));
    QVERIFY2(!nodeGrantsReadWrite(bobReadsOnly, bob), "the owner's bits decide for the owner");
    QVERIFY(nodeGrantsReadWrite(bobs, root));
}

void TestDoctor::serialPortsAndGroups()
{
    FakeSystem sys;
    sys.groups("dialout");
    sys.joinNodeGroup();
    for (const char *node : {"/dev/ttyUSB10", "/dev/ttyUSB2", "/dev/rfcomm0", "/dev/ttyS0", "/dev/ttyS1"})
        sys.file(node, QByteArray(), 0660);
    sys.file("/dev/ttyACM0", QByteArray(), 0600);
    sys.file("/sys/class/tty/ttyS1/device/uevent");
    QStringList listed;
    for (const DoctorCheck &c : sys.run().checksOf("serial.port")) {
        listed << c.subject;
        QCOMPARE(c.verdict, c.subject == "/dev/ttyACM0" ? DoctorVerdict::Problem : DoctorVerdict::Ok);
    }
    QCOMPARE(listed, QStringList({"/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyACM0", "/dev/rfcomm0", "/dev/ttyS1"}));

    FakeSystem outsider;
    outsider.groups("dialout");
    outsider.file("/dev/ttyUSB0", QByteArray(), 0660);
    DoctorCheck port = only(outsider.run(), "serial.port");
    QCOMPARE(port.verdict, DoctorVerdict::Problem);
    QCOMPARE(port.fix, "sudo usermod -aG dialout alice");
    QVERIFY(port.found.contains("dialout"));
    outsider.groups("dialout", {"dialout"});
    port = only(outsider.run(), "serial.port");
    QCOMPARE(port.verdict, DoctorVerdict::Warning);
    QVERIFY(port.fix.isEmpty());

    // No port yet: the group is still worth joining before an adapter comes.
    FakeSystem empty;
    empty.groups("dialout");
    QCOMPARE(only(empty.run(), "serial.port").fix, "sudo usermod -aG dialout alice");
    empty.joinNodeGroup();
    QCOMPARE(only(empty.run(), "serial.port").verdict, DoctorVerdict::Info);
}

void TestDoctor::programsThatGrabAdapters()
{
    FakeSystem sys;
    DoctorReport r = sys.run();
    QCOMPARE(only(r, "modemmanager").verdict, DoctorVerdict::Ok);
    QCOMPARE(only(r, "brltty").verdict, DoctorVerdict::Ok);

    sys.file("/usr/sbin/ModemManager");
    sys.file("/bin/brltty");
    sys.file("/usr/bin/dnf");
    r = sys.run();
    QCOMPARE(only(r, "modemmanager").verdict, DoctorVerdict::Info);
    QCOMPARE(only(r, "brltty").verdict, DoctorVerdict::Warning);
    QCOMPARE(only(r, "brltty").fix, "sudo dnf remove brltty");

    sys.file("/usr/bin/apt");
    sys.file("/proc/412/comm", "ModemManager\n");
    sys.file("/proc/413/comm", "brltty\n");
    r = sys.run();
    QCOMPARE(only(r, "modemmanager").verdict, DoctorVerdict::Warning);
    QCOMPARE(only(r, "modemmanager").fix, "sudo systemctl disable --now ModemManager");
    QCOMPARE(only(r, "brltty").verdict, DoctorVerdict::Problem);
    QCOMPARE(only(r, "brltty").fix, "sudo apt remove brltty");
}

void TestDoctor::portsInUse()
{
    FakeSystem sys;
    sys.groups("dialout");
    QCOMPARE(only(sys.run(), "port.inuse").verdict, DoctorVerdict::Ok);

    for (const char *node : {"/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyUSB2", "/dev/ttyACM0"})
        sys.file(node);
    sys.plugUnit();
    sys.file("/proc/123/comm", "minicom\n");
    sys.link("/proc/123/fd/3", "/dev/ttyUSB0");
    sys.link("/proc/123/fd/4", "socket:[991]");
    sys.file("/proc/777/comm", "tervalix\n");
    sys.link("/proc/777/fd/9", "/dev/ttyACM0");
    sys.file("/var/lock/LCK..ttyUSB1", "       999\n");
    sys.file("/proc/124/comm", "screen\n");
    sys.file("/run/lock/LCK..ttyUSB2", "124\nscreen\nhost\n");
    sys.file("/proc/125/comm", "tervalix\n");
    // Held the way a link holds it: by its flock, here the test's own.
    QFile live(QDir(sys.opts.lockDirectory).filePath(DeviceLock::lockFileName("/dev/hidraw0")));
    QVERIFY(live.open(QIODevice::ReadWrite));
    live.write("125\ntervalix\nhost\n");
    live.flush();
    QCOMPARE(::flock(live.handle(), LOCK_EX), 0);
    // (The link's own lock files in every other state: test_hostile.)

    QMap<QString, DoctorCheck> bySubject;
    for (const DoctorCheck &c : sys.run().checksOf("port.inuse"))
        bySubject.insert(c.subject, c);
    QCOMPARE(bySubject.keys(),
             QStringList({"/dev/hidraw0", "/dev/ttyACM0", "/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyUSB2"}));
    const auto expect = [&](const char *node, DoctorVerdict verdict, const QString &fix, const QString &says) {
        const DoctorCheck c = bySubject.value(node);
        QVERIFY2(c.verdict == verdict, node);
        QCOMPARE(c.fix, fix);
        QVERIFY2(c.found.contains(says), qPrintable(c.found));
    };
    expect("/dev/ttyUSB0", DoctorVerdict::Problem, "kill 123", "minicom (processo 123)");
    expect("/dev/ttyACM0", DoctorVerdict::Info, "", "questo Tervalix");
    expect("/dev/ttyUSB1", DoctorVerdict::Warning, "sudo rm -f /var/lock/LCK..ttyUSB1", "999");
    expect("/dev/ttyUSB2", DoctorVerdict::Problem, "kill 124", "screen (processo 124)");
    expect("/dev/hidraw0", DoctorVerdict::Problem, "kill 125", "un altro Tervalix (processo 125");
}

void TestDoctor::simulatorAndReport()
{
    FakeSystem sys;
    sys.groups("dialout");
    sys.joinNodeGroup();
    sys.file("/dev/ttyUSB0", QByteArray(), 0660);
    sys.file("/etc/udev/rules.d/70-tervalix-ecu.rules");
    sys.opts.environment = {{"TERVALIX_SIMULATOR", ""}, {"HOME", "/home/alice"}};
    DoctorReport r = sys.run();
    QCOMPARE(only(r, "simulator").verdict, DoctorVerdict::Ok);
    QCOMPARE(r.summary(), DoctorVerdict::Ok);  // information does not count against the system

    sys.opts.environment = {{"TERVALIX_SIMULATOR", "hid"}, {"TERVALIX_SIM_HW", "10"}, {"TERVALIX_SIMX", "1"}};
    sys.file("/usr/sbin/ModemManager");
    sys.file("/proc/50/comm", "ModemManager\n");
    r = sys.run();
    const DoctorCheck sim = only(r, "simulator");
    QCOMPARE(sim.verdict, DoctorVerdict::Info);
    QVERIFY(sim.found.contains("TERVALIX_SIMULATOR=hid, TERVALIX_SIM_HW=10"));
    QVERIFY(!sim.found.contains("SIMX"));
    QCOMPARE(r.summary(), DoctorVerdict::Warning);

    sys.file("/dev/ttyACM0", QByteArray(), 0600);
    r = sys.run();
    QCOMPARE(r.summary(), DoctorVerdict::Problem);
    const QString text = formatDoctorReport(r);
    QVERIFY(text.contains(doctorSummaryText(r)));
    QVERIFY(text.contains("alice (uid 54321)"));
    for (const DoctorCheck &c : r.checks) {
        QVERIFY2(text.contains(QStringLiteral("[%1] %2\n").arg(doctorVerdictLabel(c.verdict), c.title)),
                 qPrintable(c.title));
        if (!c.fix.isEmpty())
            QVERIFY(text.contains("Rimedio: " + c.fix + "\n"));
    }
}

void TestDoctor::ruleTextMatchesTheShippedRule()
{
    QFile shipped(QStringLiteral(TERVALIX_SOURCE_DIR "/dist/") + ConnectionDoctor::ruleFileName());
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    QStringList rules;
    for (const QByteArray &line : shipped.readAll().split('\n'))
        if (!line.trimmed().isEmpty() && !line.startsWith('#'))
            rules << QString::fromUtf8(line.trimmed());
    QCOMPARE(rules, QStringList{ConnectionDoctor::ruleText()});
}

void TestDoctor::thisMachine()
{
    const DoctorReport r = ConnectionDoctor().run();
    for (const char *id : {"hid.present", "hid.access", "udev.rule", "serial.port", "modemmanager", "brltty",
                           "port.inuse", "simulator"})
        QVERIFY2(!r.checksOf(id).isEmpty(), id);
    qInfo().noquote() << QStringLiteral("\n") + formatDoctorReport(r);

    // The real monitor comes up (or stays silent) and goes away cleanly.
    HotplugMonitor real;
    qInfo() << "udev monitor active:" << real.isActive();
}

void TestDoctor::hotplug()
{
    auto owned = std::make_unique<FakeSource>();
    FakeSource *source = owned.get();
    HotplugMonitor monitor(std::move(owned));
    QVERIFY(monitor.isActive());
    QSignalSpy ecu(&monitor, &HotplugMonitor::ecuArrived);
    QSignalSpy adapter(&monitor, &HotplugMonitor::serialAdapterArrived);
    QSignalSpy removed(&monitor, &HotplugMonitor::deviceRemoved);

    source->send("add", "hidraw", "/dev/hidraw3", {{"HID_ID", "0003:000004D8:00000080"}});
    source->send("add", "hidraw", "/dev/hidraw4", {{"ID_VENDOR_ID", "04d8"}, {"ID_MODEL_ID", "0080"}});
    source->send("add", "hidraw", "/dev/hidraw5", {{"HID_ID", "0003:0000046D:0000C52B"}});  // a receiver
    source->send("add", "hidraw", "/dev/hidraw6", {{"HID_ID", "0003:000004D8:00000081"}});
    source->send("add", "tty", "/dev/ttyUSB0");
    source->send("add", "tty", "/dev/ttyACM1");
    source->send("add", "tty", "/dev/ttyS4");
    source->send("change", "tty", "/dev/ttyUSB0");
    source->send("remove", "input", "/dev/input/event7");
    source->send("remove", "hidraw", "/dev/hidraw3");
    source->send("remove", "tty", "/dev/ttyUSB0");

    QCOMPARE(ecu.size(), 2);
    QCOMPARE(ecu.at(0).at(0).toString(), QStringLiteral("/dev/hidraw3"));
    QCOMPARE(ecu.at(1).at(0).toString(), QStringLiteral("/dev/hidraw4"));
    QCOMPARE(adapter.size(), 2);
    QCOMPARE(adapter.at(1).at(0).toString(), QStringLiteral("/dev/ttyACM1"));
    QCOMPARE(removed.size(), 2);
    QCOMPARE(removed.at(0).at(0).toString(), QStringLiteral("/dev/hidraw3"));
    QCOMPARE(removed.at(1).at(0).toString(), QStringLiteral("/dev/ttyUSB0"));

    HotplugMonitor dead(std::make_unique<FakeSource>(false));
    QVERIFY(!dead.isActive());
    QVERIFY(!HotplugMonitor(std::unique_ptr<DeviceEventSource>()).isActive());
}

QTEST_GUILESS_MAIN(TestDoctor)
#include "test_doctor.moc"
