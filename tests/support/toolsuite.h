// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real programs as a user or a script runs them, for the suites in
// tests/cli: tervalix-cli in a working folder of its own, with settings,
// home and device locks private to the run, a first start in Italian (whose
// texts the cases read) and no terminal on standard input; and the
// simulated unit on a pseudo-terminal (tervalix-ecu-sim). Header-only: the
// programs' paths come from each suite's TERVALIX_CLI and TERVALIX_ECU_SIM.

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

struct Result {
    int code = -1;  // -1: crashed or hung
    QString out;
    QString err;
    QJsonObject json() const { return QJsonDocument::fromJson(out.toUtf8()).object(); }
};

class ToolSuite : public QObject {
protected:
    // The working folder with config/, tmp/, home/ and `more`.
    bool prepare(const QStringList &more = {})
    {
        if (!work.isValid())
            return false;
        for (const QString &d : QStringList{"config", "tmp", "home"} + more)
            if (!QDir(work.path()).mkpath(d))
                return false;
        return true;
    }
    QString file(const QString &name) const { return work.filePath(name); }

    QProcessEnvironment environment(const QStringList &extra = {}) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString &key : env.keys())
            if (key.startsWith(QLatin1String("TERVALIX_")))
                env.remove(key);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), file(QStringLiteral("config")));
        env.insert(QStringLiteral("HOME"), file(QStringLiteral("home")));
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("it_IT.UTF-8"));
        env.insert(QStringLiteral("TMPDIR"), file(QStringLiteral("tmp")));
        for (const QString &pair : extra)
            env.insert(pair.section('=', 0, 0), pair.section('=', 1));
        return env;
    }

    QProcess *start(const QStringList &args, const QStringList &env = {})
    {
        auto *p = new QProcess(this);
        p->setProcessEnvironment(environment(env));
        p->setWorkingDirectory(work.path());
        // No terminal: a write that needs a yes needs --yes.
        p->setStandardInputFile(QProcess::nullDevice());
        p->start(QStringLiteral(TERVALIX_CLI), args);
        return p;
    }

    Result finish(QProcess *p)
    {
        // Generous: only proves that nothing hangs.
        if (!p->waitForFinished(60000))
            p->kill();
        p->waitForFinished(1000);
        Result r;
        r.code = p->exitStatus() == QProcess::NormalExit ? p->exitCode() : -1;
        r.out = QString::fromUtf8(p->readAllStandardOutput());
        r.err = QString::fromUtf8(p->readAllStandardError());
        p->deleteLater();
        return r;
    }

    Result run(const QStringList &args, const QStringList &env = {}) { return finish(start(args, env)); }

    QTemporaryDir work;  // the programs' working folder
};

// The simulated unit on a pseudo-terminal, for as long as the case needs it;
// its memory lasts between runs of the tool.
struct SimUnit {
    QProcess process;
    QString port;
    bool start(const QStringList &args)
    {
        process.start(QStringLiteral(TERVALIX_ECU_SIM), args);
        if (!process.waitForStarted())
            return false;
        while (!process.canReadLine() && process.waitForReadyRead(5000)) {
        }
        port = QString::fromUtf8(process.readLine()).trimmed();
        return !port.isEmpty();
    }
    ~SimUnit()
    {
        process.terminate();
        if (!process.waitForFinished(3000))
            process.kill();
        process.waitForFinished(1000);
    }
};
