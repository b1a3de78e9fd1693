// SPDX-License-Identifier: GPL-3.0-or-later
#include "doctor/connectiondoctor.h"

#include "link/devicelock.h"
#include "link/lockfile.h"
#include "link/protocol.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <dirent.h>
#include <sys/xattr.h>
#endif

UserIdentity UserIdentity::current()
{
    UserIdentity who;
#ifdef Q_OS_UNIX
    who.uid = ::getuid();
    who.gid = ::getgid();
    if (const passwd *pw = ::getpwuid(who.uid))
        who.name = QString::fromLocal8Bit(pw->pw_name);
    else
        who.name = QString::number(who.uid);
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> ids(std::max(count, 0));
    const int got = count > 0 ? ::getgroups(count, ids.data()) : 0;
    ids.resize(std::max(got, 0));
    ids.push_back(who.gid);
    for (gid_t id : ids) {
        // Names come from the system's group database, which may be more
        // than /etc/group (a directory service).
        const group *gr = ::getgrgid(id);
        who.groups.insert(id, gr ? QString::fromLocal8Bit(gr->gr_name) : QString());
    }
#endif
    return who;
}

DoctorVerdict DoctorReport::summary() const
{
    DoctorVerdict worst = DoctorVerdict::Ok;
    for (const DoctorCheck &c : checks)
        if (c.verdict == DoctorVerdict::Problem
            || (c.verdict == DoctorVerdict::Warning && worst != DoctorVerdict::Problem))
            worst = c.verdict;
    return worst;
}

QList<DoctorCheck> DoctorReport::checksOf(const QString &id) const
{
    QList<DoctorCheck> found;
    for (const DoctorCheck &c : checks)
        if (c.id == id)
            found.append(c);
    return found;
}

QString doctorVerdictLabel(DoctorVerdict verdict)
{
    switch (verdict) {
    case DoctorVerdict::Ok:
        return QCoreApplication::translate("ConnectionDoctor", "OK");
    case DoctorVerdict::Info:
        return QCoreApplication::translate("ConnectionDoctor", "INFO");
    case DoctorVerdict::Warning:
        return QCoreApplication::translate("ConnectionDoctor", "AVVISO");
    case DoctorVerdict::Problem:
        break;
    }
    return QCoreApplication::translate("ConnectionDoctor", "PROBLEMA");
}

QString doctorSummaryText(const DoctorReport &report)
{
    int problems = 0, warnings = 0;
    for (const DoctorCheck &c : report.checks) {
        problems += c.verdict == DoctorVerdict::Problem;
        warnings += c.verdict == DoctorVerdict::Warning;
    }
    switch (report.summary()) {
    case DoctorVerdict::Ok:
    case DoctorVerdict::Info:
        return QCoreApplication::translate("ConnectionDoctor", "Nessun problema trovato nel collegamento.");
    case DoctorVerdict::Warning:
        return QCoreApplication::translate(
                   "ConnectionDoctor", "Nessun problema bloccante; avvisi da controllare: %1.")
            .arg(warnings);
    case DoctorVerdict::Problem:
        break;
    }
    return QCoreApplication::translate("ConnectionDoctor",
                                       "Problemi che possono impedire il collegamento: %1; avvisi: %2. "
                                       "Applica i rimedi indicati.")
        .arg(problems)
        .arg(warnings);
}

QString formatDoctorReport(const DoctorReport &report)
{
    QStringList groups;
    for (auto it = report.user.groups.cbegin(); it != report.user.groups.cend(); ++it)
        groups.append(it.value().isEmpty() ? QString::number(it.key()) : it.value());
    QString text = QCoreApplication::translate("ConnectionDoctor", "Diagnosi del collegamento di Tervalix")
        + QLatin1Char('\n');
    text += QCoreApplication::translate("ConnectionDoctor", "Utente: %1 (uid %2), gruppi: %3.")
                .arg(report.user.name)
                .arg(report.user.uid)
                .arg(groups.join(QStringLiteral(", ")))
        + QLatin1Char('\n');
    text += QCoreApplication::translate("ConnectionDoctor", "Esito: %1").arg(doctorSummaryText(report))
        + QLatin1Char('\n');
    for (const DoctorCheck &c : report.checks) {
        text += QStringLiteral("\n[%1] %2\n").arg(doctorVerdictLabel(c.verdict), c.title);
        for (const QString &line : c.found.split(QLatin1Char('\n')))
            text += QStringLiteral("    ") + line + QLatin1Char('\n');
        if (!c.fix.isEmpty())
            text += QStringLiteral("    ")
                + QCoreApplication::translate("ConnectionDoctor", "Rimedio: %1").arg(c.fix)
                + QLatin1Char('\n');
    }
    return text;
}

