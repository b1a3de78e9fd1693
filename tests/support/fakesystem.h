// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A system tree for the connection doctor, in a temporary folder.

#include "doctor/connectiondoctor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

// A system tree in a temporary folder. Files made here belong to the test's
// own uid and gid: the fake /etc/group names that gid as the test needs.
class FakeSystem {
public:
    FakeSystem()
    {
        opts.root = dir.path() + QStringLiteral("/root");
        opts.lockDirectory = dir.path() + QStringLiteral("/tmp");
        QDir().mkpath(opts.root);
        QDir().mkpath(opts.lockDirectory);
        opts.user.name = QStringLiteral("alice");
        opts.user.uid = 54321;
        opts.user.gid = 54321;
        opts.user.groups = {{54321, QStringLiteral("alice")}};
        opts.ownPid = 777;
    }
    void file(const QString &path, const QByteArray &content = QByteArray(), uint mode = 0644)
    {
        const QString real = opts.root + path;
        QDir().mkpath(QFileInfo(real).path());
        QFile f(real);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        QCOMPARE(::chmod(QFile::encodeName(real).constData(), mode), 0);
    }
    void link(const QString &path, const QByteArray &target)
    {
        const QString real = opts.root + path;
        QDir().mkpath(QFileInfo(real).path());
        QCOMPARE(::symlink(target.constData(), QFile::encodeName(real).constData()), 0);
    }
    // /etc/group with the nodes' group under `nodeGroup`, alice listed in `listed`.
    void groups(const QString &nodeGroup, const QStringList &listed = {})
    {
        const auto line = [&](const QString &g, uint gid) {
            return QStringLiteral("%1:x:%2:%3\n").arg(g).arg(gid).arg(listed.contains(g) ? "alice" : "");
        };
        QString text = line(nodeGroup, ::getgid()) + line("alice", 54321);
        uint next = 60000;
        for (const QString g : {"root", "plugdev", "dialout"})
            if (g != nodeGroup && !(g == "root" && ::getgid() == 0))
                text += line(g, g == "root" ? 0 : next++);
        file(QStringLiteral("/etc/group"), text.toUtf8());
    }
    void joinNodeGroup() { opts.user.groups.insert(::getgid(), QStringLiteral("session")); }
    void plugUnit(const QString &node = QStringLiteral("hidraw0"), uint mode = 0660)
    {
        file(QStringLiteral("/sys/class/hidraw/%1/device/uevent").arg(node),
             "DRIVER=hid-generic\nHID_ID=0003:000004D8:00000080\nHID_NAME=ECU\n");
        file(QStringLiteral("/dev/") + node, QByteArray(), mode);
    }
    DoctorReport run() const { return ConnectionDoctor(opts).run(); }

    QTemporaryDir dir;
    ConnectionDoctor::Options opts;
};
