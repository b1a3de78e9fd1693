// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start-up that the window and the command-line tool share, so that they
// cannot drift apart: the application's identity, the guard of the settings
// store, the catalogue of the stored language, and the session's
// configuration (the real ECU, or the simulator the environment asks for).

#include <QString>
#include <QTranslator>

#include "session/ecusession.h"

class QCoreApplication;

namespace Startup {

// `--version` among the arguments: prints "PROGRAM VERSION" and returns true
// (the program then ends with 0). Looked at before anything else, so that it
// needs no display and touches no settings.
bool printVersionIfAsked(int argc, char **argv, const char *program);

// Name, version, organisation and domain; run before the application object
// exists so that the settings store resolves to the right place.
void setApplicationIdentity();

// What both programs do once their application object exists. Lives until
// the program ends (its catalogue stays installed).
class Common {
public:
    explicit Common(QCoreApplication &app);
    ~Common();
    Common(const Common &) = delete;
    Common &operator=(const Common &) = delete;

    // The settings file that cannot be used this time (a FIFO, a device,
    // unreadable), or empty; and what to tell the user about it.
    QString unusableSettings() const { return unusable; }
    QString settingsProblem() const;
    // The catalogue's file name ("Tervalix-it.qm" or "Tervalix-en.qm").
    QString catalogue() const { return catalogueFile; }

private:
    QTranslator translator;
    QString unusable;
    QString catalogueFile;
};

// Reads "Language" (writing the system's language, Italian or else English,
// when missing) and loads the matching catalogue into `translator`: "IT"
// selects Italian, any other value English. Returns the catalogue's file name.
const char *loadStartupCatalogue(QTranslator &translator);

// The settings store must be a regular file (or not exist yet): a FIFO or a
// device there would block the first read for good. When it is not, the
// settings of this run go to a private temporary folder instead, and the
// unusable file's path is returned (empty when all is well). Run before
// anything reads a setting. `configDir` empty: the user's configuration
// folder.
QString guardSettingsStore(const QString &configDir = QString());
// What to tell the user about an unusable settings file (in the language
// installed when called).
QString settingsProblemText(const QString &file);

// Whether Qt has a display to show a window on.
bool haveDisplay();

// The session's configuration: the real ECU, or the simulator that
// TERVALIX_SIMULATOR switches on (the only place that reads it). The
// pseudo-terminal simulator announces its port on standard output, so only
// the window offers it; the tool's standard output is for results.
enum class SerialSimulator { Offer, Skip };
EcuSession::Config sessionConfigFromEnvironment(SerialSimulator serial);

} // namespace Startup