namespace {

enum : unsigned { AclRead = 4, AclWrite = 2 };
enum : unsigned {
    AclUserObj = 0x01,
    AclUser = 0x02,
    AclGroupObj = 0x04,
    AclGroup = 0x08,
    AclMask = 0x10,
    AclOther = 0x20,
};

struct AclEntry {
    unsigned tag;
    unsigned perm;
    uint id;
};

unsigned readLe(const QByteArray &bytes, int at, int size)
{
    unsigned value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

// The kernel's xattr form: a 4-byte version (2), then 8-byte entries of
// tag (16 bits), permissions (16 bits) and id (32 bits), little-endian.
QList<AclEntry> parseAcl(const QByteArray &bytes)
{
    QList<AclEntry> entries;
    if (bytes.size() < 4 || readLe(bytes, 0, 4) != 2 || (bytes.size() - 4) % 8 != 0)
        return entries;
    for (int at = 4; at < bytes.size(); at += 8)
        entries.append({readLe(bytes, at, 2), readLe(bytes, at + 2, 2), readLe(bytes, at + 4, 4)});
    return entries;
}

bool inGroup(const UserIdentity &user, uint gid)
{
    return user.gid == gid || user.groups.contains(gid);
}

} // namespace

bool nodeGrantsReadWrite(const NodeOwnership &node, const UserIdentity &user)
{
    if (user.uid == 0)
        return true;
    const auto rw = [](unsigned perm) { return (perm & (AclRead | AclWrite)) == (AclRead | AclWrite); };
    const QList<AclEntry> acl = parseAcl(node.acl);
    if (acl.isEmpty()) {
        if (user.uid == node.uid)
            return rw(node.mode >> 6);
        if (inGroup(user, node.gid))
            return rw(node.mode >> 3);
        return rw(node.mode);
    }
    // POSIX ACL order: owner, named user, any matching group, others; named
    // entries and groups are limited by the mask.
    unsigned mask = AclRead | AclWrite | 1;
    for (const AclEntry &e : acl)
        if (e.tag == AclMask)
            mask = e.perm;
    for (const AclEntry &e : acl)
        if (e.tag == AclUserObj && user.uid == node.uid)
            return rw(e.perm);
    for (const AclEntry &e : acl)
        if (e.tag == AclUser && e.id == user.uid)
            return rw(e.perm & mask);
    bool groupMatched = false;
    for (const AclEntry &e : acl) {
        const bool matches = (e.tag == AclGroupObj && inGroup(user, node.gid))
            || (e.tag == AclGroup && inGroup(user, e.id));
        if (!matches)
            continue;
        if (rw(e.perm & mask))
            return true;
        groupMatched = true;
    }
    if (groupMatched)
        return false;
    for (const AclEntry &e : acl)
        if (e.tag == AclOther)
            return rw(e.perm);
    return false;
}

QString ConnectionDoctor::ruleFileName()
{
    return QStringLiteral("70-tervalix-ecu.rules");
}

QString ConnectionDoctor::ruleText()
{
    return QStringLiteral("SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"%1\", ATTRS{idProduct}==\"%2\", "
                          "MODE=\"0660\", GROUP=\"plugdev\", TAG+=\"uaccess\"")
        .arg(Protocol::HidVendorId, 4, 16, QLatin1Char('0'))
        .arg(Protocol::HidProductId, 4, 16, QLatin1Char('0'));
}

ConnectionDoctor::ConnectionDoctor() : opts(systemOptions()) {}

ConnectionDoctor::ConnectionDoctor(const Options &options) : opts(options) {}

ConnectionDoctor::Options ConnectionDoctor::systemOptions()
{
    Options o;
    o.user = UserIdentity::current();
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString &key : env.keys())
        o.environment.insert(key, env.value(key));
    o.lockDirectory = QDir::tempPath();
    o.ownPid = QCoreApplication::applicationPid();
    // Installed under a prefix that udev does not read (a home folder, /opt):
    // the copy beside the program is the one to put in place.
    const QString beside = QCoreApplication::instance()
        ? QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../lib/udev/rules.d/") + ruleFileName())
        : QString();
    if (!beside.isEmpty() && QFile::exists(beside))
        o.ruleSource = QDir::cleanPath(beside);
    return o;
}

#ifndef Q_OS_LINUX

DoctorReport ConnectionDoctor::run() const
{
    DoctorReport report;
    report.user = opts.user;
    DoctorCheck c;
    c.id = QStringLiteral("platform");
    c.verdict = DoctorVerdict::Info;
    c.title = QCoreApplication::translate("ConnectionDoctor", "Diagnosi");
    c.found = QCoreApplication::translate("ConnectionDoctor",
                                          "La diagnosi del collegamento è disponibile solo su Linux.");
    report.checks.append(c);
    return report;
}

#else

namespace {

const QString reloadCommand = QStringLiteral("sudo udevadm control --reload && sudo udevadm trigger");

QString shellQuote(const QString &word)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./+:=@%-]+$"));
    if (plain.match(word).hasMatch())
        return word;
    QString quoted = word;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

// ttyUSB10 after ttyUSB9.
bool portOrder(const QString &a, const QString &b)
{
    static const QRegularExpression split(QStringLiteral("^(.*?)(\\d*)$"));
    const QRegularExpressionMatch ma = split.match(a), mb = split.match(b);
    if (ma.captured(1) != mb.captured(1))
        return ma.captured(1) < mb.captured(1);
    return ma.captured(2).toLongLong() < mb.captured(2).toLongLong();
}

struct GroupEntry {
    QString name;
    uint gid = 0;
    QStringList members;
};

struct NodeState {
    bool exists = false;
    NodeOwnership own;
    bool granted = false;
};

class Examination {
public:
    explicit Examination(const ConnectionDoctor::Options &o) : opts(o)
    {
        loadAccounts();
        loadProcesses();
    }

    DoctorReport run()
    {
        report.user = opts.user;
        findUnit();
        findRule();
        findPorts();
        checkLink();
        checkUnit();
        checkUnitAccess();
        checkRule();
        checkPorts();
        checkModemManager();
        checkBrltty();
        checkPortsInUse();
        checkSimulator();
        return report;
    }

private:
    // --- the system tree ---

    QString at(const QString &systemPath) const
    {
        return QDir::cleanPath(opts.root + QLatin1Char('/') + systemPath);
    }

    QString readText(const QString &systemPath) const
    {
        QFile f(at(systemPath));
        if (!f.open(QIODevice::ReadOnly))
            return QString();
        return QString::fromLocal8Bit(f.read(64 * 1024)).trimmed();
    }

    bool exists(const QString &systemPath) const { return QFileInfo::exists(at(systemPath)); }

