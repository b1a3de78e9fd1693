// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Why the ECU is not found: the connection doctor looks at the system the way
// the link will meet it (the unit on USB, the rights on its device node, the
// udev rule, the serial ports and their groups, programs that grab adapters,
// ports held by someone else, the simulator switch) and says, for each
// finding, what it saw and the command that puts it right.
//
// Everything is read below a root folder, for a given user and environment,
// so that a fake system tree exercises every verdict without root rights and
// without hardware. Linux only; elsewhere the report says so.

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

// Who runs the program: the rights of this login session, not of the account
// (a group joined after logging in counts only after logging in again).
struct UserIdentity {
    QString name;
    uint uid = 0;
    uint gid = 0;                // primary group
    QMap<uint, QString> groups;  // every group of the session, primary included: id -> name

    static UserIdentity current();
};

enum class DoctorVerdict { Ok, Info, Warning, Problem };

struct DoctorCheck {
    QString id;       // the kind of check: hid.present, hid.access, udev.rule, serial.port,
                      // modemmanager, brltty, port.inuse, simulator
    QString subject;  // what it looked at (a device node); empty when it speaks of the system
    DoctorVerdict verdict = DoctorVerdict::Info;
    QString title;
    QString found;    // one or more whole sentences
    QString fix;      // a shell command; empty when there is nothing to do or no sure command
};

struct DoctorReport {
    UserIdentity user;
    QList<DoctorCheck> checks;

    // The worst verdict; information never counts against the system.
    DoctorVerdict summary() const;
    QList<DoctorCheck> checksOf(const QString &id) const;
};

QString doctorVerdictLabel(DoctorVerdict verdict);
// One sentence on the whole report.
QString doctorSummaryText(const DoctorReport &report);
// The plain-text report, the same in the dialog and on the command line.
QString formatDoctorReport(const DoctorReport &report);

// Owner, group, mode bits and the raw POSIX access ACL
// (the "system.posix_acl_access" attribute) of a device node.
struct NodeOwnership {
    uint uid = 0;
    uint gid = 0;
    uint mode = 0;
    QByteArray acl;
};
// Whether the user may both read and write the node. The ACL matters: the
// seat's user gets the ECU through an ACL entry (uaccess), not the mode bits.
bool nodeGrantsReadWrite(const NodeOwnership &node, const UserIdentity &user);

class ConnectionDoctor {
public:
    struct Options {
        QString root = QStringLiteral("/");
        UserIdentity user;
        QMap<QString, QString> environment;
        QString lockDirectory;  // where the program's own device locks live
        qint64 ownPid = 0;      // this process: what it holds is not someone else's
        QString ruleSource;     // a copy of the rule file to install; empty: its text is written out
        // The unit this program is linked to now, if any: its port ("HID" or
        // a serial path), its device node (empty for the simulated unit) and
        // its record as the status bar shows it.
        QString linkedPort;
        QString linkedNode;
        QString linkedRecord;
    };

    // This machine, this user, this process.
    ConnectionDoctor();
    explicit ConnectionDoctor(const Options &options);

    static Options systemOptions();
    DoctorReport run() const;

    static QString ruleFileName();
    // The rule line that the project installs, for writing it out when no copy
    // of the file is at hand.
    static QString ruleText();

private:
    Options opts;
};
