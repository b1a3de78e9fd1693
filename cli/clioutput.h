// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the tool's words go. Standard output carries only the result, so that
// a script can use it; everything said to the person (errors, notes,
// progress) goes to standard error, and progress and notes only when
// standard error is a terminal that someone watches.

#include <QByteArray>
#include <QCoreApplication>
#include <QJsonObject>
#include <QString>

// The translation context of every text of the tool.
class TervalixCli {
    Q_DECLARE_TR_FUNCTIONS(TervalixCli)
};

namespace Cli {

enum Exit {
    ExitOk = 0,
    ExitUsage = 2,        // unknown command, bad option, missing or unreadable argument
    ExitNoEcu = 3,        // port missing or busy, no answer to the probe
    ExitTransfer = 4,     // a transfer, the link, a backup or a result file failed
    ExitMismatch = 5,     // the ECU does not hold what it should
    ExitInterrupted = 130 // Ctrl+C outside a write (128 + SIGINT, as shells report it)
};

class Output {
public:
    explicit Output(bool json);
    bool json() const { return jsonMode; }

    // Standard output.
    void line(const QString &text);
    void raw(const QByteArray &bytes);
    void document(const QJsonObject &object);  // indented, one document
    void jsonLine(const QJsonObject &object);  // one object per line
    // The same line rewritten in place (standard output is a terminal).
    void refresh(const QString &text);
    void endRefresh();

    // Standard error.
    void error(const QString &text);
    void note(const QString &text);  // terminal only
    void progress(const QString &what, int percent);  // terminal only
    void endProgress();

    // Says why a command fails (and, with --json, puts it on standard
    // output as {"error", "exit_code"}); returns `code`.
    int fail(int code, const QString &text);

    // Whether everything sent to standard output got there so far.
    bool stdoutWritten() const { return stdoutError == 0; }
    // Flushes standard output at the end of a command: a success whose
    // result could not be written (a full disk, a closed pipe) becomes a
    // failure, said on standard error. Returns the exit code.
    int finish(int code);

    static bool stdoutIsTerminal();
    static bool stderrIsTerminal();

private:
    void putOut(const QByteArray &bytes);

    bool jsonMode;
    int stdoutError = 0;  // errno of the first failed write
    bool progressShown = false;
    bool refreshShown = false;
    int lastPercent = -1;
};

} // namespace Cli