    QStringList list(const QString &systemDir, const QStringList &patterns) const
    {
        QStringList names = QDir(at(systemDir)).entryList(patterns, QDir::AllEntries | QDir::System
                                                                        | QDir::NoDotAndDotDot);
        std::sort(names.begin(), names.end(), portOrder);
        return names;
    }

    // Lines of the colon-separated account files.
    QList<QStringList> records(const QString &systemPath) const
    {
        QList<QStringList> rows;
        for (const QString &line : readText(systemPath).split(QLatin1Char('\n')))
            if (!line.startsWith(QLatin1Char('#')) && line.contains(QLatin1Char(':')))
                rows.append(line.split(QLatin1Char(':')));
        return rows;
    }

    void loadAccounts()
    {
        for (const QStringList &f : records(QStringLiteral("/etc/group")))
            if (f.size() >= 3)
                groups.append({f[0], f[2].toUInt(),
                               f.value(3).split(QLatin1Char(','), Qt::SkipEmptyParts)});
        accountGid = opts.user.gid;
        for (const QStringList &f : records(QStringLiteral("/etc/passwd"))) {
            if (f.size() < 4)
                continue;
            userNames.insert(f[2].toUInt(), f[0]);
            if (f[0] == opts.user.name)
                accountGid = f[3].toUInt();
        }
    }

    const GroupEntry *groupById(uint gid) const
    {
        for (const GroupEntry &g : groups)
            if (g.gid == gid)
                return &g;
        return nullptr;
    }

    const GroupEntry *groupByName(const QString &name) const
    {
        for (const GroupEntry &g : groups)
            if (g.name == name)
                return &g;
        return nullptr;
    }

    QString groupName(uint gid) const
    {
        if (const GroupEntry *g = groupById(gid))
            return g->name;
        const QString known = opts.user.groups.value(gid);
        return known.isEmpty() ? QStringLiteral("gid %1").arg(gid) : known;
    }

    QString userName(uint uid) const
    {
        return userNames.value(uid, QStringLiteral("uid %1").arg(uid));
    }

    bool inSession(uint gid) const { return inGroup(opts.user, gid); }

    // Whether joining the node's group would open it; never advise joining root.
    bool joinable(const NodeState &s) const
    {
        const GroupEntry *g = groupById(s.own.gid);
        return g && g->name != QLatin1String("root") && (s.own.mode & 060) == 060;
    }

    // Member by the account files: what the next login will have.
    bool listedIn(const GroupEntry &g) const
    {
        return g.gid == accountGid || g.members.contains(opts.user.name);
    }

    void loadProcesses()
    {
        DIR *proc = ::opendir(QFile::encodeName(at(QStringLiteral("/proc"))).constData());
        if (!proc)
            return;
        while (const dirent *e = ::readdir(proc)) {
            bool number = false;
            const qint64 pid = QByteArray(e->d_name).toLongLong(&number);
            if (!number)
                continue;
            const QString dir = QStringLiteral("/proc/%1").arg(pid);
            processNames.insert(pid, readText(dir + QStringLiteral("/comm")));
            // Only what this user may see: another account's descriptors
            // stay hidden unless the doctor runs as root.
            const QByteArray fdDir = QFile::encodeName(at(dir + QStringLiteral("/fd")));
            DIR *fds = ::opendir(fdDir.constData());
            if (!fds)
                continue;
            fdsVisible.insert(pid);
            while (const dirent *f = ::readdir(fds)) {
                char target[512];
                const QByteArray link = fdDir + '/' + f->d_name;
                const ssize_t n = ::readlink(link.constData(), target, sizeof target - 1);
                if (n > 5 && std::equal(target, target + 5, "/dev/")) {
                    const QString node = QFile::decodeName(QByteArray(target, int(n)));
                    if (!holders.value(node).contains(pid))
                        holders[node].append(pid);
                }
            }
            ::closedir(fds);
        }
        ::closedir(proc);
    }

    bool running(qint64 pid) const { return pid > 0 && exists(QStringLiteral("/proc/%1").arg(pid)); }

    bool runningProgram(const QString &comm) const
    {
        for (const QString &name : processNames)
            if (name == comm)
                return true;
        return false;
    }

    NodeState node(const QString &systemPath) const
    {
        NodeState s;
        const QByteArray path = QFile::encodeName(at(systemPath));
        struct stat st;
        if (::stat(path.constData(), &st) != 0)
            return s;
        s.exists = true;
        s.own.uid = st.st_uid;
        s.own.gid = st.st_gid;
        s.own.mode = st.st_mode & 07777;
        char acl[1024];
        const ssize_t n = ::getxattr(path.constData(), "system.posix_acl_access", acl, sizeof acl);
        if (n > 0)
            s.own.acl = QByteArray(acl, int(n));
        s.granted = nodeGrantsReadWrite(s.own, opts.user);
        return s;
    }

    QString describe(const QString &systemPath, const NodeState &s) const
    {
        return QCoreApplication::translate("ConnectionDoctor", "%1 (proprietario %2, gruppo %3, permessi %4%5)")
            .arg(systemPath, userName(s.own.uid), groupName(s.own.gid),
                 QString::number(s.own.mode, 8).rightJustified(4, QLatin1Char('0')),
                 s.own.acl.isEmpty() ? QString() : QStringLiteral(" + ACL"));
    }

    void add(const QString &id, const QString &subject, DoctorVerdict verdict, const QString &title,
             const QString &found, const QString &fix = QString())
    {
        report.checks.append({id, subject, verdict, title, found, fix});
    }

    // --- what is there ---

