// SPDX-License-Identifier: GPL-3.0-or-later
// The README's examples of the command-line tool run as printed, from a
// fresh clone's folder: every block marked for the tests, line by line,
// each line ending as its comment says ("# exit 5") or with 0.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TestReadme : public QObject {
    Q_OBJECT
private slots:
    void examplesRunAsPrinted();
};

namespace {

// The blocks after each marker, one list of lines each.
QList<QStringList> markedBlocks(const QString &readme)
{
    QList<QStringList> blocks;
    const QStringList lines = readme.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        if (!lines[i].startsWith(QLatin1String("<!-- examples: the tests run this block")))
            continue;
        QStringList block;
        int j = i + 2;  // past the opening fence
        for (; j < lines.size() && !lines[j].startsWith(QLatin1String("```")); ++j)
            block << lines[j];
        blocks << block;
        i = j;
    }
    return blocks;
}

// The line as a checked shell step.
QString step(const QString &line)
{
    static const QRegularExpression comment(QStringLiteral("\\s+#\\s*(.*)$"));
    static const QRegularExpression exitCode(QStringLiteral("^exit (\\d+)"));
    QString command = line;
    int expected = 0;
    const QRegularExpressionMatch m = comment.match(line);
    if (m.hasMatch()) {
        command = line.left(m.capturedStart()).trimmed();
        const QRegularExpressionMatch e = exitCode.match(m.captured(1));
        if (e.hasMatch())
            expected = e.captured(1).toInt();
    }
    if (command.endsWith(QLatin1Char('&')))
        return command;
    QString quoted = line;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QStringLiteral("%1\nrc=$?; if [ $rc -ne %2 ]; then echo 'README: %3' \"ended with $rc\"; exit 1; fi")
        .arg(command)
        .arg(expected)
        .arg(quoted);
}

} // namespace

void TestReadme::examplesRunAsPrinted()
{
    QFile file(QStringLiteral(TERVALIX_SOURCE_DIR "/README.md"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QStringList> blocks = markedBlocks(QString::fromUtf8(file.readAll()));
    QVERIFY(!blocks.isEmpty());

    // A clone's folder: the build and the examples where the README expects them.
    QTemporaryDir clone;
    QVERIFY(clone.isValid());
    QDir dir(clone.path());
    const QString buildRoot = QDir::cleanPath(QStringLiteral(TERVALIX_CLI "/../.."));
    QVERIFY(QFile::link(buildRoot, dir.filePath(QStringLiteral("build"))));
    QVERIFY(QFile::link(QStringLiteral(TERVALIX_SOURCE_DIR "/examples"), dir.filePath(QStringLiteral("examples"))));
    for (const char *sub : {"home", "config", "tmp"})
        QVERIFY(dir.mkpath(QLatin1String(sub)));

    for (const QStringList &block : blocks) {
        // The block's background programs end with it, also when a step fails.
        QStringList script{QStringLiteral("set -u"), QStringLiteral("trap 'kill $(jobs -p) 2>/dev/null' EXIT")};
        for (const QString &line : block)
            if (!line.trimmed().isEmpty())
                script << step(line);
        script << QStringLiteral("exit 0");
        QProcess shell;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString &key : env.keys())
            if (key.startsWith(QLatin1String("TERVALIX_")))
                env.remove(key);
        env.insert(QStringLiteral("HOME"), dir.filePath(QStringLiteral("home")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("TMPDIR"), dir.filePath(QStringLiteral("tmp")));
        shell.setProcessEnvironment(env);
        shell.setWorkingDirectory(dir.path());
        shell.setProcessChannelMode(QProcess::MergedChannels);
        shell.start(QStringLiteral("bash"), {QStringLiteral("-c"), script.join(QLatin1Char('\n'))});
        QVERIFY(shell.waitForFinished(120000));
        const QByteArray out = shell.readAll();
        QVERIFY2(shell.exitCode() == 0, out.constData());
    }
}

QTEST_GUILESS_MAIN(TestReadme)
#include "test_readme.moc"