    void findUnit()
    {
        static const QRegularExpression hidId(
            QStringLiteral("^HID_ID=[0-9A-F]+:0*%1:0*%2$")
                .arg(Protocol::HidVendorId, 0, 16)
                .arg(Protocol::HidProductId, 0, 16),
            QRegularExpression::CaseInsensitiveOption | QRegularExpression::MultilineOption);
        for (const QString &name : list(QStringLiteral("/sys/class/hidraw"), {QStringLiteral("hidraw*")}))
            if (hidId.match(readText(QStringLiteral("/sys/class/hidraw/%1/device/uevent").arg(name))).hasMatch())
                unitNodes.append(QStringLiteral("/dev/") + name);
        const QString vendor = QStringLiteral("%1").arg(Protocol::HidVendorId, 4, 16, QLatin1Char('0'));
        const QString product = QStringLiteral("%1").arg(Protocol::HidProductId, 4, 16, QLatin1Char('0'));
        for (const QString &dev : list(QStringLiteral("/sys/bus/usb/devices"), {})) {
            const QString base = QStringLiteral("/sys/bus/usb/devices/") + dev;
            if (readText(base + QStringLiteral("/idVendor")).compare(vendor, Qt::CaseInsensitive) == 0
                && readText(base + QStringLiteral("/idProduct")).compare(product, Qt::CaseInsensitive) == 0)
                unitOnUsb = true;
        }
    }

    void findRule()
    {
        for (const char *dir : {"/etc/udev/rules.d", "/usr/lib/udev/rules.d", "/lib/udev/rules.d",
                                "/usr/local/lib/udev/rules.d"}) {
            const QString path = QLatin1String(dir) + QLatin1Char('/') + ConnectionDoctor::ruleFileName();
            if (exists(path)) {
                rulePath = path;
                return;
            }
        }
    }

    void findPorts()
    {
        for (const char *pattern : {"ttyUSB*", "ttyACM*", "rfcomm*"})
            for (const QString &name : list(QStringLiteral("/dev"), {QLatin1String(pattern)}))
                ports.append(QStringLiteral("/dev/") + name);
        // Every 8250 slot has a node; only those the kernel found hardware for
        // have a device behind them.
        for (const QString &name : list(QStringLiteral("/dev"), {QStringLiteral("ttyS*")}))
            if (exists(QStringLiteral("/sys/class/tty/%1/device").arg(name)))
                ports.append(QStringLiteral("/dev/") + name);
        for (const QString &p : ports)
            if (p.startsWith(QLatin1String("/dev/ttyUSB")) || p.startsWith(QLatin1String("/dev/ttyACM")))
                ++usbAdapters;
    }

    QString ruleInstallCommand() const
    {
        if (!opts.ruleSource.isEmpty() && QFile::exists(opts.ruleSource))
            return QStringLiteral("sudo cp %1 /etc/udev/rules.d/ && %2").arg(shellQuote(opts.ruleSource), reloadCommand);
        return QStringLiteral("echo '%1' | sudo tee /etc/udev/rules.d/%2 > /dev/null && %3")
            .arg(ConnectionDoctor::ruleText(), ConnectionDoctor::ruleFileName(), reloadCommand);
    }

    // Why a user may not open a node that a group may open, and the cure.
    struct Advice {
        DoctorVerdict verdict = DoctorVerdict::Problem;
        QString sentence;
        QString fix;
    };

    Advice groupAdvice(const QString &name) const
    {
        Advice a;
        const GroupEntry *g = groupByName(name);
        if (g && listedIn(*g)) {
            a.verdict = DoctorVerdict::Warning;
            a.sentence = QCoreApplication::translate(
                             "ConnectionDoctor",
                             "Sei già nel gruppo %1, ma questa sessione è stata aperta prima dell'iscrizione: "
                             "esci dalla sessione e rientra.")
                             .arg(name);
            return a;
        }
        a.sentence = QCoreApplication::translate(
                         "ConnectionDoctor",
                         "Non fai parte del gruppo %1; dopo il comando esci dalla sessione e rientra.")
                         .arg(name);
        a.fix = QStringLiteral("sudo usermod -aG %1 %2").arg(shellQuote(name), shellQuote(opts.user.name));
        return a;
    }

    // --- the checks ---

    void checkLink()
    {
        if (opts.linkedPort.isEmpty())
            return;
        const QString where = opts.linkedNode.isEmpty() ? opts.linkedPort
                                                        : QStringLiteral("%1, %2").arg(opts.linkedPort, opts.linkedNode);
        add(QStringLiteral("link.current"), opts.linkedNode, DoctorVerdict::Ok,
            QCoreApplication::translate("ConnectionDoctor", "Collegamento attuale"),
            QCoreApplication::translate("ConnectionDoctor", "Il programma è collegato ora alla centralina su %1 (%2).")
                .arg(where, opts.linkedRecord));
    }

    void checkUnit()
    {
        const QString id = QStringLiteral("hid.present");
        const QString title = QCoreApplication::translate("ConnectionDoctor", "Centralina USB");
        // The simulated unit has no node in the system: being linked to it
        // is all there is to see.
        if (unitNodes.isEmpty() && opts.linkedPort == QLatin1String("HID")) {
            add(id, QString(), DoctorVerdict::Ok, title,
                QCoreApplication::translate("ConnectionDoctor",
                                            "La centralina USB a cui il programma è collegato non ha un nodo nel "
                                            "sistema: è quella simulata (TERVALIX_SIMULATOR=hid)."));
            return;
        }
        if (!unitNodes.isEmpty())
            add(id, QString(), DoctorVerdict::Ok, title,
                QCoreApplication::translate("ConnectionDoctor",
                                            "La centralina (USB 04D8:0080) è collegata; il suo nodo è %1.")
                    .arg(unitNodes.join(QStringLiteral(", "))));
        else if (unitOnUsb)
            add(id, QString(), DoctorVerdict::Problem, title,
                QCoreApplication::translate("ConnectionDoctor",
                                            "La centralina è sul bus USB ma il sistema non le ha dato un nodo "
                                            "hidraw: scollegala e ricollegala; se non basta, il kernel non ha il "
                                            "supporto hidraw."));
        else if (usbAdapters > 0)
            add(id, QString(), DoctorVerdict::Info, title,
                QCoreApplication::translate("ConnectionDoctor",
                                            "La centralina non è collegata direttamente al USB; se usi un "
                                            "adattatore seriale, guarda le porte seriali qui sotto."));
        else
            add(id, QString(), DoctorVerdict::Problem, title,
                QCoreApplication::translate("ConnectionDoctor",
                                            "Non risultano collegati né la centralina USB (04D8:0080) né un "
                                            "adattatore seriale USB: controlla il cavo e che la centralina sia "
                                            "alimentata."));
    }

    void checkUnitAccess()
    {
        const QString id = QStringLiteral("hid.access");
        const QString title = QCoreApplication::translate("ConnectionDoctor", "Permessi della centralina USB");
        if (unitNodes.isEmpty()) {
            add(id, QString(), DoctorVerdict::Info, title,
                QCoreApplication::translate("ConnectionDoctor",
                                            "Nessun nodo da controllare: la centralina USB non è collegata."));
            return;
        }
        for (const QString &path : unitNodes) {
            const NodeState s = node(path);
            if (!s.exists) {
                add(id, path, DoctorVerdict::Problem, title,
                    QCoreApplication::translate("ConnectionDoctor",
                                                "Il kernel ha creato %1 ma il file non è in /dev.")
                        .arg(path),
                    QStringLiteral("sudo udevadm trigger"));
                continue;
            }
            const QString what = describe(path, s);
            if (s.granted) {
                add(id, path, DoctorVerdict::Ok, title,
                    QCoreApplication::translate("ConnectionDoctor", "%1 è leggibile e scrivibile dall'utente %2.")
                        .arg(what, opts.user.name));
                continue;
            }
            const QString denied = QCoreApplication::translate("ConnectionDoctor",
                                                               "%1 non è leggibile e scrivibile dall'utente %2.")
                                       .arg(what, opts.user.name);
            if (joinable(s)) {
                const Advice a = groupAdvice(groupName(s.own.gid));
                add(id, path, a.verdict, title, denied + QLatin1Char(' ') + a.sentence, a.fix);
            } else if (rulePath.isEmpty()) {
                add(id, path, DoctorVerdict::Problem, title,
                    denied + QLatin1Char(' ')
                        + QCoreApplication::translate("ConnectionDoctor",
                                                      "La regola udev di Tervalix non è installata."),
                    ruleInstallCommand());
            } else {
                // The rule is there but the node predates it, or udev does not
                // read the folder it is in: a copy in /etc is always read.
                const bool inEtc = rulePath.startsWith(QLatin1String("/etc/"));
                add(id, path, DoctorVerdict::Problem, title,
                    denied + QLatin1Char(' ')
                        + QCoreApplication::translate("ConnectionDoctor",
                                                      "La regola %1 non è stata applicata: ricaricala, oppure "
                                                      "scollega e ricollega la centralina.")
                              .arg(rulePath),
                    inEtc ? reloadCommand
                          : QStringLiteral("sudo cp %1 /etc/udev/rules.d/ && %2").arg(rulePath, reloadCommand));
            }
        }
    }

    void checkRule()
    {
        const QString id = QStringLiteral("udev.rule");
        const QString title = QCoreApplication::translate("ConnectionDoctor", "Regola udev");
        if (rulePath.isEmpty()) {
            add(id, QString(), unitNodes.isEmpty() ? DoctorVerdict::Warning : DoctorVerdict::Problem, title,
                QCoreApplication::translate("ConnectionDoctor",
                                            "La regola %1 non è installata: senza di essa solo root può aprire "
                                            "la centralina USB.")
                    .arg(ConnectionDoctor::ruleFileName()),
                ruleInstallCommand());
        } else if (!groupByName(QStringLiteral("plugdev"))) {
            add(id, rulePath, DoctorVerdict::Warning, title,
                QCoreApplication::translate("ConnectionDoctor",
                                            "La regola è installata in %1, ma il gruppo plugdev che nomina non "
                                            "esiste: solo chi siede al computer può aprire la centralina.")
                    .arg(rulePath),
                QStringLiteral("sudo groupadd --system plugdev && ") + reloadCommand);
        } else {
            add(id, rulePath, DoctorVerdict::Ok, title,
                QCoreApplication::translate("ConnectionDoctor", "La regola è installata in %1.").arg(rulePath));
        }
    }

    void checkPorts()
    {
        const QString id = QStringLiteral("serial.port");
        if (ports.isEmpty()) {
            const QString title = QCoreApplication::translate("ConnectionDoctor", "Porte seriali");
            const QString none = QCoreApplication::translate("ConnectionDoctor", "Nessuna porta seriale trovata.");
            const GroupEntry *dialout = groupByName(QStringLiteral("dialout"));
            if (opts.user.uid != 0 && dialout && !inSession(dialout->gid)) {
                const Advice a = groupAdvice(dialout->name);
                add(id, QString(), DoctorVerdict::Warning, title,
                    none + QLatin1Char(' ')
                        + QCoreApplication::translate("ConnectionDoctor",
                                                      "Per un adattatore seriale servirà il gruppo dialout.")
                        + QLatin1Char(' ') + a.sentence,
                    a.fix);
            } else {
                add(id, QString(), DoctorVerdict::Info, title, none);
            }
            return;
        }
        for (const QString &path : ports) {
            const QString title = QCoreApplication::translate("ConnectionDoctor", "Porta seriale %1").arg(path);
            const NodeState s = node(path);
            const QString group = groupName(s.own.gid);
            const QString what = describe(path, s);
            if (s.granted) {
                add(id, path, DoctorVerdict::Ok, title,
                    opts.user.uid == 0 || !inSession(s.own.gid)
                        ? QCoreApplication::translate("ConnectionDoctor", "%1 è accessibile all'utente %2.")
                              .arg(what, opts.user.name)
                        : QCoreApplication::translate("ConnectionDoctor",
                                                      "%1 è accessibile: l'utente %2 fa parte del gruppo %3.")
                              .arg(what, opts.user.name, group));
            } else if (joinable(s)) {
                const Advice a = groupAdvice(group);
                add(id, path, a.verdict, title,
                    QCoreApplication::translate("ConnectionDoctor", "%1 non è accessibile all'utente %2.")
                            .arg(what, opts.user.name)
                        + QLatin1Char(' ') + a.sentence,
                    a.fix);
            } else {
                add(id, path, DoctorVerdict::Problem, title,
                    QCoreApplication::translate("ConnectionDoctor",
                                                "%1 non è accessibile all'utente %2: solo root può aprirla.")
                        .arg(what, opts.user.name));
            }
        }
    }

    QString installedBinary(const QString &name) const
    {
        for (const char *dir : {"/usr/sbin", "/usr/bin", "/sbin", "/bin"}) {
            const QString path = QLatin1String(dir) + QLatin1Char('/') + name;
            if (exists(path))
                return path;
        }
        return QString();
    }

    QString removeCommand(const QString &package) const
    {
        if (exists(QStringLiteral("/usr/bin/apt")))
            return QStringLiteral("sudo apt remove ") + package;
        if (exists(QStringLiteral("/usr/bin/dnf")))
            return QStringLiteral("sudo dnf remove ") + package;
        if (exists(QStringLiteral("/usr/bin/pacman")))
            return QStringLiteral("sudo pacman -R ") + package;
        if (exists(QStringLiteral("/usr/bin/zypper")))
            return QStringLiteral("sudo zypper remove ") + package;
        return QStringLiteral("sudo apt remove ") + package;
    }

    void checkModemManager()
    {
        const QString id = QStringLiteral("modemmanager");
        const QString title = QStringLiteral("ModemManager");
        const QString binary = installedBinary(QStringLiteral("ModemManager"));
        if (runningProgram(QStringLiteral("ModemManager")))
            // It sends modem commands to every new USB serial port for some
            // seconds, which the ECU takes as noise or which keeps the port busy.
            add(id, QString(), DoctorVerdict::Warning, title,
                QCoreApplication::translate("ConnectionDoctor",
                                            "ModemManager è in esecuzione: interroga ogni nuovo adattatore seriale "
                                            "USB e può occupare la porta o disturbare la centralina."),
                QStringLiteral("sudo systemctl disable --now ModemManager"));
        else if (!binary.isEmpty())
            add(id, QString(), DoctorVerdict::Info, title,
                QCoreApplication::translate("ConnectionDoctor",
                                            "ModemManager è installato (%1) ma non è in esecuzione.")
                    .arg(binary));
        else
            add(id, QString(), DoctorVerdict::Ok, title,
                QCoreApplication::translate("ConnectionDoctor", "ModemManager non è installato."));
    }

    void checkBrltty()
    {
        const QString id = QStringLiteral("brltty");
        const QString title = QStringLiteral("brltty");
        const QString binary = installedBinary(QStringLiteral("brltty"));
        // Its udev rules claim common USB serial chips (CH340, CP210x) for
        // braille displays as soon as they are plugged in, running or not:
        // the adapter's port then vanishes.
        if (runningProgram(QStringLiteral("brltty")))
            add(id, QString(), DoctorVerdict::Problem, title,
                QCoreApplication::translate("ConnectionDoctor",
                                            "brltty è in esecuzione: si prende gli adattatori seriali USB più "
                                            "comuni e la loro porta sparisce. Se non usi un display braille, "
                                            "rimuovilo."),
                removeCommand(QStringLiteral("brltty")));
        else if (!binary.isEmpty())
            add(id, QString(), DoctorVerdict::Warning, title,
                QCoreApplication::translate("ConnectionDoctor",
                                            "brltty è installato (%1): quando colleghi un adattatore seriale USB "
                                            "può prenderselo e farne sparire la porta. Se non usi un display "
                                            "braille, rimuovilo.")
                    .arg(binary),
                removeCommand(QStringLiteral("brltty")));
        else
            add(id, QString(), DoctorVerdict::Ok, title,
                QCoreApplication::translate("ConnectionDoctor", "brltty non è installato."));
    }

    QString processName(qint64 pid) const
    {
        const QString name = processNames.value(pid);
        return name.isEmpty() ? QStringLiteral("?") : name;
    }

    // The program file of a process, where this user may see it.
    QString executable(qint64 pid) const
    {
        return QFileInfo(QFileInfo(at(QStringLiteral("/proc/%1/exe").arg(pid))).symLinkTarget()).fileName();
    }

    // A process is only named as a lock's holder once it is seen to be one:
    // the program the lock file names (or, for our own, a Tervalix) is what
    // it runs. A pid in a lock file may since belong to anything.
    bool runsProgram(qint64 pid, const QString &program) const
    {
        if (program.isEmpty())
            return false;
        const QString comm = processNames.value(pid);
        const QString exe = executable(pid);
        // comm is cut to 15 characters.
        return (!comm.isEmpty() && program.left(15) == comm) || exe == program;
    }

    bool runsTervalix(qint64 pid) const
    {
        return processNames.value(pid).startsWith(QLatin1String("tervalix"))
            || executable(pid).startsWith(QLatin1String("tervalix"));
    }

    void checkPortsInUse()
    {
        const QString id = QStringLiteral("port.inuse");
        const QString title = QCoreApplication::translate("ConnectionDoctor", "Porte in uso");
        const int before = report.checks.size();
        for (const QString &path : ports + unitNodes) {
            const QString name = QFileInfo(path).fileName();
            DoctorVerdict verdict = DoctorVerdict::Ok;
            QStringList found, fixes;
            const auto note = [&](DoctorVerdict v, const QString &sentence, const QString &fix) {
                if (v == DoctorVerdict::Problem || (v == DoctorVerdict::Warning && verdict != DoctorVerdict::Problem)
                    || verdict == DoctorVerdict::Ok)
                    verdict = v;
                found.append(sentence);
                if (!fix.isEmpty() && !fixes.contains(fix))
                    fixes.append(fix);
            };
            QSet<qint64> seen;
            for (qint64 pid : holders.value(path)) {
                seen.insert(pid);
                if (pid == opts.ownPid)
                    note(DoctorVerdict::Info,
                         QCoreApplication::translate("ConnectionDoctor", "%1 è aperto da questo Tervalix.").arg(path),
                         QString());
                else
                    note(DoctorVerdict::Problem,
                         QCoreApplication::translate("ConnectionDoctor",
                                                     "%1 è aperto da %2 (processo %3): chiudi quel programma.")
                             .arg(path, processName(pid))
                             .arg(pid),
                         QStringLiteral("kill %1").arg(pid));
            }
            // Serial lock files of the UUCP kind; /var/lock is often a link to
            // /run/lock, so one file may be met twice.
            QSet<QString> lockFiles;
            const QList<QPair<QString, QString>> lockDirs = {
                {at(QStringLiteral("/var/lock")), QStringLiteral("/var/lock")},
                {at(QStringLiteral("/run/lock")), QStringLiteral("/run/lock")},
                {opts.lockDirectory, opts.lockDirectory},
            };
            for (const auto &dir : lockDirs) {
                if (dir.first.isEmpty())
                    continue;
                const QString real = QDir(dir.first).filePath(QStringLiteral("LCK..") + name);
                const QString canonical = QFileInfo(dir.first).canonicalFilePath() + QStringLiteral("/LCK..") + name;
                const LockFileInfo lock = LockFile::read(real);
                if (lock.state == LockFileInfo::Missing || lockFiles.contains(canonical))
                    continue;
                lockFiles.insert(canonical);
                const QString shown = QDir(dir.second).filePath(QStringLiteral("LCK..") + name);
                const QString remove = QStringLiteral("sudo rm -f ") + shellQuote(shown);
                if (lock.state != LockFileInfo::Regular || lock.tooLarge) {
                    note(DoctorVerdict::Problem,
                         QCoreApplication::translate("ConnectionDoctor",
                                                     "Il file di blocco %1 di %2 non è un file di blocco (%3): "
                                                     "la porta non si apre finché c'è.")
                             .arg(shown, path,
                                  lock.tooLarge ? QCoreApplication::translate("ConnectionDoctor", "troppo grande")
                                                : lock.problem),
                         lock.directory ? QStringLiteral("sudo rmdir ") + shellQuote(shown) : remove);
                    continue;
                }
                const qint64 pid = lock.pid;
                if (pid > 0 && seen.contains(pid))
                    continue;
                if (pid > 0 && pid == opts.ownPid) {
                    note(DoctorVerdict::Info,
                         QCoreApplication::translate("ConnectionDoctor", "%1 è riservato da questo Tervalix (%2).")
                             .arg(path, shown),
                         QString());
                } else if (pid > 0 && running(pid) && (runsProgram(pid, lock.app) || lock.locked)) {
                    seen.insert(pid);
                    note(DoctorVerdict::Problem,
                         QCoreApplication::translate("ConnectionDoctor",
                                                     "%1 è riservato da %2 (processo %3) con il file %4: chiudi "
                                                     "quel programma.")
                             .arg(path, processName(pid))
                             .arg(pid)
                             .arg(shown),
                         QStringLiteral("kill %1").arg(pid));
                } else if (pid > 0 && running(pid) && !fdsVisible.contains(pid)) {
                    // Another user's process: whether it has the port open stays hidden.
                    note(DoctorVerdict::Warning,
                         QCoreApplication::translate("ConnectionDoctor",
                                                     "Il file %1 riserva %2 per il processo %3 (%4), ma non si vede "
                                                     "se quel processo ha la porta aperta: il numero può essere "
                                                     "passato a un altro programma.")
                             .arg(shown, path)
                             .arg(pid)
                             .arg(processName(pid)),
                         QStringLiteral("sudo fuser -v ") + shellQuote(path));
                } else if (pid > 0 && running(pid)) {
                    note(DoctorVerdict::Warning,
                         QCoreApplication::translate("ConnectionDoctor",
                                                     "Il file %1 riserva %2 per il processo %3, ma quel processo "
                                                     "(%4) non ha la porta aperta: il file è rimasto da un "
                                                     "programma chiuso.")
                             .arg(shown, path)
                             .arg(pid)
                             .arg(processName(pid)),
                         remove);
                } else if (pid > 0) {
                    note(DoctorVerdict::Warning,
                         QCoreApplication::translate("ConnectionDoctor",
                                                     "Il file %1 riserva %2 per il processo %3, che non esiste "
                                                     "più: alcuni programmi non apriranno la porta finché c'è.")
                             .arg(shown, path)
                             .arg(pid),
                         remove);
                } else {
                    note(DoctorVerdict::Warning,
                         QCoreApplication::translate("ConnectionDoctor",
                                                     "Il file %1 riserva %2 ma non indica alcun processo: è rimasto "
                                                     "da un programma chiuso, e alcuni programmi non apriranno la "
                                                     "porta finché c'è.")
                             .arg(shown, path),
                         remove);
                }
            }
            // The program's own locks, under the key the link used (a bare
            // port name or a path). The link tells a held lock by its flock.
            for (const QString &key : {path, name}) {
                if (opts.lockDirectory.isEmpty())
                    break;
                const QString file = QDir(opts.lockDirectory).filePath(DeviceLock::lockFileName(key));
                const LockFileInfo lock = LockFile::read(file);
                if (lock.state == LockFileInfo::Missing)
                    continue;
                const QString remove = LockFile::removeCommand(file, lock);
                if (lock.state != LockFileInfo::Regular) {
                    note(DoctorVerdict::Problem,
                         QCoreApplication::translate("ConnectionDoctor",
                                                     "Il file di blocco %1 %2: nessun Tervalix può collegarsi a %3 "
                                                     "finché c'è.")
                             .arg(file, lock.problem, path),
                         remove);
                    continue;
                }
                const qint64 pid = lock.pid;
                if (lock.locked && pid > 0 && (pid == opts.ownPid || seen.contains(pid)))
                    continue;
                if (lock.locked && pid > 0 && running(pid) && runsTervalix(pid)) {
                    seen.insert(pid);
                    note(DoctorVerdict::Problem,
                         QCoreApplication::translate("ConnectionDoctor",
                                                     "%1 è collegato a un altro Tervalix (processo %2, %3): usa "
                                                     "quella finestra o chiudila.")
                             .arg(path)
                             .arg(pid)
                             .arg(file),
                         QStringLiteral("kill %1").arg(pid));
                } else if (lock.locked) {
                    note(DoctorVerdict::Problem,
                         QCoreApplication::translate("ConnectionDoctor",
                                                     "Il file di blocco %1 di %2 è tenuto da un programma che non "
                                                     "è un Tervalix riconoscibile: chiudilo.")
                             .arg(file, path),
                         QStringLiteral("fuser -v ") + shellQuote(file));
                } else if (!lock.removable) {
                    note(DoctorVerdict::Problem,
                         QCoreApplication::translate("ConnectionDoctor",
                                                     "Il file di blocco %1 è rimasto da un programma chiuso, ma è di "
                                                     "un altro utente e Tervalix non lo può togliere: %2 resta "
                                                     "bloccato finché c'è.")
                             .arg(file, path),
                         remove);
                } else if (pid > 0) {
                    // Taken over by the next link: the lock's owner is gone.
                    note(DoctorVerdict::Info,
                         QCoreApplication::translate("ConnectionDoctor",
                                                     "%1 lascia un file di blocco di un Tervalix chiuso (processo "
                                                     "%2); verrà ripreso al prossimo collegamento.")
                             .arg(file)
                             .arg(pid),
                         remove);
                } else {
                    note(DoctorVerdict::Info,
                         QCoreApplication::translate("ConnectionDoctor",
                                                     "Il file di blocco %1 non è valido (non indica alcun processo) "
                                                     "e nessuno lo tiene; verrà ripreso al prossimo collegamento.")
                             .arg(file),
                         remove);
                }
            }
            if (!found.isEmpty())
                add(id, path, verdict, QCoreApplication::translate("ConnectionDoctor", "Porta in uso: %1").arg(path),
                    found.join(QLatin1Char(' ')), fixes.join(QStringLiteral(" && ")));
        }
        if (report.checks.size() == before)
            add(id, QString(), DoctorVerdict::Ok, title,
                opts.user.uid == 0
                    ? QCoreApplication::translate("ConnectionDoctor",
                                                  "Nessun altro programma tiene aperta una porta o la centralina.")
                    : QCoreApplication::translate("ConnectionDoctor",
                                                  "Nessun programma tiene aperta una porta o la centralina (i "
                                                  "programmi di altri utenti si vedono solo da root: %1).")
                          .arg(QStringLiteral("sudo fuser -v /dev/ttyUSB* /dev/ttyACM* /dev/hidraw*")));
    }

    void checkSimulator()
    {
        const QString id = QStringLiteral("simulator");
        const QString title = QCoreApplication::translate("ConnectionDoctor", "Simulatore");
        QStringList set;
        for (auto it = opts.environment.cbegin(); it != opts.environment.cend(); ++it)
            if ((it.key() == QLatin1String("TERVALIX_SIMULATOR") || it.key().startsWith(QLatin1String("TERVALIX_SIM_")))
                && !it.value().isEmpty())
                set.append(it.key() + QLatin1Char('=') + it.value());
        if (set.isEmpty())
            add(id, QString(), DoctorVerdict::Ok, title,
                QCoreApplication::translate("ConnectionDoctor", "Nessuna variabile del simulatore è impostata."));
        else
            add(id, QString(), DoctorVerdict::Info, title,
                QCoreApplication::translate("ConnectionDoctor",
                                            "Variabili del simulatore impostate: %1. Con TERVALIX_SIMULATOR la "
                                            "finestra parla con una centralina simulata, non con quella vera.")
                    .arg(set.join(QStringLiteral(", "))));
    }

    const ConnectionDoctor::Options &opts;
    DoctorReport report;
    QList<GroupEntry> groups;
    QMap<uint, QString> userNames;
    uint accountGid = 0;
    QMap<qint64, QString> processNames;
    QSet<qint64> fdsVisible;  // processes whose descriptors this user may list
    QMap<QString, QList<qint64>> holders;  // device path -> processes with it open
    QStringList unitNodes;
    bool unitOnUsb = false;
    QString rulePath;
    QStringList ports;
    int usbAdapters = 0;
};

} // namespace

DoctorReport ConnectionDoctor::run() const
{
    return Examination(opts).run();
}

#endif
